// plivant: the news client.
#include <QFont>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "app/ClientApp.h"
#include "app/DisplayChoice.h"
#include "app/SafeApplication.h"
#include "app/SingleInstance.h"
#include "app/StartOptions.h"
#include "core/AppPaths.h"
#include "core/VendorInfo.h"

namespace {

// The window fonts of the design, mapped to installed fonts with Cyrillic.
void MapFonts() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans Condensed");
}

// Ends at once: nothing is saved and no worker is waited for.
[[noreturn]] void EndProgram(int code) {
    std::fflush(stdout);
    std::_Exit(code);
}

}  // namespace

int main(int argc, char** argv) {
    auto read = plivant::ReadStartOptions(argc, argv);
    if (const int* code = std::get_if<int>(&read)) return *code;
    const plivant::StartOptions options = std::get<plivant::StartOptions>(read);

    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    plivant::DisplayChoice display;
    plivant::SafeApplication app(argc, argv);
    display.Applied();
    QApplication::setApplicationName(plivant::vendor::kTitle);
    QGuiApplication::setDesktopFileName(plivant::vendor::kDesktopId);

    const plivant::AppPaths paths = plivant::AppPaths::ForThisProgram(options.ConfigFolder);
    plivant::SetProgramPaths(paths);
    plivant::SingleInstance instance(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        plivant::InstanceKey(paths.RegistryFile(), paths.ServersFile()));
    switch (instance.Claim()) {
        case plivant::SingleInstance::Role::First:
            break;
        case plivant::SingleInstance::Role::Handed:
            EndProgram(0);
        case plivant::SingleInstance::Role::NoAnswer:
            std::fprintf(stderr, "plivant: another start of the program does not answer\n");
            EndProgram(1);
    }

    MapFonts();
    plivant::ClientApp client(paths);
    instance.ShowRequested = [&client] { client.BringToFront(); };
    client.Show(options.Minimized);
    EndProgram(app.exec());
}
