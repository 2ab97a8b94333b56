#pragma once

#include <QStyle>

#include "skin/controls/TSkinControl.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;

namespace skin {

// Check boxes and radio buttons keep their own painting; the skin's glyph for their state is
// drawn over the box, and their text takes the skin's control font colour.
class TSkinCheckGlyph : public TSkinControl {
public:
    TSkinCheckGlyph(QAbstractButton* button, SkinnerHost& window);

    void ApplySkin() override;
    void Paint() override;

protected:
    // Which frame of which skin picture shows the button's state.
    struct Glyph {
        int Element = 0;
        int Frames = 0;
        int Index = 0;
        bool Transparent = false;
        QStyle::SubElement Box = QStyle::SE_CheckBoxIndicator;
    };
    virtual Glyph GlyphOf(const QAbstractButton& button) const = 0;
    QAbstractButton* Button() const;
};

// Frames of the check box picture: checked 1, partially checked (grayed) 2, unchecked 3; the
// disabled ones 3 further on.
class TSkinCheckBox : public TSkinCheckGlyph {
public:
    TSkinCheckBox(QCheckBox* box, SkinnerHost& window);

protected:
    Glyph GlyphOf(const QAbstractButton& button) const override;
};

// Frames of the radio button picture: checked 1, unchecked 2; the disabled ones 2 further on.
// A double click selects once.
class TSkinRadioButton : public TSkinCheckGlyph {
public:
    TSkinRadioButton(QRadioButton* button, SkinnerHost& window);

    bool BeforeMessage(QEvent* event) override;

protected:
    Glyph GlyphOf(const QAbstractButton& button) const override;
};

}  // namespace skin
