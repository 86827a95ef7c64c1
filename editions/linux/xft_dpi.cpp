#include "editions/linux/xft_dpi.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>

namespace mipro::linux_x11 {

namespace {

struct DatabaseCloser {
    void operator()(_XrmHashBucketRec* database) const { XrmDestroyDatabase(database); }
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The resource's value read as a number, blanks around it allowed, with '.' as the decimal point
// whatever the locale; nothing when it is not one.
std::optional<double> PositiveNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || !(value > 0)) return {};
    return value;
}

}  // namespace

std::optional<double> XftDpi(const std::string& resources) {
    XrmInitialize();
    const std::unique_ptr<_XrmHashBucketRec, DatabaseCloser> database(XrmGetStringDatabase(resources.c_str()));
    if (!database) return {};
    char* type = nullptr;
    XrmValue value{};
    if (!XrmGetResource(database.get(), "Xft.dpi", "Xft.Dpi", &type, &value) || !value.addr) return {};
    return PositiveNumber(value.addr);
}

}  // namespace mipro::linux_x11
