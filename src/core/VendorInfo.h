#pragma once

namespace plivant::vendor {

// The vendor's contact points, shown in the About window and opened through the desktop.
inline constexpr const char* kWebSite = "http://vetrasol.example";
inline constexpr const char* kIcqNumber = "305217448";
inline constexpr const char* kIcqPagePrefix = "http://icq.example/people/";
inline constexpr const char* kMailInfo = "info@vetrasol.example";
inline constexpr const char* kMailSoftware = "soft@vetrasol.example";

inline constexpr const char* kTitle = "Vetrasol Plivant";
inline constexpr const char* kVersionText = "1.0 beta";
// The name of the desktop entry, the metainfo and the Wayland application id.
inline constexpr const char* kDesktopId = "example.vetrasol.Plivant";

}  // namespace plivant::vendor
