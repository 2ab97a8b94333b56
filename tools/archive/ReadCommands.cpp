#include <cstdio>

#include "Commands.h"
#include "CsvLine.h"
#include "archive/ArchiveFile.h"
#include "archive/ItemJson.h"
#include "archive/Sqlite.h"
#include "archive/WireClock.h"

namespace archivetool {

namespace {

using plivant::ArchiveError;
using plivant::SqliteError;

// Runs a query on the archive; an SQLite failure is reported as the archive's.
template <typename F>
void WithReader(const std::string& path, F&& use) {
    auto db = plivant::OpenForReading(path, kBusyMilliseconds);
    try {
        plivant::ArchiveReader reader(*db);
        use(reader);
    } catch (const SqliteError& e) {
        throw ArchiveError(plivant::FaultOf(e), path + ": " + e.what());
    }
}

std::string Flags(const plivant::ArchivedItem& found) {
    std::string flags;
    flags += found.Item.Important ? '!' : ' ';
    flags += found.HasFullText ? '=' : found.Item.Attachment ? '+' : ' ';
    return flags;
}

}  // namespace

int RunSearch(const std::string& path, const plivant::SearchQuery& query) {
    WithReader(path, [&](plivant::ArchiveReader& reader) {
        plivant::SearchResult result = reader.Search(query);
        for (const plivant::ArchivedItem& found : result.Items) {
            const plivant::ArchiveItem& item = found.Item;
            std::printf("%s %-9s %s %-6s  %s\n", item.Date.c_str(), item.Time.c_str(),
                        Flags(found).c_str(), item.Key.Id.c_str(), item.Text.c_str());
        }
        std::printf("%lld found\n", static_cast<long long>(result.Count));
    });
    return 0;
}

int RunStats(const std::string& path) {
    WithReader(path, [&](plivant::ArchiveReader& reader) {
        plivant::ArchiveStats stats = reader.Stats();
        auto date = [](const std::optional<int64_t>& stamp) {
            return stamp ? plivant::wireclock::Format(*stamp) : std::string("-");
        };
        std::printf("archive: %s\nitems: %lld\nfirst: %s\nlast: %s\nsize: %lld bytes\n",
                    path.c_str(), static_cast<long long>(stats.Items), date(stats.First).c_str(),
                    date(stats.Last).c_str(), static_cast<long long>(stats.Bytes));
    });
    return 0;
}

int RunExport(const std::string& path, const plivant::SearchQuery& query, ExportFormat format) {
    WithReader(path, [&](plivant::ArchiveReader& reader) {
        if (format == ExportFormat::Csv) std::printf("%s\n", CsvHeader().c_str());
        reader.ForEach(query, [&](const plivant::ArchivedItem& found) {
            const std::string line =
                format == ExportFormat::Csv ? CsvLine(found.Item) : plivant::ItemToJson(found.Item);
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
        });
    });
    return std::fflush(stdout) == 0 ? 0 : 1;
}

std::string Describe(const ArchiveError& error) {
    using plivant::ArchiveFault;
    switch (error.Fault()) {
        case ArchiveFault::Busy:
            return std::string(error.what()) +
                   "\nthe archive is busy: another program held it for more than " +
                   std::to_string(kBusyMilliseconds / 1000) + " s; try again";
        case ArchiveFault::Newer:
            return std::string(error.what()) + "\nthe archive was made by a newer version";
        case ArchiveFault::Older:
            return std::string(error.what()) +
                   "\nthe archive was made by an older version: start the program once to "
                   "bring it up to date";
        case ArchiveFault::Damaged:
            return std::string(error.what()) + "\nthe archive is damaged";
        default:
            return error.what();
    }
}

}  // namespace archivetool
