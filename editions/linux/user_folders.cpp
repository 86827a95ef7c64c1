#include "editions/linux/user_folders.h"

#include <glib.h>

#include <filesystem>

namespace mipro::linux_x11 {

std::string FirstBrowseFolder() {
    std::error_code error;
    const gchar* pictures = g_get_user_special_dir(G_USER_DIRECTORY_PICTURES);
    if (pictures && std::filesystem::is_directory(pictures, error)) return pictures;
    return g_get_home_dir();
}

}  // namespace mipro::linux_x11
