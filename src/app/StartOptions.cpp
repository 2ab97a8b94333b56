#include "app/StartOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "core/CommandLine.h"

namespace plivant {

std::variant<StartOptions, int> ReadStartOptions(int argc, char** argv) {
    // An application object without a display: the parser needs one for its texts.
    QCoreApplication probe(argc, argv);
    return ParseStartOptions(probe.arguments());
}

std::variant<StartOptions, int> ParseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Vetrasol Plivant, a client of a foreign-exchange news wire. A second start brings the "
        "running window to the front.");
    const QCommandLineOption minimized(
        "minimized", "Start hidden behind the tray icon (shown when there is no tray).");
    const QCommandLineOption configDir(
        "config-dir", "Keep the settings, the server list and the logs in DIR.", "DIR");
    parser.addOptions({minimized, configDir});
    if (auto code = ParseCommandLine(parser, arguments)) return *code;
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(parser, "unexpected argument " + parser.positionalArguments().front());
    }
    if (parser.isSet(configDir) && parser.value(configDir).isEmpty()) {
        return UsageError(parser, "--config-dir needs a folder");
    }
    return StartOptions{parser.isSet(minimized), parser.value(configDir)};
}

}  // namespace plivant
