#pragma once

#include <string>
#include <vector>

namespace plivant {

// The user's settings. One instance lives on the UI thread; readers take a value when they need
// it. Text fields hold Windows-1251 bytes, as they are stored.
struct Settings {
    bool ShowId = false;
    bool ShowTime = false;
    bool ShowDate = false;
    bool ShowFlags = false;
    bool ConnectAtStart = false;
    std::string Port = "2000";
    std::string NewsCount = "100";
    int NewsLanguage = 0;  // 0 Russian, 1 English, -1 none selected
    std::vector<std::string> Servers;
};

}  // namespace plivant
