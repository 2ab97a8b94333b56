// plivant: the news client.
#include <QApplication>
#include <QFont>
#include <cstdio>
#include <cstdlib>

#include "feed/Feed.h"
#include "settings/Settings.h"
#include "ui/TForm4.h"
#include "ui/TMainForm1.h"
#include "ui/TfmAbout.h"
#include "ui/TfmPopup.h"
#include "ui/VendorInfo.h"

namespace {

// The window fonts of the design, mapped to installed fonts with Cyrillic.
void MapFonts() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(plivant::vendor::kTitle);
    MapFonts();

    plivant::Settings settings;
    settings.Servers = {"127.0.0.1"};
    // The windows come into being in this order, each complete before the next.
    plivant::TMainForm1 mainForm(settings);
    plivant::TForm4 details;
    plivant::TfmPopup popup;
    plivant::TfmAbout about(&mainForm);
    mainForm.SetDetailsWindow(&details);
    mainForm.SetPopup(&popup);
    mainForm.ShowAbout = [&] { about.exec(); };

    mainForm.show();
    mainForm.NewsFeed().StartFeed();
    int code = app.exec();
    // Ending is immediate: nothing is saved, no worker is waited for.
    std::fflush(stdout);
    std::_Exit(code);
}
