#pragma once

#include <QWidget>

#include "feed/MainView.h"

class QPlainTextEdit;

namespace plivant {

// The popup notifier's window: a borderless box in the corner of the screen whose text the feed
// writes while the main window is in the tray.
class TfmPopup : public QWidget, public NewsPopup {
public:
    explicit TfmPopup(QWidget* parent = nullptr);

    void ClearNews() override;
    void AddNewsLine(const std::string& line) override;
    QPlainTextEdit* mNews() const { return news_; }

private:
    QPlainTextEdit* news_;
};

}  // namespace plivant
