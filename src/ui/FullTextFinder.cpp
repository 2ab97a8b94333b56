#include "ui/FullTextFinder.h"

#include <QTimer>

#include "archive/Archive.h"
#include "core/TextCodec.h"

namespace plivant {

namespace {
constexpr std::chrono::milliseconds kArchiveWait{500};
}

FullTextFinder::FullTextFinder(Archive* archive, std::chrono::milliseconds limit)
    : archive_(archive), fetcher_(limit), refresher_(limit) {}

bool FullTextFinder::Find(Request request, Show show, Fail fail, Show refreshed) {
    if (busy_) return false;
    busy_ = true;
    ++asked_;
    // Whatever answers frees the finder first.
    show = [this, show = std::move(show)](const QString& text) {
        busy_ = false;
        show(text);
    };
    fail = [this, fail = std::move(fail)](const std::string& error) {
        busy_ = false;
        fail(error);
    };
    if (!archive_) {
        Fetch(request, std::move(show), std::move(fail));
        return true;
    }
    // The archive answers within milliseconds; one that does not (its file still held by
    // another program) is not waited for: the server is asked instead.
    std::weak_ptr<int> alive = alive_;
    const uint64_t asked = asked_;
    auto answer = [=, this](const std::optional<std::string>& text) {
        if (!alive.lock() || awaited_ != asked) return;  // answered already
        awaited_ = 0;
        Found(request, text, show, fail, refreshed);
    };
    awaited_ = asked;
    auto onUi = ui_.MakePoster();  // the archive answers on its own thread
    archive_->FindFullText(
        request.Item.Key,
        [onUi, answer](const std::optional<std::string>& text) { onUi([=] { answer(text); }); });
    QTimer::singleShot(kArchiveWait, [=] { answer(std::nullopt); });
    return true;
}

void FullTextFinder::Found(const Request& request, const std::optional<std::string>& archived,
                           Show show, Fail fail, Show refreshed) {
    if (!archived) {
        Fetch(request, std::move(show), std::move(fail));
        return;
    }
    show(QString::fromStdString(*archived));
    Refresh(request, *archived, std::move(refreshed));
}

void FullTextFinder::Fetch(const Request& request, Show show, Fail fail) {
    fetcher_.Fetch(request.Host, request.Port, request.Id,
                   [=, this](const std::string& text, const std::string& error) {
                       if (!error.empty()) {
                           fail(error);
                           return;
                       }
                       if (!text.empty()) Keep(request.Item, text);
                       show(FromWire(text));
                   });
}

void FullTextFinder::Refresh(const Request& request, const std::string& archived, Show refreshed) {
    const uint64_t asked = asked_;
    // A refresh still running is left to finish; this text stays as the archive has it.
    refresher_.Fetch(request.Host, request.Port, request.Id,
                     [=, this](const std::string& text, const std::string& error) {
                         if (!error.empty() || text.empty()) return;
                         const std::string utf8 = WireToUtf8(text);
                         if (utf8 == archived) return;
                         Keep(request.Item, text);
                         if (asked == asked_) refreshed(QString::fromStdString(utf8));
                     });
}

void FullTextFinder::Keep(ArchiveItem item, const std::string& wireText) {
    if (!archive_) return;
    item.FullText = WireToUtf8(wireText);
    archive_->Put(std::move(item));
}

}  // namespace plivant
