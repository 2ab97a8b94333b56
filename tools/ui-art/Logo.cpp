#include "Logo.h"

#include <QFont>
#include <QFontMetricsF>

#include "ArtKit.h"
#include "ProgramIcon.h"

namespace plivant::art {

namespace {

constexpr int kMarkSize = 44;
constexpr int kMarkGap = 9;
constexpr int kNameMaxSize = 32;
constexpr int kNameBaseline = 30;
constexpr int kTaglineBaseline = 45;

// Dark enough to read on light grey and on light blue panels.
const QColor kNameDark(0x14, 0x37, 0x72);
const QColor kNameBlue(0x1B, 0x5F, 0xC4);
const QColor kTagline(0x46, 0x56, 0x70);

const QString kHead = "Vetra";
const QString kTail = "sol";
const QString kTaglineText = "FOREX NEWS";

QFont NameFont() {
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Wider substitute fonts get a smaller size so that the name still fits beside the mark.
    const qreal room = kLogoWidth - kMarkSize - kMarkGap - 4;
    for (int size = kNameMaxSize; size > 10; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(kHead + kTail) <= room) break;
    }
    return font;
}

// The tagline is spread so that it ends where the name ends.
QFont TaglineFont(qreal width) {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    const qreal natural = QFontMetricsF(font).horizontalAdvance(kTaglineText);
    const qreal gaps = kTaglineText.size() - 1;
    font.setLetterSpacing(QFont::AbsoluteSpacing, qMax<qreal>(0, (width - natural) / gaps));
    return font;
}

void PaintName(QPainter& painter, const QFont& font, int left) {
    painter.setFont(font);
    painter.setPen(kNameDark);
    painter.drawText(QPointF(left, kNameBaseline), kHead);
    painter.setPen(kNameBlue);
    const qreal headWidth = QFontMetricsF(font).horizontalAdvance(kHead);
    painter.drawText(QPointF(left + headWidth, kNameBaseline), kTail);
}

void PaintTagline(QPainter& painter, int left, qreal width) {
    painter.setFont(TaglineFont(width));
    painter.setPen(kTagline);
    painter.drawText(QPointF(left + 1, kTaglineBaseline), kTaglineText);
}

}  // namespace

QImage LogoImage(int scale) {
    QImage image = NewCanvas(kLogoWidth * scale, kLogoHeight * scale);
    QPainter painter(&image);
    PrepareSmooth(painter);
    painter.scale(scale, scale);
    const QFont nameFont = NameFont();
    const qreal nameWidth = QFontMetricsF(nameFont).horizontalAdvance(kHead + kTail);
    // Mark and words together, centred across the picture.
    const int left = qRound((kLogoWidth - kMarkSize - kMarkGap - nameWidth) / 2);
    // The mark is drawn at the device's size, not scaled up from the small one.
    const QRect mark(left, (kLogoHeight - kMarkSize) / 2, kMarkSize, kMarkSize);
    painter.drawImage(mark, RichIconImage(kMarkSize * scale));
    const int textLeft = left + kMarkSize + kMarkGap;
    PaintName(painter, nameFont, textLeft);
    PaintTagline(painter, textLeft, nameWidth - 3);
    return image;
}

}  // namespace plivant::art
