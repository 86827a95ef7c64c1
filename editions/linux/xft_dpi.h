// The dots per inch the desktop sets for its fonts and scale: the Xft.dpi resource, which GTK and
// Chromium go by on X11.
#pragma once

#include <optional>
#include <string>

namespace mipro::linux_x11 {

// Xft.dpi as set in X resources text (the root window's RESOURCE_MANAGER property); nothing when
// it is not set or not a positive number.
std::optional<double> XftDpi(const std::string& resources);

}  // namespace mipro::linux_x11
