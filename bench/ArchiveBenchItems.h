#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/ArchiveItem.h"

namespace plivant::bench {

// Items like the demo wire's, both languages, a new id and time for each: the wire's texts
// repeat, the ids never do. Every `spacing` seconds one, counted back from 01.02.2026.
class DemoItems {
public:
    explicit DemoItems(int spacing = 3);
    // The n-th item; with its full text when it has an attachment and `withFullText`.
    ArchiveItem At(int64_t n, bool withFullText = false) const;

private:
    struct Sample {
        std::string Text, FullText;
        bool Important, Attachment;
    };
    std::vector<Sample> samples_;
    int spacing_;
};

}  // namespace plivant::bench
