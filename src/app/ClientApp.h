#pragma once

#include <memory>

#include "settings/FeedControl.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"
#include "settings/SettingsPrompter.h"

namespace plivant {

class Feed;
class TFormProp;
class TForm4;
class TMainForm1;
class TfmAbout;
class TfmPopup;

// The news client's windows and what ties them together, made in start-up order.
class ClientApp {
public:
    ClientApp();
    ~ClientApp();

    // Shows the main window; half a second later the feed starts when the settings ask for it.
    void Show();

private:
    // The settings dialog's way to the feed.
    struct FeedLink : FeedControl {
        Feed* Target = nullptr;
        void CloseFeedConnection() override;
        void StartFeed() override;
    };

    Settings settings_;
    RegistryStore store_;
    FeedLink feedLink_;
    std::unique_ptr<TMainForm1> main_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<TForm4> details_;
    std::unique_ptr<TFormProp> formProp_;
    std::unique_ptr<TfmPopup> popup_;
    std::unique_ptr<TfmAbout> about_;
};

}  // namespace plivant
