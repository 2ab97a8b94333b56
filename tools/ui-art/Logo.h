// The service's logo: the icon's mark, the name and a small tagline on a transparent ground.
#pragma once

#include <QImage>

namespace plivant::art {

constexpr int kLogoWidth = 194;
constexpr int kLogoHeight = 53;

QImage LogoImage();

}  // namespace plivant::art
