#include "ConsoleView.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/TextCodec.h"

namespace plivant {

std::string ConsoleView::StatusText(int panel) const {
    auto it = status_.find(panel);
    return it == status_.end() ? std::string() : it->second;
}

void ConsoleView::NewsArrived(const std::string& rowText) {
    std::string line = WireToUtf8(rowText);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void ConsoleView::FeedEnded(FeedEnd why) {
    switch (why) {
        case FeedEnd::Dropped:
        case FeedEnd::HistoryCut:
            QCoreApplication::exit(0);  // the server closed the wire: the tail is over
            return;
        case FeedEnd::Silent:
            std::fprintf(stderr, "no line from the server for too long: the connection is dead\n");
            break;
        default:
            std::fprintf(stderr, "%s\n", WireToUtf8(StatusText(MainView::kInfoPanel)).c_str());
    }
    QCoreApplication::exit(1);
}

}  // namespace plivant
