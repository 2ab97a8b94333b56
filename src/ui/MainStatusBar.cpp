#include "ui/MainStatusBar.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>

#include "feed/MainView.h"
#include "ui/Accessibility.h"
#include "ui/AccessibleTexts.h"
#include "ui/Colors.h"

namespace plivant {

namespace {
const char* const kInitialTexts[MainStatusBar::kPanels] = {"MSK:", "GMT:", "NewsInfo:", "Status:"};
constexpr int kHeight = 19;
constexpr QPoint kLampPlace{695, 5};
}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setFixedHeight(kHeight);
    // The panels sit edge to edge over the bar's full height, placed by hand: the bar's own
    // layout would put them a few pixels down and cut off their lower edge and the lamp's.
    int left = 0;
    for (int i = 0; i < kPanels; ++i) {
        auto* panel = new QLabel(QString::fromLatin1(kInitialTexts[i]), this);
        panel->setObjectName(QString("Panel%1").arg(i));
        panel->setGeometry(left, 0, kWidths[size_t(i)], kHeight);
        left += kWidths[size_t(i)];
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panels_[size_t(i)] = panel;
    }
    lamp_ = new Lamp(this);
    lamp_->setObjectName("shLEd");
    lamp_->move(kLampPlace);
    lamp_->raise();
}

void MainStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < kPanels) panels_[size_t(panel)]->setText(text);
}

QString MainStatusBar::PanelText(int panel) const {
    if (panel < 0 || panel >= kPanels) return {};
    return panels_[size_t(panel)]->text();
}

namespace {
QAccessibleInterface* LampAccessible(Lamp* lamp) {
    return new RoleAccessible(lamp, QAccessible::StaticText);
}
}  // namespace

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    InstallAccessible(&LampAccessible);
    setFixedSize(10, 10);
    setAccessibleName(LampName(false));
}

void Lamp::SetColor(const QColor& color) {
    color_ = color;
    // The name says what the colour says; setting it tells a screen reader of the change.
    const QString name = LampName(color == FromColorRef(MainView::kLampGreen));
    if (accessibleName() != name) setAccessibleName(name);
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color_);
    painter.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
}

}  // namespace plivant
