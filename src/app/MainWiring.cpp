#include "app/MainWiring.h"

#include "feed/Feed.h"
#include "feed/FeedHealth.h"
#include "feed/KeepAlive.h"
#include "feed/TcpClient.h"
#include "settings/Settings.h"
#include "settings/StoredValues.h"
#include "ui/TMainForm1.h"

namespace plivant {

namespace {
// The feed connection's port before the first start, with the built-in server.
constexpr const char* kDefaultPort = "2000";
}  // namespace

void MainWiring::PopupLink::ClearNews() {
    if (Target) Target->ClearNews();
}

void MainWiring::PopupLink::AddNewsLine(const std::string& line) {
    if (Target) Target->AddNewsLine(line);
}

MainWiring::MainWiring(Settings& settings, const std::string& serverLogPath, bool skinned)
    : window_(std::make_unique<TMainForm1>(settings, store_, nullptr, skinned)) {
    MainView& view = window_->View();
    feed_ = std::make_unique<Feed>(FeedContext{view, popup_, store_, settings}, serverLogPath);
    feed_->Client().SetRemoteHost(kDefaultServer);
    feed_->Client().SetRemotePort(kDefaultPort);
    health_ = std::make_unique<FeedHealth>(*feed_, view);
    keepAlive_ = std::make_unique<KeepAlive>(*feed_);
    window_->SetFeed(*feed_, *health_);
}

MainWiring::~MainWiring() = default;

}  // namespace plivant
