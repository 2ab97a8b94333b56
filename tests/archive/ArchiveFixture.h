#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "archive/ArchiveFile.h"
#include "archive/ArchiveItem.h"
#include "archive/ArchiveReader.h"
#include "archive/BatchWriter.h"
#include "archive/Sqlite.h"

namespace plivant::test {

// An item of the Russian wire from server "news1" unless told otherwise.
inline ArchiveItem Item(const std::string& id, const std::string& text,
                        const std::string& date = "01.02.2026",
                        const std::string& time = "12:00:00 ", int language = 0) {
    ArchiveItem item;
    item.Key = {"news1", id, language};
    item.Time = time;
    item.Date = date;
    item.Text = text;
    return item;
}

inline ArchiveItem Flagged(ArchiveItem item, bool important, bool attachment) {
    item.Important = important;
    item.Attachment = attachment;
    return item;
}

// A search for what the user typed, without dates or flags.
inline SearchQuery Words(std::string text) {
    SearchQuery query;
    query.Text = std::move(text);
    return query;
}

// A temporary folder holding an archive, opened for writing, with a reader on it.
class ArchiveFixture {
public:
    ArchiveFixture() : path_(dir_.filePath("archive.sqlite3").toStdString()) {}

    const std::string& Path() const { return path_; }
    std::string FolderPath() const { return dir_.path().toStdString(); }

    SqliteDb& Db() {
        if (!db_) db_ = OpenForWriting(path_).Db;
        return *db_;
    }
    BatchOutcome Write(const std::vector<ArchiveItem>& items) {
        if (!writer_) writer_ = std::make_unique<BatchWriter>(Db());
        return writer_->Write(items);
    }
    ArchiveReader Reader() { return ArchiveReader(Db()); }
    // The ids found for a query, newest first.
    std::vector<std::string> Ids(const SearchQuery& query) {
        std::vector<std::string> ids;
        for (const ArchivedItem& found : Reader().Search(query).Items) {
            ids.push_back(found.Item.Key.Id);
        }
        return ids;
    }
    void Close() {
        writer_.reset();
        db_.reset();
    }

private:
    QTemporaryDir dir_;
    std::string path_;
    std::unique_ptr<SqliteDb> db_;
    std::unique_ptr<BatchWriter> writer_;
};

}  // namespace plivant::test
