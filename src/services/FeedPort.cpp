#include "services/FeedPort.h"

#include "feed/Feed.h"

namespace plivant {

void FeedPortOf::StartFeed() { feed_.StartFeed(); }

bool FeedPortOf::FeedStarting() const { return feed_.FeedStarting(); }

bool FeedPortOf::IsLive() const { return feed_.IsLive(); }

}  // namespace plivant
