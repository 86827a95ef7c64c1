// The user's own folders, as the desktop names them (XDG user directories).
#pragma once

#include <string>

namespace mipro::linux_x11 {

// Where the first browse for a picture starts: the user's Pictures folder when the desktop names
// one that exists, else the home folder. (The program's own folder, /usr/bin for an installed
// package, holds no pictures.)
std::string FirstBrowseFolder();

}  // namespace mipro::linux_x11
