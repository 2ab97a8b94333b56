#include "ControlProbe.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <algorithm>

#include "skin/data/SkinVocabulary.h"
#include "skin/windows/TSkinWindow.h"

namespace skin::test {

using namespace ctl;

SkinElement FrameStrip(const char* name, QSize frame, std::initializer_list<ColorRef> colours,
                       bool cornerTrans) {
    Bitmap strip(frame.width() * int(colours.size()), frame.height());
    QRect place(QPoint(0, 0), frame);
    for (ColorRef colour : colours) {
        QPainter(&strip.Image()).fillRect(place, ToQColor(colour));
        if (cornerTrans) strip.SetPixel(place.x(), 0, probe::kTrans);
        place.translate(frame.width(), 0);
    }
    return SkinElement::Bitmap(name, strip.ToBmp());
}

SkinElements ControlProbeElements() {
    const QSize glyph(kGlyph, kGlyph);
    return {
        FrameStrip("SKIN2_BUTTON", QSize(13, 11), {kButton[0], kButton[1], kButton[2]}, false),
        FrameStrip("SKIN2_CHECKBOX", glyph,
                   {kCheck[0], kCheck[1], kCheck[2], kCheck[3], kCheck[4], kCheck[5]}, true),
        FrameStrip("SKIN2_RADIOBUTTON", glyph, {kRadio[0], kRadio[1], kRadio[2], kRadio[3]}, true),
        SkinElement::Integer("SKIN2_BUTTONFONTCOLOR", kButtonFont),
        SkinElement::Integer("SKIN2_CONTROLFONTCOLOR", kControlFont),
        SkinElement::Integer("SKIN2_CONTROLBORDERCOLOR", kControlBorder),
        SkinElement::Integer("SKIN2_TOOLBARSTARTCOLOR", kToolBar),
        SkinElement::Integer("SKIN2_TOOLBARENDCOLOR", kToolBar),
        SkinElement::Integer("SKIN2_TOOLBARONCOLOR", kToolBarOn),
        SkinElement::Integer("SKIN2_TOOLBARDOWNCOLOR", kToolBarDown),
        SkinElement::Integer("SKIN2_TOOLBARBORDERCOLOR", kToolBarBorder),
        SkinElement::Boolean("SKIN2_BUTTONTRANS", 0),
        SkinElement::Boolean("SKIN2_CHECKBOXTRANS", 0),
        SkinElement::Boolean("SKIN2_RADIOBUTTONTRANS", 0),
    };
}

QByteArray ControlProbeSkin(const SkinElements& changes, std::initializer_list<const char*> left) {
    SkinElements all;
    for (const SkinElement& element : ControlProbeElements()) {
        const auto changed =
            std::find_if(changes.begin(), changes.end(),
                         [&](const SkinElement& c) { return c.Name == element.Name; });
        const auto gone = std::find_if(left.begin(), left.end(),
                                       [&](const char* name) { return element.Name == name; });
        if (changed == changes.end() && gone == left.end()) all.push_back(element);
    }
    all.insert(all.end(), changes.begin(), changes.end());
    return ProbeSkinWith(all);
}

QColor PixelAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

int CountColour(const QImage& image, const QColor& colour, QRect area) {
    if (area.isNull()) area = image.rect();
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += PixelAt(image, x, y) == colour;
    }
    return count;
}

QRect BoundsOf(const QImage& image, const QColor& colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (PixelAt(image, x, y) == colour) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ControlFixture::SetUp() {
    form = std::make_unique<QWidget>();
    form->setWindowTitle("Controls");
    form->resize(360, 260);
    // Text in exactly the colour it is drawn in.
    QFont font = form->font();
    font.setStyleStrategy(QFont::NoAntialias);
    form->setFont(font);
    engine = new TSkinEngine(form.get());
    engine->SetSkinData(ControlProbeSkin());
    engine->SetActive(true);
    engine->Loaded();
}

void ControlFixture::TearDown() { form.reset(); }

void ControlFixture::Skin() {
    engine->FindSkinWindow(form.get())->Controls().SkinChildren(form.get());
}

bool ControlFixture::Show() {
    if (!ShowAndWait(form.get())) return false;
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
}

TSkinControl* ControlFixture::FindSkinner(const QWidget* control) const {
    for (TSkinControl* skinner : engine->FindSkinWindow(form.get())->Controls().Skinners()) {
        if (skinner->Control() == control) return skinner;
    }
    return nullptr;
}

void ControlFixture::Enter(QWidget* control) {
    const QPointF at(2, 2);
    QEnterEvent enter(at, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &enter);
}

void ControlFixture::Leave(QWidget* control) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
}

}  // namespace skin::test
