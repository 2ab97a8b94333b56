#include "skin/controls/TSkinCheckBox.h"

#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <algorithm>

#include "skin/controls/ButtonEvents.h"
#include "skin/controls/ControlColours.h"
#include "skin/data/SkinVocabulary.h"
#include "skin/draw/Blit.h"
#include "skin/values/ElementFrames.h"
#include "skin/values/SkinValues.h"

namespace skin {
namespace {

// The glyph is laid on a square at least this large in the control's colour, hiding the box.
constexpr int kMinBox = 13;

// The colour as a skin picture holds it: opaque, eight bits a channel.
QColor AsIn24Bits(const QColor& colour) {
    Bitmap pixel(1, 1);
    pixel.Image().fill(colour);
    return pixel.Image().pixelColor(0, 0);
}

}  // namespace

TSkinCheckGlyph::TSkinCheckGlyph(QAbstractButton* button, SkinnerHost& window)
    : TSkinControl(button, window) {}

QAbstractButton* TSkinCheckGlyph::Button() const {
    return static_cast<QAbstractButton*>(Control());
}

void TSkinCheckGlyph::ApplySkin() {
    if (!Skin().IsSkinning()) {
        Look().Restore();
        return;
    }
    const ColorRef font = Skin().GetSkinColor(colors::ControlFontColor);
    if (font >= 0) SetTextColour(Look(), Control(), QPalette::WindowText, ToQColor(font));
}

// Without the skin's picture the control's own box stays.
void TSkinCheckGlyph::Paint() {
    QAbstractButton* button = Button();
    if (!button) return;
    const Glyph glyph = GlyphOf(*button);
    Bitmap picture = Skin().Frames().Frame(glyph.Element, glyph.Frames, glyph.Index);
    if (picture.IsEmpty()) return;
    picture.SetTransparentColor(Skin().Metrics().TransColor);
    picture.SetTransparent(glyph.Transparent);
    const QSize square(std::max(picture.Width(), kMinBox), std::max(picture.Height(), kMinBox));
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(glyph.Box, &option, button);
    const int x =
        option.direction == Qt::RightToLeft ? box.x() + box.width() - square.width() : box.x();
    const QPoint at(x, (button->height() - picture.Height()) / 2);
    QPainter painter(button);
    {
        ExactPainting exact(painter);
        painter.fillRect(QRect(at, square), AsIn24Bits(button->palette().color(QPalette::Window)));
    }
    DrawBitmapAt(painter, picture, at);
}

TSkinCheckBox::TSkinCheckBox(QCheckBox* box, SkinnerHost& window) : TSkinCheckGlyph(box, window) {}

TSkinCheckGlyph::Glyph TSkinCheckBox::GlyphOf(const QAbstractButton& button) const {
    const Qt::CheckState state = static_cast<const QCheckBox&>(button).checkState();
    const int index = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 3;
    return {bitmaps::CheckBox, 6, button.isEnabled() ? index : index + 3,
            Skin().GetSkinBool(flags::CheckBoxTrans) != 0, QStyle::SE_CheckBoxIndicator};
}

TSkinRadioButton::TSkinRadioButton(QRadioButton* button, SkinnerHost& window)
    : TSkinCheckGlyph(button, window) {}

bool TSkinRadioButton::BeforeMessage(QEvent* event) {
    return !(event->type() == QEvent::MouseButtonDblClick && IsLeftButton(event));
}

// The radio glyph is always drawn transparent.
TSkinCheckGlyph::Glyph TSkinRadioButton::GlyphOf(const QAbstractButton& button) const {
    const int index = button.isChecked() ? 1 : 2;
    return {bitmaps::RadioButton, 4, button.isEnabled() ? index : index + 2, true,
            QStyle::SE_RadioButtonIndicator};
}

}  // namespace skin
