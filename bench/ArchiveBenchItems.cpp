#include "ArchiveBenchItems.h"

#include <cstdio>

#include "NewsCatalog.h"
#include "archive/WireClock.h"

namespace plivant::bench {

DemoItems::DemoItems(int spacing) : spacing_(spacing) {
    demo::NewsCatalog catalog(2000);
    for (auto language : {demo::Language::Russian, demo::Language::English}) {
        for (const demo::DemoItem* item : catalog.Newest(language, 2000)) {
            samples_.push_back({item->Headline.toStdString(), item->FullText.toStdString(),
                                item->Important, item->Attachment});
        }
    }
}

ArchiveItem DemoItems::At(int64_t n, bool withFullText) const {
    const Sample& sample = samples_[size_t(n) % samples_.size()];
    const int64_t stamp = *wireclock::DayStart("2026-02-01") - n * spacing_;
    const std::string when = wireclock::Format(stamp);  // YYYY-MM-DD HH:MM:SS
    ArchiveItem item;
    item.Key = {"127.0.0.1", std::to_string(100000 + n), int((n / 2000) % 2)};
    item.Date = when.substr(8, 2) + "." + when.substr(5, 2) + "." + when.substr(0, 4);
    item.Time = when.substr(11) + " ";
    item.Important = sample.Important;
    item.Attachment = sample.Attachment;
    item.Text = sample.Text;
    if (withFullText && sample.Attachment) item.FullText = sample.FullText;
    return item;
}

}  // namespace plivant::bench
