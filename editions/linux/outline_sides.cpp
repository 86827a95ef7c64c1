#include "editions/linux/outline_sides.h"

namespace mipro::linux_x11 {

std::vector<XRectangle> OutlineSides(ScreenRect r, int dx, int dy) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    const int left = r.left - dx, top = r.top - dy, bottom = r.bottom - dy, right = r.right - dx;
    const auto at = [](int v) { return static_cast<short>(v); };
    const auto size = [](int v) { return static_cast<unsigned short>(v); };
    std::vector<XRectangle> sides = {{at(left), at(top), size(width), 1}};
    if (height > 1) sides.push_back({at(left), at(bottom - 1), size(width), 1});
    if (height > 2) sides.push_back({at(left), at(top + 1), 1, size(height - 2)});
    if (height > 2 && width > 1) sides.push_back({at(right - 1), at(top + 1), 1, size(height - 2)});
    return sides;
}

}  // namespace mipro::linux_x11
