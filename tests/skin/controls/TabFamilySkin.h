#pragma once

#include <QVBoxLayout>

#include "ProbePixels.h"
#include "ProbeSkin.h"
#include "SkinFixture.h"

// The probe skin with the pictures of tab controls, sliders and progress bars, each part in a
// colour of its own, and a form to put such controls on.
namespace skin::test {

namespace tabprobe {
inline constexpr ColorRef kSelectedTab = 0x00308030;   // frame 1 of "SKIN2_TABCONTROL"
inline constexpr ColorRef kOtherTab = 0x00803030;      // frame 2
inline constexpr ColorRef kSelectedEdge = 0x00104010;  // the first row of frame 1
inline constexpr ColorRef kOtherEdge = 0x00401010;     // the first row of frame 2
inline constexpr QSize kTabFrame{15, 17};
inline constexpr ColorRef kLineOuter = 0x00A000A0;  // row 0 of "SKIN2_TABCONTROLLINE"
inline constexpr ColorRef kLineInner = 0x00A0A000;  // row 1
inline constexpr ColorRef kBorder = 0x00202020;     // "SKIN2_CONTROLBORDERCOLOR"
inline constexpr ColorRef kActiveFont = 0x000000F0;
inline constexpr ColorRef kInactiveFont = 0x00F00000;
// "SKIN2_TRACKBAR": 9 x 5, its three thirds in their own colours.
inline constexpr ColorRef kChannelStart = 0x00003070;
inline constexpr ColorRef kChannelMiddle = 0x00007030;
inline constexpr ColorRef kChannelEnd = 0x00703000;
inline constexpr QSize kChannel{9, 5};
inline constexpr ColorRef kThumb = 0x0050A0F0;   // "SKIN2_TRACKBARSLIDER", 11 x 21
inline constexpr ColorRef kVThumb = 0x00F0A050;  // "SKIN2_TRACKBARVSLIDER", 22 x 11
inline constexpr QSize kThumbSize{11, 21};
inline constexpr QSize kVThumbSize{22, 11};
// "SKIN2_PROGRESSBAR1" to 4 and their widths.
inline constexpr ColorRef kProgress[4] = {0x00101090, 0x00109010, 0x00901010, 0x00909010};
inline constexpr int kProgressWidth[4] = {3, 6, 6, 2};
}  // namespace tabprobe

QByteArray TabFamilySkin();

// A shown main form with the tab family's probe skin, active.
struct TabFamilyFixture : SkinFixture {
    QByteArray SkinData() const override;
    void SetUp() override;

    // Puts the control on the form, gives the form's controls their skinners and shows it.
    template <typename W>
    W* Add(W* control) {
        layout->addWidget(control);
        SkinAll();
        return control;
    }
    void SkinAll();

    QVBoxLayout* layout = nullptr;
};

// Whether two colours are the same but for the rounding of smooth stretching.
inline bool SameColour(QRgb a, QRgb b) {
    constexpr int kRounding = 3;
    return std::abs(qRed(a) - qRed(b)) <= kRounding &&
           std::abs(qGreen(a) - qGreen(b)) <= kRounding &&
           std::abs(qBlue(a) - qBlue(b)) <= kRounding;
}

// Whether `image` has `colour` at `at`.
inline bool HasColour(const QImage& image, const QPoint& at, ColorRef colour) {
    return image.valid(at) && SameColour(image.pixel(at), Q(colour).rgb());
}

}  // namespace skin::test
