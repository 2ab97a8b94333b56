#pragma once

#include <QString>
#include <string>

namespace plivant {

// What a screen reader says of a grid row beside its text: what its colour shows.
QString RowDescription(const std::string& important, const std::string& attachment);

// The connection lamp's name: "connected" exactly while it is green.
QString LampName(bool live);

// The service's logo, in the main window and in the About window.
QString LogoName();

}  // namespace plivant
