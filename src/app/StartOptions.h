#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace plivant {

// What the command line asks of the client.
struct StartOptions {
    // Start hidden behind the tray icon (for a session's autostart).
    bool Minimized = false;
    // Another configuration folder; empty for the usual one.
    QString ConfigFolder;
};

// Reads the command line before the program opens its display: --help and --version are
// answered here, touching no file. Returns the exit code when the program is to end now.
std::variant<StartOptions, int> ReadStartOptions(int argc, char** argv);
// The same for a list of arguments, the program's name first; needs an application object.
std::variant<StartOptions, int> ParseStartOptions(const QStringList& arguments);

}  // namespace plivant
