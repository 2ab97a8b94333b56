#include "feed/MainView.h"

#include "feed/Protocol.h"

namespace plivant {

void FeedPopup(NewsPopup& popup, const std::string& rowText) {
    if (TrimControls(rowText).size() > 5) popup.ClearNews();
    popup.AddNewsLine(rowText);
}

}  // namespace plivant
