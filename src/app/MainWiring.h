#pragma once

#include <memory>
#include <string>

#include "feed/MainView.h"
#include "feed/NewsStore.h"

namespace plivant {

class Feed;
class FeedHealth;
class KeepAlive;
class TMainForm1;
struct Settings;

// The main window and the news it shows: the store the grid paints from, the feed that fills
// both, the feed's health owner, through which every start goes, and the keep-alive. The program
// builds its other windows and services around it; tests and benchmarks build it alone. UI
// thread.
class MainWiring {
public:
    // `skinned` is the main window's skin engine's Active at start.
    MainWiring(Settings& settings, const std::string& serverLogPath, bool skinned = true);
    ~MainWiring();
    MainWiring(const MainWiring&) = delete;
    MainWiring& operator=(const MainWiring&) = delete;

    TMainForm1& Window() { return *window_; }
    NewsStore& Store() { return store_; }
    Feed& NewsFeed() { return *feed_; }
    FeedHealth& Health() { return *health_; }
    // The popup, made after the main window, that shows news while the window is in the tray.
    void SetPopup(NewsPopup* popup) { popup_.Target = popup; }

private:
    // Forwards to the popup once it exists.
    struct PopupLink : NewsPopup {
        NewsPopup* Target = nullptr;
        void ClearNews() override;
        void AddNewsLine(const std::string& line) override;
    };

    // Destroyed from the bottom up: the feed's workers stop before the window and the store go.
    NewsStore store_;
    PopupLink popup_;
    std::unique_ptr<TMainForm1> window_;
    std::unique_ptr<Feed> feed_;
    std::unique_ptr<FeedHealth> health_;
    std::unique_ptr<KeepAlive> keepAlive_;
};

}  // namespace plivant
