// The Linux edition's driver of a whole run, started by scripts/e2e --edition linux: the scripted
// user (tests/e2e/scripted_user.h) on mipro and a board already on the X display.
//
//   linux_e2e_driver MIPRO PICTURE CANVAS_BMP oekakiBBS|PaintBBS|ColourCode fast|normal|slow
//                    --board-origin X,Y --canvas WxH             the practice board, its corner there
//                  | --at red=X,Y,green=X,Y,blue=X,Y,canvas=X,Y --canvas-rect X,Y,W,H
//                  | --at [open=X,Y,]code=X,Y,swatch=X,Y,[close=X,Y,]canvas=X,Y --canvas-rect X,Y,W,H
//                    [the options every driver knows, tests/e2e/run_options.h]
//
// With --at, each point is the screen pixel the capture must yield: on oekakiBBS the tens up-arrow
// point, on PaintBBS the slider pixel that sets 5, on ColourCode the "#" button (when there is
// one), the code field, the pixel of the swatch and the close button (when there is one); and the
// canvas's first pixel. The canvas is read back from the screen after the run.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "board/layout.h"
#include "tests/e2e/require.h"
#include "tests/e2e/scripted_user.h"
#include "tests/linux/e2e/x_desktop.h"

namespace mipro::testing {
namespace {

constexpr board::Size kDefaultCanvas{300, 300};

ScreenPoint PointArg(const std::string& text) {
    int x = 0, y = 0;
    Require(std::sscanf(text.c_str(), "%d,%d", &x, &y) == 2, "not a point: " + text);
    return {x, y};
}

// Page 5's places on the practice board, in the order the user captures them.
std::vector<board::Point> PracticePlaces(const board::Layout& layout, board::Kind kind, const RunOptions& options) {
    std::vector<board::Point> places;
    if (kind == board::Kind::ColourCode) {
        if (CapturesOpener(options)) places.push_back(board::Centre(layout.codeOpener()));
        places.push_back(board::Centre(layout.codeField()));
        places.push_back(layout.swatchPixel());
        if (CapturesCloser(options)) places.push_back(board::Centre(layout.codeClose()));
        return places;
    }
    for (board::Channel c : board::kChannels) {
        places.push_back(kind == board::Kind::OekakiBBS ? layout.arrowPoint(c, board::Arrow::TensUp)
                                                        : layout.paintControl(c).zero);
    }
    return places;
}

// The practice board with its corner at `origin` on the screen: where its controls and canvas lie.
BoardPlace PracticeBoardPlace(board::Kind kind, ScreenPoint origin, board::Size canvas, const RunOptions& options) {
    const board::Layout layout(kind, canvas, static_cast<board::CodeOpener>(options.opener));
    auto onScreen = [origin](board::Point p) { return ScreenPoint{origin.x + p.x, origin.y + p.y}; };
    BoardPlace b;
    b.kind = options.boardIndex;
    for (const board::Point p : PracticePlaces(layout, kind, options)) b.places.push_back(onScreen(p));
    if (options.opener == CodeOpener::Window) {
        b.codeWindow = {onScreen(board::Centre(layout.codeClose())), onScreen(layout.codeWindowFace())};
    }
    b.canvas = onScreen(layout.canvasOrigin());
    b.canvasRect = {b.canvas.x, b.canvas.y, b.canvas.x + canvas.width, b.canvas.y + canvas.height};
    const board::Size size = layout.boardSize();
    b.boardRect = {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    b.practiceBoard = true;
    return b;
}

// The point of `key` (such as "red=") in --at's value; nothing when the key is not there.
std::optional<ScreenPoint> PointAt(const std::string& value, const std::string& key) {
    const std::size_t at = value.find(key);
    if (at == std::string::npos || (at > 0 && value[at - 1] != ',')) return std::nullopt;
    return PointArg(value.substr(at + key.size()));
}

// The points of --at: red=X,Y,green=X,Y,blue=X,Y,canvas=X,Y, or a code board's
// [open=X,Y,]code=X,Y,swatch=X,Y,[close=X,Y,]canvas=X,Y.
BoardPlace ReadAt(const std::string& value, bool codeBoard) {
    const std::vector<std::string> needed =
        codeBoard ? std::vector<std::string>{"code=", "swatch="} : std::vector<std::string>{"red=", "green=", "blue="};
    BoardPlace b;
    const std::optional<ScreenPoint> opener = PointAt(value, "open=");
    if (codeBoard && opener) b.places.push_back(*opener);
    for (const std::string& key : needed) {
        const std::optional<ScreenPoint> p = PointAt(value, key);
        Require(p.has_value(), "--at lacks " + key);
        b.places.push_back(*p);
    }
    const std::optional<ScreenPoint> closer = PointAt(value, "close=");
    if (codeBoard && closer) b.places.push_back(*closer);
    const std::optional<ScreenPoint> canvas = PointAt(value, "canvas=");
    Require(canvas.has_value(), "--at lacks canvas=");
    b.canvas = *canvas;
    return b;
}

ScreenRect RectArg(const std::string& value) {
    int x = 0, y = 0, w = 0, h = 0;
    Require(std::sscanf(value.c_str(), "%d,%d,%d,%d", &x, &y, &w, &h) == 4, "not a rectangle: " + value);
    return {x, y, x + w, y + h};
}

board::Size SizeArg(const std::string& value) {
    int w = 0, h = 0;
    Require(std::sscanf(value.c_str(), "%dx%d", &w, &h) == 2, "not a size WxH: " + value);
    return {w, h};
}

}  // namespace
}  // namespace mipro::testing

int main(int argc, char** argv) {
    using namespace mipro;
    using namespace mipro::testing;
    return ExitStatusOf([argc, argv] {
        Require(argc >= 2, "usage: linux_e2e_driver MIPRO PICTURE CANVAS_BMP BOARD SPEED (--board-origin ... | --at ...)");
        ScreenPoint origin{-1, -1};
        board::Size canvas = kDefaultCanvas;
        std::string at;
        std::optional<ScreenRect> canvasRect;
        const std::vector<OptionRow> placeOptions = {
            {"--board-origin", true, [&](const std::string& v) { origin = PointArg(v); }},
            {"--canvas", true, [&](const std::string& v) { canvas = SizeArg(v); }},
            {"--at", true, [&](const std::string& v) { at = v; }},
            {"--canvas-rect", true, [&](const std::string& v) { canvasRect = RectArg(v); }},
        };
        RunOptions options = ParseRunOptions(std::vector<std::string>(argv + 2, argv + argc), placeOptions);
        const board::Kind kind = static_cast<board::Kind>(options.boardIndex);
        BoardPlace place;
        if (at.empty()) {
            place = PracticeBoardPlace(kind, origin, canvas, options);
        } else {
            Require(canvasRect.has_value(), "--at needs --canvas-rect");
            place = ReadAt(at, kind == board::Kind::ColourCode);
            place.kind = options.boardIndex;
            place.canvasRect = place.boardRect = *canvasRect;
            // The user captures the buttons the command line names.
            if (kind == board::Kind::ColourCode) {
                const bool opens = PointAt(at, "open=").has_value(), closes = PointAt(at, "close=").has_value();
                Require(opens || !closes, "--at names close= only with open=");
                options.opener = opens ? CodeOpener::Window : CodeOpener::None;
                options.skipCloser = !closes;
            }
        }

        XUser x;
        Require(x.connected(), "no X display");
        XDesktop desktop(x, argv[1], place);
        ScriptedUser(desktop, options).run();
    });
}
