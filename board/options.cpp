#include "board/options.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace mipro::board {
namespace {

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
    return value;
}

// "AxB" or "A,B" split at the separator into two whole numbers.
std::optional<Point> NumberPair(const std::string& text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) return std::nullopt;
    const auto a = WholeNumber(text.substr(0, at));
    const auto b = WholeNumber(text.substr(at + 1));
    if (!a || !b) return std::nullopt;
    return Point{*a, *b};
}

constexpr Kind kKinds[] = {Kind::OekakiBBS, Kind::PaintBBS, Kind::ColourCode};

struct OpenerName {
    CodeOpener opener;
    const char* name;
};
constexpr OpenerName kOpeners[] = {{CodeOpener::None, "none"}, {CodeOpener::Button, "button"}, {CodeOpener::Window, "window"}};

std::optional<int> NotNegative(const std::string& text) {
    const auto value = WholeNumber(text);
    return value && *value >= 0 ? value : std::nullopt;
}

std::string Apply(Options& o, const std::string& name, const std::string& value) {
    BoardSetup& b = o.board;
    if (name == "--board") {
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](Kind k) { return KindName(k) == value; });
        if (kind == std::end(kKinds)) return "unknown board kind: " + value;
        b.kind = *kind;
    } else if (name == "--canvas") {
        const auto size = NumberPair(value, 'x');
        if (!size || size->x < 1 || size->y < 1 || size->x > Layout::kMaxCanvasSide || size->y > Layout::kMaxCanvasSide)
            return "canvas size must be WxH, each 1 to " + std::to_string(Layout::kMaxCanvasSide) + ": " + value;
        b.canvas = {size->x, size->y};
    } else if (name == "--pos") {
        const auto position = NumberPair(value, ',');
        if (!position) return "window position must be X,Y: " + value;
        o.position = position;
    } else if (name == "--class") {
        if (value != kSunCanvasClass && value != kMicrosoftCanvasClass) return "unknown window class: " + value;
        o.className = value;
    } else if (name == "--busy") {
        const auto pattern = NumberPair(value, ',');
        if (!pattern || pattern->x < 1 || pattern->y < 0) return "busy pattern must be N,K with N at least 1: " + value;
        b.busy = {pattern->x, pattern->y};
    } else if (name == "--busy-ms") {
        const auto ms = NotNegative(value);
        if (!ms) return "busy pace must be a number of milliseconds: " + value;
        b.busyMs = *ms;
    } else if (name == "--stabiliser") {
        const auto pixels = NotNegative(value);
        if (!pixels) return "stabiliser must be a number of pixels: " + value;
        b.stabiliser = *pixels;
    } else if (name == "--pen-cursor") {
        if (value != "on" && value != "off") return "pen cursor must be on or off: " + value;
        b.penCursor = value == "on";
    } else if (name == "--opener") {
        const auto opener =
            std::find_if(std::begin(kOpeners), std::end(kOpeners), [&](const OpenerName& n) { return n.name == value; });
        if (opener == std::end(kOpeners)) return "opener must be none, button or window: " + value;
        b.opener = opener->opener;
    } else if (name == "--drop-focus") {
        const auto k = NotNegative(value);
        if (!k) return "drop-focus must be a press number: " + value;
        b.dropFocus = *k;
    } else if (name == "--save-canvas") {
        o.saveCanvasPath = value;
    } else if (name == "--report") {
        o.reportPath = value;
    } else {
        return "unknown option: " + name;
    }
    return "";
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            parsed.error = "missing value after " + args[i];
            return parsed;
        }
        parsed.error = Apply(parsed.options, args[i], args[i + 1]);
        if (!parsed.error.empty()) return parsed;
    }
    return parsed;
}

std::string KindName(Kind kind) {
    switch (kind) {
        case Kind::OekakiBBS: return "oekakiBBS";
        case Kind::PaintBBS: return "PaintBBS";
        case Kind::ColourCode: return "ColourCode";
    }
    return "";
}

std::string BoardTitle(Kind kind) { return "練習ボード - " + KindName(kind); }

}  // namespace mipro::board
