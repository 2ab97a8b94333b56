#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <memory>

#include "ProbePixels.h"
#include "ProbeSkin.h"
#include "SkinFixture.h"
#include "skin/controls/TSkinControl.h"
#include "skin/engine/TSkinEngine.h"

// The probe skin with the pictures and colours of the controls, every one a colour of its own,
// and a fixture that skins a form of hand-placed controls with it.
namespace skin::test {

namespace ctl {
inline constexpr ColorRef kButton[3] = {0x00204060, 0x00206040, 0x00602040};
inline constexpr ColorRef kCheck[6] = {0x00110022, 0x00220033, 0x00330044,
                                       0x00440055, 0x00550066, 0x00660077};
inline constexpr ColorRef kRadio[4] = {0x00771100, 0x00882200, 0x00993300, 0x00AA4400};
inline constexpr int kGlyph = 15;  // check and radio pictures are square; (0, 0) is kTrans
inline constexpr ColorRef kButtonFont = 0x000000F0;
inline constexpr ColorRef kControlFont = 0x0000F000;
inline constexpr ColorRef kControlBorder = 0x00F00000;
inline constexpr ColorRef kToolBar = 0x00D0F0F0;
inline constexpr ColorRef kToolBarEnd = 0x00305070;
inline constexpr ColorRef kToolBarOn = 0x00F0D0F0;
inline constexpr ColorRef kToolBarDown = 0x00F0F0D0;
inline constexpr ColorRef kToolBarBorder = 0x00707000;
inline constexpr ColorRef kToolBarPicture = 0x00123456;
}  // namespace ctl

SkinElements ControlProbeElements();
// The control probe skin with elements replaced or added, and without those named in `left`.
QByteArray ControlProbeSkin(const SkinElements& changes = {},
                            std::initializer_list<const char*> left = {});

QColor PixelAt(const QImage& image, int x, int y);

// A plain form with the control probe skin, shown and active.
struct ControlFixture : ::testing::Test {
    void SetUp() override;
    void TearDown() override;

    // Attaches skinners to the form's controls made since the last call.
    void Skin();
    bool Show();
    template <typename Skinner>
    Skinner* SkinnerOf(const QWidget* control) const {
        return dynamic_cast<Skinner*>(FindSkinner(control));
    }
    TSkinControl* FindSkinner(const QWidget* control) const;
    // Enter, as the window system sends it when the pointer comes over the control.
    static void Enter(QWidget* control);
    static void Leave(QWidget* control);

    std::unique_ptr<QWidget> form;
    TSkinEngine* engine = nullptr;
};

}  // namespace skin::test
