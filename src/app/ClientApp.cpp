#include "ClientApp.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include "feed/Feed.h"
#include "settings/ServersFile.h"
#include "settings/TFormProp.h"
#include "ui/GridDetails.h"
#include "ui/TForm4.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"
#include "ui/TfmPopup.h"
#include "ui/VendorInfo.h"

namespace plivant {

void ClientApp::FeedLink::CloseFeedConnection() { Target->CloseFeedConnection(); }

void ClientApp::FeedLink::StartFeed() { Target->StartFeed(); }

ClientApp::ClientApp() : store_(DefaultRegistryPath()) {
    // The windows come into being in this order, each complete before the next.
    main_ = std::make_unique<TMainForm1>(settings_);
    feedLink_.Target = &main_->NewsFeed();
    prompter_ = std::make_unique<MessageBoxPrompter>(main_.get());
    details_ = std::make_unique<TForm4>();
    ServersFile servers(ServersFilePath(QCoreApplication::applicationDirPath()));
    formProp_ = std::make_unique<TFormProp>(
        SettingsDialogContext{settings_, store_, servers, feedLink_, *prompter_}, main_.get());
    popup_ = std::make_unique<TfmPopup>();
    about_ = std::make_unique<TfmAbout>(main_.get());

    main_->SetDetailsWindow(details_.get());
    main_->SetPopup(popup_.get());
    main_->ShowSettings = [this] { formProp_->exec(); };
    main_->ShowAbout = [this] { about_->exec(); };
    main_->Details().ShowError = [this](const QString& text) {
        QMessageBox::critical(main_.get(), vendor::kTitle, text);
    };
}

ClientApp::~ClientApp() = default;

void ClientApp::Show() {
    main_->show();
    QTimer::singleShot(500, main_.get(), [this] {
        if (settings_.ConnectAtStart) main_->NewsFeed().StartFeed();
    });
}

}  // namespace plivant
