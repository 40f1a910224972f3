#include "platform/application_setup.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zrl {
namespace {

TEST(PreferredPlatform, X11WhereAWaylandSessionOffersItAndTheUserHasNotChosen) {
    using Env = std::map<std::string, std::string>;
    const auto choose = [](const Env& env) {
        const char* platform = PreferredPlatform([&env](const char* name) -> const char* {
            const auto found = env.find(name);
            return found == env.end() ? nullptr : found->second.c_str();
        });
        return std::string(platform ? platform : "(Qt decides)");
    };
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}), "xcb");
    EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}), "xcb");
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}}), "(Qt decides)") << "no X11 to run on";
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}}), "(Qt decides)");
    EXPECT_EQ(choose({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}), "(Qt decides)");
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}),
              "(Qt decides)")
        << "the user's own choice wins";
}

}  // namespace
}  // namespace zrl
