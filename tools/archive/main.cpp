// plivant-archive: searches, counts, exports and imports the news archive from the terminal,
// also while the program is writing to it.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "Commands.h"
#include "archive/ArchiveFile.h"
#include "archive/ArchiveLocation.h"
#include "archive/WireClock.h"

namespace {

constexpr int kUsageError = 2;

struct Usage {
    std::string Why;
};

std::optional<int64_t> Day(const QCommandLineParser& parser, const char* option) {
    if (!parser.isSet(option)) return std::nullopt;
    auto day = plivant::wireclock::DayStart(parser.value(option).toStdString());
    if (!day) throw Usage{std::string("--") + option + ": not a date (YYYY-MM-DD or DD.MM.YYYY)"};
    return day;
}

plivant::SearchQuery Query(const QCommandLineParser& parser, const QStringList& words) {
    plivant::SearchQuery query;
    query.Text = words.join(' ').toStdString();
    query.From = Day(parser, "from");
    if (auto to = Day(parser, "to")) query.To = *to + plivant::wireclock::kDay - 1;  // whole day
    query.Flags = {parser.isSet("important"), parser.isSet("full-text")};
    bool ok = false;
    query.Limit = parser.value("limit").toULong(&ok);
    if (!ok || query.Limit == 0) throw Usage{"--limit: not a positive number"};
    return query;
}

archivetool::ExportFormat Format(const QCommandLineParser& parser) {
    const QString format = parser.value("format");
    if (format == "csv") return archivetool::ExportFormat::Csv;
    if (format == "jsonl") return archivetool::ExportFormat::Jsonl;
    throw Usage{"--format: csv or jsonl"};
}

int Dispatch(const QCommandLineParser& parser, const std::string& path) {
    QStringList words = parser.positionalArguments();
    if (words.isEmpty()) throw Usage{"no command"};
    const QString command = words.takeFirst();
    if (command == "search" && !words.isEmpty()) {
        return archivetool::RunSearch(path, Query(parser, words));
    }
    if (command == "stats" && words.isEmpty()) return archivetool::RunStats(path);
    if (command == "export")
        return archivetool::RunExport(path, Query(parser, words), Format(parser));
    if (command == "import" && words.size() == 1) {
        return archivetool::RunImport(path, words.front().toStdString());
    }
    throw Usage{"unknown command or wrong operands: " + command.toStdString()};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The news archive from the terminal.\n"
        "  search QUERY...             items matching every word, newest first; a word matches\n"
        "                              the start of words, \"quoted words\" a phrase\n"
        "  stats                       items, first and last date, size on disk\n"
        "  export [QUERY...]           every matching item with its full text, UTF-8\n"
        "  import FILE.jsonl           items as export --format jsonl writes them");
    parser.addHelpOption();
    parser.addOption({"archive", "The archive file (default: the program's own).", "PATH"});
    parser.addOption({"from", "Items of this day or later.", "DATE"});
    parser.addOption({"to", "Items of this day or earlier.", "DATE"});
    parser.addOption({"important", "Important items only."});
    parser.addOption({"full-text", "Items with a stored full text only."});
    parser.addOption({"limit", "Items search prints at most (default 100).", "N", "100"});
    parser.addOption({"format", "Export format: csv or jsonl (default jsonl).", "FORMAT", "jsonl"});
    parser.addPositionalArgument("COMMAND", "search, stats, export or import.", "COMMAND [ARGS]");
    parser.process(app);

    const std::string path = parser.isSet("archive") ? parser.value("archive").toStdString()
                                                     : plivant::DefaultArchivePath();
    try {
        return Dispatch(parser, path);
    } catch (const Usage& usage) {
        std::fprintf(stderr, "%s (see plivant-archive --help)\n", usage.Why.c_str());
        return kUsageError;
    } catch (const plivant::ArchiveError& e) {
        std::fprintf(stderr, "%s\n", archivetool::Describe(e).c_str());
        return 1;
    }
}
