#include "skin/windows/MdiControlButtons.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>

namespace skin {
namespace {

using Kind = TSkinMenuBarControlButton::Kind;

constexpr int kGlyphSize = 16;

// The glyphs, drawn in the colour of the skin's menu bar captions: a bar low down to minimise,
// two overlapping windows to restore, a cross to close.
QImage Glyph(Kind kind, const QColor& colour) {
    QImage glyph(kGlyphSize, kGlyphSize, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    auto frame = [&](const QRect& r) {
        painter.fillRect(r.x(), r.y(), r.width(), 2, colour);
        painter.fillRect(r.x(), r.y(), 1, r.height(), colour);
        painter.fillRect(r.right(), r.y(), 1, r.height(), colour);
        painter.fillRect(r.x(), r.bottom(), r.width(), 1, colour);
    };
    switch (kind) {
        case Kind::Minimize:
            painter.fillRect(4, 10, 7, 2, colour);
            break;
        case Kind::Restore:
            frame(QRect(6, 3, 7, 6));
            // The front window hides the back one.
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(QRect(3, 6, 7, 6), Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            frame(QRect(3, 6, 7, 6));
            break;
        case Kind::Close:
            for (int i = 0; i < 7; ++i) {
                painter.fillRect(4 + i, 4 + i, 2, 1, colour);
                painter.fillRect(10 - i, 4 + i, 2, 1, colour);
            }
            break;
    }
    return glyph;
}

}  // namespace

TSkinMenuBarControlButton::TSkinMenuBarControlButton(Kind kind, QWidget* parent)
    : QWidget(parent), kind_(kind) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSkinMenuBarControlButton::SetColours(const QColor& face, const QColor& glyph) {
    face_ = face;
    glyph_ = Glyph(kind_, glyph);
    update();
}

// Composed off screen and drawn at once.
void TSkinMenuBarControlButton::paintEvent(QPaintEvent*) {
    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(face_);
    QPainter composer(&picture);
    if (!glyph_.isNull()) {
        if (hot_) {
            composer.setPen(Qt::black);
            composer.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        composer.drawImage(QPoint(1, 1), glyph_);
    }
    composer.end();
    QPainter(this).drawImage(QPoint(0, 0), picture);
}

void TSkinMenuBarControlButton::enterEvent(QEnterEvent*) {
    hot_ = true;
    update();
}

void TSkinMenuBarControlButton::leaveEvent(QEvent*) {
    hot_ = false;
    update();
}

void TSkinMenuBarControlButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click: pressed and released on the button.
void TSkinMenuBarControlButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    if (click && Clicked) Clicked(kind_);
}

MdiControlButtons::MdiControlButtons(QWidget* parent) : QWidget(parent) {
    constexpr int kSize = TSkinMenuBarControlButton::kSize;
    const Kind kinds[] = {Kind::Minimize, Kind::Restore, Kind::Close};
    for (int i = 0; i < 3; ++i) {
        auto* button = new TSkinMenuBarControlButton(kinds[i], this);
        button->move(i * kSize, 0);
        button->Clicked = [this](Kind kind) {
            if (Clicked) Clicked(kind);
        };
        buttons_[size_t(i)] = button;
    }
    setFixedSize(3 * kSize, kSize);
}

TSkinMenuBarControlButton* MdiControlButtons::Button(Kind kind) const {
    for (TSkinMenuBarControlButton* button : buttons_) {
        if (button->ButtonKind() == kind) return button;
    }
    return nullptr;
}

void MdiControlButtons::ShowFor(const QMdiSubWindow& child, const QColor& face,
                                const QColor& glyph) {
    const Qt::WindowFlags flags = child.windowFlags();
    Button(Kind::Close)->setVisible(flags & Qt::WindowSystemMenuHint);
    Button(Kind::Restore)->setVisible(flags & Qt::WindowMaximizeButtonHint);
    Button(Kind::Minimize)->setVisible(flags & Qt::WindowMinimizeButtonHint);
    for (TSkinMenuBarControlButton* button : buttons_) button->SetColours(face, glyph);
}

}  // namespace skin
