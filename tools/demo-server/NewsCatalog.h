#pragma once

#include <QDateTime>
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace plivant::demo {

enum class Language { Russian, English };

struct DemoItem {
    int Id = 0;
    QDateTime Published;  // Moscow time
    bool Important = false;
    bool Attachment = false;
    QString Headline;
    QString FullText;  // paragraphs separated by "\n"; empty without attachment
};

// Sample forex news in two languages: a history of a few hundred items and an endless supply of
// new ones, all made up from templates so that the server needs no data files.
class NewsCatalog {
public:
    explicit NewsCatalog(int historySize = 400);

    // The newest `count` items, newest first.
    std::vector<const DemoItem*> Newest(Language language, int count) const;
    // Makes up the next item, publishes it now and keeps it for detail requests.
    const DemoItem& Publish(Language language);
    const DemoItem* Find(int id) const;

    // The item as one wire line (Windows-1251, without CR LF).
    static std::string NewsLine(const DemoItem& item);
    // The full text with each line break written as the escape backslash-r-backslash-n.
    static std::string EscapedFullText(const DemoItem& item);

private:
    DemoItem MakeItem(Language language, int serial, const QDateTime& when);

    std::map<Language, std::vector<DemoItem>> items_;  // oldest first
    std::map<int, std::pair<Language, size_t>> byId_;
    int nextId_ = 104200;
    int serial_ = 0;
};

}  // namespace plivant::demo
