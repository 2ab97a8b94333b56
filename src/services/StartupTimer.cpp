#include "services/StartupTimer.h"

#include "core/TextCodec.h"
#include "feed/MainView.h"
#include "services/FeedPort.h"
#include "services/HeadlineText.h"
#include "settings/Settings.h"

namespace plivant {

StartupTimer::StartupTimer(StartupContext context, QUrl headlineAddress, StartupTimings timings,
                           QObject* parent)
    : QObject(parent), c_(std::move(context)), address_(std::move(headlineAddress)), fetch_(this) {
    timer1_.setSingleShot(true);
    timer1_.setInterval(timings.Delay);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    pause_.setSingleShot(true);
    pause_.setInterval(timings.Pause);
    connect(&pause_, &QTimer::timeout, this, [this] {
        if (c_.StartClock) c_.StartClock();
    });
}

void StartupTimer::Start() { timer1_.start(); }

void StartupTimer::Timer1Timer() {
    fetch_.Get(address_, [this](const std::optional<QByteArray>& body) {
        ShowHeadline(body);
        AutoConnect();
        pause_.start();
    });
}

void StartupTimer::ShowHeadline(const std::optional<QByteArray>& body) {
    // A missing headline or address is a failed fetch: red lamp, no message.
    std::vector<std::string> lines;
    if (body) lines = SplitHeadlineLines(std::string_view(body->constData(), size_t(body->size())));
    if (!lines.empty()) c_.Banner.SetCaption(FromWire(lines[0]));
    if (lines.size() < 2) {
        c_.View.SetLamp(MainView::kLampRed);
        return;
    }
    bannerLink_ = FromWire(lines[1]);
    c_.Banner.ShowBanner();
    c_.View.SetLamp(MainView::kLampGreen);
}

void StartupTimer::AutoConnect() {
    if (c_.Options.ConnectAtStart && !c_.Feed.FeedStarting()) c_.Feed.StartFeed();
}

void StartupTimer::stNewsClick() {
    if (!bannerLink_.isEmpty() && c_.OpenAddress) c_.OpenAddress(bannerLink_);
}

}  // namespace plivant
