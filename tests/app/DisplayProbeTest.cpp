// What start-up checks before Qt opens a display: which display Qt will use,
// and the private runtime folder given to Qt when the session has none.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "app/cli/DisplayProbe.h"
#include "app/cli/RuntimeDir.h"

namespace orvalde {
namespace {

DisplayPlan Plan(std::vector<std::string> args, const std::map<std::string, std::string>& env) {
    args.insert(args.begin(), "orvalde");
    return PlanDisplay(args, [&env](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    });
}

TEST(DisplayPlan, ProbesTheX11DisplayQtWillOpenAndTrustsOtherPlatforms) {
    using K = DisplayPlan::Kind;
    EXPECT_EQ(Plan({}, {}).kind, K::NoDisplay);
    EXPECT_EQ(Plan({}, {{"DISPLAY", ""}}).kind, K::NoDisplay);
    EXPECT_EQ(Plan({}, {{"DISPLAY", ":7"}}).name, ":7");
    // -display wins over DISPLAY, in each of Qt's spellings.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-display", ":3"}, std::vector<std::string>{"--display=:3"}}) {
        const DisplayPlan p = Plan(args, {{"DISPLAY", ":7"}});
        EXPECT_EQ(p.kind, K::X11);
        EXPECT_EQ(p.name, ":3");
    }
    // An explicit platform decides, the argument before the variable.
    EXPECT_EQ(Plan({}, {{"QT_QPA_PLATFORM", "offscreen"}}).kind, K::Trusted);
    EXPECT_EQ(Plan({"-platform", "offscreen"}, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":7"}}).kind, K::Trusted);
    EXPECT_EQ(Plan({"-platform=xcb"}, {{"QT_QPA_PLATFORM", "offscreen"}}).kind, K::NoDisplay);
    EXPECT_EQ(Plan({}, {{"QT_QPA_PLATFORM", "xcb;wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}}).kind, K::NoDisplay);
    EXPECT_EQ(Plan({}, {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":7"}}).kind, K::Trusted);
    // A Wayland session is Qt's; XWayland's DISPLAY is used only outside one.
    EXPECT_EQ(Plan({}, {{"WAYLAND_DISPLAY", "wayland-0"}}).kind, K::Trusted);
    EXPECT_EQ(Plan({}, {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}).kind,
              K::Trusted);
    EXPECT_EQ(Plan({}, {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}).kind,
              K::X11);
}

TEST(DisplayProbe, ADisplayWithNothingThereFailsAtOnce) {
    EXPECT_EQ(ProbeX11Display("/nonexistent/socket:0", std::chrono::seconds(4)), ProbeResult::Failed);
}

unsigned Mode(const std::filesystem::path& p) {
    struct stat st {};
    lstat(p.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(RuntimeDir, IsPrivateAndKeptOnlyWhileSafelyOurs) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "orvalde-rt-test-XXXXXX").string();
    const fs::path base = mkdtemp(pattern.data());
    const fs::path fixed = base / ("orvalde-runtime-" + std::to_string(getuid()));

    const std::string first = PrivateRuntimeDir(base.string());
    EXPECT_EQ(first, fixed.string());
    EXPECT_EQ(Mode(fixed), 0700u);
    EXPECT_EQ(PrivateRuntimeDir(base.string()), first);

    // Opened to others, or replaced by a link, it is left alone for a fresh one.
    fs::permissions(fixed, fs::perms::group_all | fs::perms::others_all, fs::perm_options::add);
    const std::string opened = PrivateRuntimeDir(base.string());
    EXPECT_NE(opened, fixed.string());
    EXPECT_EQ(Mode(opened), 0700u);
    EXPECT_EQ(Mode(fixed), 0777u);

    fs::remove(fixed);
    const fs::path elsewhere = base / "elsewhere";
    fs::create_directory(elsewhere);
    fs::permissions(elsewhere, fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directory_symlink(elsewhere, fixed);
    const std::string linked = PrivateRuntimeDir(base.string());
    EXPECT_NE(linked, fixed.string());
    EXPECT_FALSE(fs::is_symlink(linked));
    EXPECT_EQ(Mode(linked), 0700u);

    fs::remove_all(base);
}

}  // namespace
}  // namespace orvalde
