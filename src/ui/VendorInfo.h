#pragma once

namespace plivant::vendor {

// The vendor's contact points, shown in the About window and opened through the desktop.
inline constexpr const char* kWebSite = "http://www.vetrasol.example.com";
inline constexpr const char* kIcqNumber = "305217448";
inline constexpr const char* kIcqPagePrefix = "http://www.icq.example.com/people/";
inline constexpr const char* kMailInfo = "info@vetrasol.example.com";
inline constexpr const char* kMailSoftware = "soft@vetrasol.example.com";

inline constexpr const char* kTitle = "Vetrasol Plivant";
inline constexpr const char* kVersionText = "1.0 beta";

}  // namespace plivant::vendor
