#include "core/CommandLine.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/VendorInfo.h"

namespace plivant {

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    if (QCoreApplication::applicationVersion().isEmpty()) {
        QCoreApplication::setApplicationVersion(vendor::kVersionText);
    }
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) return UsageError(parser, parser.errorText());
    if (parser.isSet(help) || parser.isSet("help-all")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

int UsageError(const QCommandLineParser& parser, const QString& message) {
    std::fprintf(stderr, "%s: %s\n%s", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message), qPrintable(parser.helpText()));
    return 2;
}

}  // namespace plivant
