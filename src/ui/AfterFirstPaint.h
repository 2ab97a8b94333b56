#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace plivant {

// Runs `work` once, as soon as `window` has painted itself on screen for the first time: what
// the user need not wait for comes after the first picture, not before it.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> work_;
};

}  // namespace plivant
