#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "feed/ServiceLog.h"

namespace plivant {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ServiceLog, AppendsCrLfLinesToWhatIsThere) {
    QTemporaryDir dir;
    std::string path = dir.filePath("server.log").toStdString();
    ServiceLog log(path);
    log.Append("abc");
    log.Append("de");
    EXPECT_EQ(ReadAll(path), "abc\r\nde\r\n");
    log.BeginPhase();
    log.Append("f");
    EXPECT_EQ(ReadAll(path), "abc\r\nde\r\nf\r\n");
}

TEST(ServiceLog, ReadsOldLinesAsAListOfLines) {
    // As if the file were read line by line and written back whole with CR LF line ends.
    const std::pair<std::string, std::string> cases[] = {
        {"old", "old\r\nnew\r\n"},
        {"a\nb\r\n", "a\r\nb\r\nnew\r\n"},
        {"a\rb", "a\r\nb\r\nnew\r\n"},
        {"", "new\r\n"},
    };
    for (const auto& [before, after] : cases) {
        QTemporaryDir dir;
        std::string path = dir.filePath("server.log").toStdString();
        WriteAll(path, before);
        ServiceLog log(path);
        log.Append("new");
        EXPECT_EQ(ReadAll(path), after) << before;
    }
}

TEST(ServiceLog, UnwritableFileLosesTheLineQuietly) {
    ServiceLog log("/nonexistent-folder/server.log");
    EXPECT_NO_THROW(log.Append("lost"));
}

}  // namespace
}  // namespace plivant
