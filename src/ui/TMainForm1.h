#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "feed/MainView.h"

class QAction;
class QLabel;
class QMenu;

namespace skin {
class TSkinEngine;
}

namespace plivant {

class Feed;
class FeedHealth;
class GridDetails;
class LinkLabel;
class MainStatusBar;
class NewsGrid;
class NewsStore;
class TForm4;
class WindowMainView;
struct Settings;

// The main window: menu, news grid, bottom panel with logo and banner, status bar with the lamp.
// It shows the news store it is given in the grid; the feed that fills both is handed to it.
class TMainForm1 : public QMainWindow {
public:
    // `skinned` is the skin engine's Active at start.
    TMainForm1(Settings& settings, const NewsStore& store, QWidget* parent = nullptr,
               bool skinned = true);
    ~TMainForm1() override;

    MainView& View();
    // The feed the window shows, and its health owner, through which every start goes.
    void SetFeed(const Feed& feed, FeedHealth& health);
    // The refresh command.
    void StartFeed();
    NewsGrid* Grid() const { return grid_; }
    MainStatusBar* Status() const { return status_; }
    LinkLabel* Banner() const { return stNews_; }
    GridDetails& Details() { return *details_; }

    // The windows made after this one, in start-up order.
    void SetDetailsWindow(TForm4* window);
    std::function<void()> ShowSettings;  // modal settings dialog
    std::function<void()> ShowAbout;     // modal About window
    std::function<void()> ShowSearch;    // the archive's search window
    std::function<void()> BannerClick;   // the headline banner's link
    std::function<void()> MinimizeToTray;
    std::function<bool()> IsInTray;
    // Ends the program at once (the event loop's end in the program).
    std::function<void()> EndProgram;

    QAction* Action(const char* name) const;

    // Skins every window of the program with the built-in skin.
    skin::TSkinEngine* SkinEngine1 = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void CreateSkinEngine(bool active);
    void BuildMenu();
    QWidget* BuildBottomPanel();
    QAction* AddItem(QMenu* menu, const char* name, const QString& text, int image,
                     const QKeySequence& shortcut, std::function<void()> handler);
    void Image1Click();

    Settings& settings_;
    NewsGrid* grid_ = nullptr;
    MainStatusBar* status_ = nullptr;
    LinkLabel* stNews_ = nullptr;
    std::unique_ptr<WindowMainView> view_;
    const Feed* feed_ = nullptr;
    FeedHealth* health_ = nullptr;
    std::unique_ptr<GridDetails> details_;
};

}  // namespace plivant
