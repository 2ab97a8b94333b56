#include "app/StartOptions.h"

#include <gtest/gtest.h>

#include "app/DisplayChoice.h"

namespace plivant {
namespace {

TEST(StartOptionsTest, OptionsAndWrongCommandLines) {
    struct Case {
        QStringList arguments;
        int code;  // -1: the program goes on
        bool minimized;
        QString configFolder;
    };
    const std::vector<Case> cases = {
        {{}, -1, false, ""},
        {{"--minimized"}, -1, true, ""},
        {{"--config-dir", "/tmp/acc"}, -1, false, "/tmp/acc"},
        {{"--config-dir=/tmp/acc", "--minimized"}, -1, true, "/tmp/acc"},
        {{"--help"}, 0, false, ""},
        {{"--version"}, 0, false, ""},
        {{"--bogus"}, 2, false, ""},
        {{"extra"}, 2, false, ""},
        {{"--config-dir"}, 2, false, ""},
        {{"--config-dir="}, 2, false, ""},
    };
    for (const Case& c : cases) {
        const auto result = ParseStartOptions(QStringList{"plivant"} + c.arguments);
        const QString name = c.arguments.join(' ');
        if (c.code >= 0) {
            ASSERT_TRUE(std::holds_alternative<int>(result)) << name.toStdString();
            EXPECT_EQ(std::get<int>(result), c.code) << name.toStdString();
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<StartOptions>(result)) << name.toStdString();
        EXPECT_EQ(std::get<StartOptions>(result).Minimized, c.minimized) << name.toStdString();
        EXPECT_EQ(std::get<StartOptions>(result).ConfigFolder, c.configFolder)
            << name.toStdString();
    }
}

TEST(DisplayChoiceTest, XWaylandWhenThereAndNothingChosen) {
    struct Case {
        QByteArray user, wayland, x11, platform;
    };
    const std::vector<Case> cases = {
        {"", "wayland-0", ":0", "xcb;wayland"},  // a Wayland session with XWayland
        {"wayland", "wayland-0", ":0", ""},      // the user's choice stands
        {"", "wayland-0", "", ""},               // no XWayland: Qt's own choice, native
        {"", "", ":0", ""},                      // X11
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayChoice::PlatformFor(c.user, c.wayland, c.x11), c.platform)
            << c.user.toStdString() << "|" << c.wayland.toStdString() << "|" << c.x11.toStdString();
    }
}

}  // namespace
}  // namespace plivant
