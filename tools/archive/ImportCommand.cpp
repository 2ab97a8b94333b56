#include <cstdio>
#include <fstream>
#include <vector>

#include "Commands.h"
#include "archive/ArchiveFile.h"
#include "archive/BatchWriter.h"
#include "archive/ItemJson.h"
#include "archive/Sqlite.h"

namespace archivetool {

namespace {

constexpr size_t kBatch = 5000;

struct Tally {
    size_t Added = 0, Updated = 0, Repeated = 0, Refused = 0;
    void Add(const plivant::BatchOutcome& outcome) {
        Added += outcome.Added;
        Updated += outcome.Updated;
        Repeated += outcome.Repeated;
    }
};

}  // namespace

int RunImport(const std::string& path, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", file.c_str());
        return 1;
    }
    // A damaged archive is the program's to move aside; here it is only reported.
    auto archive = plivant::OpenForWriting(path, {kBusyMilliseconds, false});
    plivant::BatchWriter writer(*archive.Db);
    Tally tally;
    std::vector<plivant::ArchiveItem> batch;
    auto flush = [&] {
        try {
            tally.Add(writer.Write(batch));
        } catch (const plivant::SqliteError& e) {
            throw plivant::ArchiveError(plivant::FaultOf(e), path + ": " + e.what());
        }
        batch.clear();
    };
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        plivant::ParsedItem parsed = plivant::ItemFromJson(line);
        if (!parsed.Item) {
            std::fprintf(stderr, "%s:%ld: %s\n", file.c_str(), number, parsed.Error.c_str());
            ++tally.Refused;
            continue;
        }
        batch.push_back(std::move(*parsed.Item));
        if (batch.size() == kBatch) flush();
    }
    flush();
    std::printf("%zu added, %zu full texts updated, %zu already there, %zu lines refused\n",
                tally.Added, tally.Updated, tally.Repeated, tally.Refused);
    return tally.Refused ? 1 : 0;
}

}  // namespace archivetool
