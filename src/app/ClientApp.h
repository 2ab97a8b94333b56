#pragma once

#include <memory>

#include "core/AppPaths.h"
#include "core/UiInvoker.h"
#include "services/FeedPort.h"
#include "services/ServiceAddresses.h"
#include "services/StartupTimer.h"
#include "settings/FeedControl.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"
#include "settings/SettingsPrompter.h"

class QLabel;

namespace plivant {

class Archive;
class ArchiveNotices;
class ClockThread;
class FeedArchiver;
class FeedHealth;
class HealthIndicator;
class MainTray;
class MainWiring;
class TFormProp;
class TForm4;
class TMainForm1;
class TfmAbout;
class TfmPopup;
class TfmSearch;

// The news client: its windows, the feed behind the main window, the archive and the services,
// and what ties them together, made in start-up order.
class ClientApp {
public:
    explicit ClientApp(const AppPaths& paths);
    ~ClientApp();

    // Shows the main window, or only the tray icon when `minimized` and a tray runs; half a
    // second later the start-up timer ticks. The windows the first picture does not need are
    // made right after it.
    void Show(bool minimized = false);
    // A later start of the program: the window comes back from the tray or from behind others.
    void BringToFront();

private:
    // The way of the settings dialog, the start-up timer and the clock to the feed.
    struct FeedLink : FeedControl, FeedPort {
        FeedHealth* Target = nullptr;
        void FeedSettingsClosed(bool feedSettingsChanged) override;
        void StartFeed() override;
        bool FeedStarting() const override;
        void WatchdogPass(bool timeServerAnswered) override;
    };
    // The start-up timer's way to the banner label.
    struct BannerLabel : BannerView {
        QLabel* Label = nullptr;
        void SetCaption(const QString& text) override;
        void ShowBanner() override;
    };

    void MakeLaterParts();
    void WireTrayAndPopup();
    void WireArchive();
    void ShowSearch();
    void StartClock();
    // A message that waits for nobody: neither the feed's hand-off nor the tray may be held.
    void ShowError(const QString& text);

    Settings settings_;
    RegistryStore store_;
    FeedLink feedLink_;
    BannerLabel banner_;
    // Before the windows: the feed and the details of the main window hand items to it.
    std::unique_ptr<Archive> archive_;
    std::unique_ptr<FeedArchiver> feedArchiver_;
    // The main window with the news store, the feed, its health owner and the keep-alive.
    std::unique_ptr<MainWiring> wiring_;
    TMainForm1* main_ = nullptr;  // wiring_'s window
    std::unique_ptr<MainTray> tray_;
    std::unique_ptr<HealthIndicator> health_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<TForm4> details_;
    std::unique_ptr<TFormProp> formProp_;
    std::unique_ptr<TfmPopup> popup_;
    std::unique_ptr<TfmAbout> about_;
    std::unique_ptr<TfmSearch> search_;  // made when first asked for
    std::unique_ptr<ArchiveNotices> archiveNotices_;
    QString tuneFile_;
    ServiceAddresses addresses_;
    std::unique_ptr<StartupTimer> startup_;
    std::unique_ptr<ClockThread> clock_;
    // Notices of the archive's threads reach the windows only while this lives.
    UiInvoker ui_;
};

}  // namespace plivant
