// The service's logo: the icon's mark, the name and a small tagline on a transparent ground.
#pragma once

#include <QImage>

namespace plivant::art {

constexpr int kLogoWidth = 194;
constexpr int kLogoHeight = 53;

// The logo drawn `scale` times larger, for screens of that pixel ratio.
QImage LogoImage(int scale = 1);

}  // namespace plivant::art
