#include "ui/LogoPicture.h"

#include <QEvent>
#include <QLabel>

#include "resources/Images.h"

namespace plivant {

namespace {

// Lives as the label's child and watches it for a change of screen.
class LogoRatio : public QObject {
public:
    explicit LogoRatio(QLabel& label) : QObject(&label), label_(label) {
        label.installEventFilter(this);
        Update();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &label_ &&
            (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)) {
            Update();
        }
        return false;
    }

private:
    void Update() {
        const qreal ratio = label_.devicePixelRatioF();
        if (label_.pixmap().devicePixelRatio() != ratio || label_.pixmap().isNull()) {
            label_.setPixmap(images::Logo(ratio));
        }
    }

    QLabel& label_;
};

}  // namespace

void ShowLogo(QLabel& label) { new LogoRatio(label); }

}  // namespace plivant
