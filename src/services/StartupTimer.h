#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

#include "services/HeadlineFetch.h"

namespace plivant {

class FeedPort;
class MainView;
struct Settings;

// The headline banner under the news grid.
class BannerView {
public:
    virtual ~BannerView() = default;
    virtual void SetCaption(const QString& text) = 0;
    virtual void ShowBanner() = 0;
};

// What the start-up timer acts on. All of it belongs to the UI thread.
struct StartupContext {
    MainView& View;
    BannerView& Banner;
    FeedPort& Feed;
    const Settings& Options;
    std::function<void()> StartClock;
    std::function<void(const QString&)> OpenAddress;  // asks the desktop to open a link
};

struct StartupTimings {
    using Millis = std::chrono::milliseconds;
    Millis Delay{500};   // from Start to the tick
    Millis Pause{1000};  // from the feed start to the clock start
};

// Timer1 of the main window: one tick, half a second after start-up, fetches the headline file
// and shows its first line as the banner, starts the feed when the settings ask for it and, a
// second later, starts the clock. The fetch and the pause never hold up the UI thread; the
// steps after the fetch run once it has finished or failed, in their order.
class StartupTimer : public QObject {
public:
    StartupTimer(StartupContext context, QUrl headlineAddress, StartupTimings timings = {},
                 QObject* parent = nullptr);

    void Start();
    // Line 2 of the headline file once a fetch succeeded; never cleared.
    const QString& BannerLink() const { return bannerLink_; }
    // The click on the banner.
    void stNewsClick();

private:
    void Timer1Timer();
    void ShowHeadline(const std::optional<QByteArray>& body);
    void AutoConnect();

    StartupContext c_;
    QUrl address_;
    QTimer timer1_;
    QTimer pause_;
    HeadlineFetch fetch_;
    QString bannerLink_;
};

}  // namespace plivant
