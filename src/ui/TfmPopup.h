#pragma once

#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "feed/MainView.h"

class QPlainTextEdit;

namespace plivant {

class TunePlayer;

// The popup notifier: while the main window is in the tray, every change of its text shows it
// in the bottom-right corner of the screen above other windows, with a tune; 20 seconds later
// it fades out. A double-click closes it and calls the main window. Assistive technology hears
// it as a notification that reads its text.
class TfmPopup : public QWidget, public NewsPopup {
public:
    using Millis = std::chrono::milliseconds;
    static constexpr Millis kShowTime{20000};
    static constexpr Millis kFadeTime{1000};
    static constexpr int kBottomGap = 30;  // between the popup and the bottom of the screen

    explicit TfmPopup(QWidget* parent = nullptr, Millis showTime = kShowTime,
                      Millis fadeTime = kFadeTime);
    ~TfmPopup() override;

    void ClearNews() override;
    void AddNewsLine(const std::string& line) override;
    QPlainTextEdit* mNews() const { return news_; }
    const QTimer& Timer1() const { return timer1_; }
    bool Fading() const { return fade_.state() == QAbstractAnimation::Running; }

    // "message.mid" next to the program unless set; played when it exists.
    void SetTuneFile(const QString& path) { tuneFile_ = path; }
    void SetTunePlayer(std::unique_ptr<TunePlayer> player);

    std::function<bool()> IsInTray;
    // Brings the main window to the front without leaving the tray.
    std::function<void()> ShowMainWindow;
    // Tells the user why no tune plays; called once per run.
    std::function<void(const QString&)> ReportMediaError;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPopup();
    void Announce();
    void PlayTune();
    void PlaceInCorner();
    void Timer1Timer();
    void mNewsDblClick();
    // Fades the popup out; it is hidden when the fade ends.
    void FormClose();
    void StopFade();

    QPlainTextEdit* news_;
    QTimer timer1_;
    QPropertyAnimation fade_;
    QString tuneFile_;
    std::unique_ptr<TunePlayer> player_;
    bool mediaErrorReported_ = false;
};

}  // namespace plivant
