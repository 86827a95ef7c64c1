// Where the first browse starts: the Pictures folder the desktop names, else home.
#include "editions/linux/user_folders.h"

#include <gtest/gtest.h>
#include <glib.h>

#include <filesystem>
#include <fstream>

#include "linux_test_support.h"

namespace mipro::testing {

namespace {

using linux_x11::FirstBrowseFolder;

std::string WithoutSlash(std::string path) {
    if (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// One test: GLib reads the desktop's configuration folder once per process.
TEST(UserFolders, FirstBrowseStartsInPicturesWhileItExistsElseAtHome) {
    TempDir config;
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.path());
    if (WithoutSlash(g_get_user_config_dir()) != WithoutSlash(config.path())) {
        GTEST_SKIP() << "GLib read its configuration folder before this test";
    }
    TempDir pictures;
    std::ofstream(config.path() + "/user-dirs.dirs") << "XDG_PICTURES_DIR=\"" << WithoutSlash(pictures.path()) << "\"\n";
    g_reload_user_special_dirs_cache();
    EXPECT_EQ(FirstBrowseFolder(), WithoutSlash(pictures.path()));

    std::filesystem::remove_all(pictures.path());
    EXPECT_EQ(FirstBrowseFolder(), g_get_home_dir()) << "a Pictures folder that is gone";
}

}  // namespace

}  // namespace mipro::testing
