// plivant: the news client.
#include <QFont>
#include <cstdio>
#include <cstdlib>

#include "ClientApp.h"
#include "SafeApplication.h"
#include "core/VendorInfo.h"

namespace {

// The window fonts of the design, mapped to installed fonts with Cyrillic.
void MapFonts() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans Condensed");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    plivant::SafeApplication app(argc, argv);
    QApplication::setApplicationName(plivant::vendor::kTitle);
    MapFonts();
    plivant::ClientApp client;
    client.Show();
    int code = app.exec();
    // Ending is immediate: nothing is saved and no worker is waited for.
    std::fflush(stdout);
    std::_Exit(code);
}
