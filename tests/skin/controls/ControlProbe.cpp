#include "ControlProbe.h"

#include <QApplication>
#include <QEnterEvent>
#include <algorithm>

#include "skin/data/SkinVocabulary.h"
#include "skin/windows/TSkinWindow.h"

namespace skin::test {

using namespace ctl;

SkinElements ControlProbeElements() {
    const QSize glyph(kGlyph, kGlyph);
    return {
        Picture("SKIN2_BUTTON", FrameStrip(QSize(13, 11), {kButton[0], kButton[1], kButton[2]})),
        Picture(
            "SKIN2_CHECKBOX",
            FrameStrip(glyph, {kCheck[0], kCheck[1], kCheck[2], kCheck[3], kCheck[4], kCheck[5]},
                       true)),
        Picture("SKIN2_RADIOBUTTON",
                FrameStrip(glyph, {kRadio[0], kRadio[1], kRadio[2], kRadio[3]}, true)),
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
    SkinElements all = ControlProbeElements();
    std::erase_if(all, [&](const SkinElement& element) {
        return std::any_of(left.begin(), left.end(),
                           [&](const char* name) { return element.Name == name; });
    });
    // The probe skin puts each change in place of the element of its name.
    all.insert(all.end(), changes.begin(), changes.end());
    return ProbeSkinWith(all);
}

QColor PixelAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

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
    return test::SkinnerOf(*engine->FindSkinWindow(form.get()), control);
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
