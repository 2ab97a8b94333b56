#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace plivant {

// The command line of every program here: --help and --version print to standard output and
// end the program with 0; a wrong option or argument prints the problem and the usage to
// standard error and ends it with 2. Needs an application object (no display).
// Returns the exit code when the program is to end now.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// Prints "NAME: message" and the usage to standard error; returns 2, the exit code for it.
int UsageError(const QCommandLineParser& parser, const QString& message);

}  // namespace plivant
