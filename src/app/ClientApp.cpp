#include "app/ClientApp.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTimer>

#include "app/ArchiveOptions.h"
#include "app/MainWiring.h"
#include "app/WindowActivation.h"
#include "archive/Archive.h"
#include "archive/FeedArchiver.h"
#include "core/VendorInfo.h"
#include "feed/Feed.h"
#include "feed/FeedHealth.h"
#include "services/ClockThread.h"
#include "settings/ServersFile.h"
#include "settings/SettingsError.h"
#include "settings/StoredValues.h"
#include "settings/TFormProp.h"
#include "skin/engine/SkinFileSearch.h"
#include "skin/engine/TSkinEngine.h"
#include "ui/AfterFirstPaint.h"
#include "ui/ArchiveNotices.h"
#include "ui/GridDetails.h"
#include "ui/HealthIndicator.h"
#include "ui/LinkLabel.h"
#include "ui/MainStatusBar.h"
#include "ui/MainTray.h"
#include "ui/TForm4.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"
#include "ui/TfmPopup.h"
#include "ui/TfmSearch.h"

namespace plivant {

namespace {

// PLIVANT_SKIN=off starts the program unskinned, to compare with the skin's cost.
bool SkinAtStart() { return qgetenv("PLIVANT_SKIN") != "off"; }

// QT_LOGGING_RULES=plivant.files=true tells where the program keeps its files.
Q_LOGGING_CATEGORY(lcFiles, "plivant.files", QtWarningMsg)

void LogFileLocations(const AppPaths& paths) {
    qCInfo(lcFiles).noquote() << "settings:" << paths.RegistryFile();
    qCInfo(lcFiles).noquote() << "servers:" << paths.ServersFile();
    qCInfo(lcFiles).noquote() << "server log:" << paths.ServerLogFile();
    qCInfo(lcFiles).noquote() << "tune:" << paths.TuneFile();
}

// A server list of its own for a user's first start, to edit in the file as well.
void SeedServersFile(const AppPaths& paths, const ServersFile& servers) {
    if (paths.Portable() || servers.Exists()) return;
    try {
        servers.Save(kDefaultServer);
    } catch (const SettingsError&) {
        // The dialog reports a folder that cannot be written when it saves.
    }
}

// What the archive may take at the end to write the items still in hand.
constexpr std::chrono::milliseconds kFinalWrite{1000};

}  // namespace

void ClientApp::FeedLink::FeedSettingsClosed(bool feedSettingsChanged) {
    Target->SettingsClosed(feedSettingsChanged);
}

void ClientApp::FeedLink::StartFeed() { Target->StartAtLaunch(); }

bool ClientApp::FeedLink::FeedStarting() const { return Target->State() == FeedState::Starting; }

void ClientApp::FeedLink::WatchdogPass(bool timeServerAnswered) {
    Target->WatchdogPass(timeServerAnswered);
}

void ClientApp::BannerLabel::SetCaption(const QString& text) {
    Label->setText(text);
    Label->adjustSize();
}

void ClientApp::BannerLabel::ShowBanner() { Label->show(); }

ClientApp::ClientApp(const AppPaths& paths) : store_(paths.RegistryFile().toStdString()) {
    LogFileLocations(paths);
    skin::SetSkinSearchFolders(paths.SkinFolders());
    AppPaths::MakeFolderOf(paths.ServersFile());
    AppPaths::MakeFolderOf(paths.ServerLogFile());
    tuneFile_ = paths.TuneFile();
    // Nothing touches the archive's file before Show.
    archive_ = std::make_unique<Archive>(ProgramArchiveOptions(store_));
    feedArchiver_ = std::make_unique<FeedArchiver>(*archive_);
    // The windows come into being in start-up order. The settings dialog loads the settings, so
    // it is made before the main window shows (an error reading them comes first); the tray,
    // the details window, the popup and the About window wait for the main window's first
    // picture, which nothing of theirs shows in.
    wiring_ =
        std::make_unique<MainWiring>(settings_, paths.ServerLogFile().toStdString(), SkinAtStart());
    main_ = &wiring_->Window();
    feedLink_.Target = &wiring_->Health();
    banner_.Label = main_->Banner();
    prompter_ = std::make_unique<MessageBoxPrompter>(main_);
    ServersFile servers(paths.ServersFile().toStdString());
    SeedServersFile(paths, servers);
    formProp_ = std::make_unique<TFormProp>(
        SettingsDialogContext{settings_, store_, servers, feedLink_, *prompter_}, main_);

    main_->ShowSettings = [this] { formProp_->exec(); };
    main_->ShowAbout = [this] {
        MakeLaterParts();
        about_->exec();
    };
    main_->Details().ShowError = [this](const QString& text) {
        QMessageBox::critical(main_, vendor::kTitle, text);
    };
    WireArchive();

    addresses_ = LoadServiceAddresses(store_);
    startup_ =
        std::make_unique<StartupTimer>(StartupContext{main_->View(), banner_, feedLink_, settings_,
                                                      [this] { StartClock(); }, &OpenAddress},
                                       addresses_.Headlines, StartupTimings{}, main_);
    main_->BannerClick = [this] { startup_->stNewsClick(); };
}

// What the first picture need not wait for, in start-up order; made once.
void ClientApp::MakeLaterParts() {
    if (about_) return;
    tray_ = std::make_unique<MainTray>(*main_);
    // The tray menu belongs to no window, so the engine is told about it.
    main_->SkinEngine1->OwnerDrawMenu(&tray_->PopupMenu1());
    health_ = std::make_unique<HealthIndicator>(*main_->Status()->ConnectionLamp(), *tray_);
    wiring_->Health().AddListener(health_.get());
    details_ = std::make_unique<TForm4>();
    main_->SetDetailsWindow(details_.get());
    popup_ = std::make_unique<TfmPopup>();
    popup_->SetTuneFile(tuneFile_);
    wiring_->SetPopup(popup_.get());
    about_ = std::make_unique<TfmAbout>(main_);
    WireTrayAndPopup();
}

ClientApp::~ClientApp() = default;

void ClientApp::WireTrayAndPopup() {
    popup_->IsInTray = [this] { return tray_->IsInTray(); };
    // The window comes to the front; the icon and the tray state stay.
    popup_->ShowMainWindow = [this] { tray_->ShowWindow(); };
    popup_->ReportMediaError = [this](const QString& text) { ShowError(text); };
}

void ClientApp::ShowError(const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Critical, vendor::kTitle, text, QMessageBox::Ok, main_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void ClientApp::WireArchive() {
    wiring_->NewsFeed().AddObserver(feedArchiver_.get());
    main_->Details().SetArchive(archive_.get());
    main_->ShowSearch = [this] { ShowSearch(); };
    archiveNotices_ = std::make_unique<ArchiveNotices>(
        main_->Status(), [this](const QString& text) { ShowError(text); });
    archive_->OnStatus = [post = ui_.MakePoster(), this](const ArchiveStatus& status) {
        post([this, status] { archiveNotices_->Show(status); });
    };
    // The last items in hand are written before the program ends.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, main_,
                     [this] { archive_->Flush(kFinalWrite); });
}

void ClientApp::ShowSearch() {
    MakeLaterParts();
    if (!search_) search_ = std::make_unique<TfmSearch>(*archive_, settings_, details_.get());
    search_->ShowSearch();
}

void ClientApp::Show(bool minimized) {
    // A start in the tray paints nothing first: the tray is needed at once.
    if (minimized) MakeLaterParts();
    if (minimized && tray_->TrayAvailable()) {
        tray_->HideToTray();
    } else {
        main_->show();
    }
    // After the window's first picture: neither the other windows nor a large archive may make
    // the start slower. A start in the tray has no picture to wait for.
    auto afterStart = [this] {
        MakeLaterParts();
        archive_->Open();
    };
    if (main_->isVisible()) {
        new AfterFirstPaint(*main_, afterStart);
    } else {
        QTimer::singleShot(0, main_, afterStart);
    }
    startup_->Start();
}

void ClientApp::BringToFront() {
    MakeLaterParts();
    if (tray_->IsInTray()) {
        tray_->RestoreFromTray();
    } else {
        tray_->ShowWindow();
    }
    ActivateForUser(main_);
}

void ClientApp::StartClock() {
    // Runs until the process ends; nothing waits for it.
    clock_ = std::make_unique<ClockThread>(main_->View(), feedLink_,
                                           ClockOptions{ParseTimeServer(addresses_.TimeServer)});
    clock_->Start();
}

}  // namespace plivant
