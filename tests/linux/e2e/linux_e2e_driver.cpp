// The Linux edition's driver of a whole run, started by scripts/e2e --edition linux: the scripted
// user (tests/e2e/scripted_user.h) on mipro and a board already on the X display.
//
//   linux_e2e_driver MIPRO PICTURE CANVAS_BMP oekakiBBS|PaintBBS fast|normal|slow
//                    --board-origin X,Y --canvas WxH             the practice board, its corner there
//                  | --at red=X,Y,green=X,Y,blue=X,Y,canvas=X,Y --canvas-rect X,Y,W,H
//                    [--hand-at-percent P] [--hand-during colour-change|reset]
//
// With --at, each point is the screen pixel the capture must yield: on oekakiBBS the tens up-arrow
// point, on PaintBBS the slider pixel that sets 5, and the canvas's first pixel. The canvas is
// read back from the screen after the run.
#include <cstdio>
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

// The practice board with its corner at `origin` on the screen: where its controls and canvas lie.
BoardPlace PracticeBoardPlace(board::Kind kind, ScreenPoint origin, board::Size canvas) {
    const board::Layout layout(kind, canvas);
    auto onScreen = [origin](board::Point p) { return ScreenPoint{origin.x + p.x, origin.y + p.y}; };
    BoardPlace b;
    b.oekaki = kind == board::Kind::OekakiBBS;
    for (board::Channel c : board::kChannels) {
        b.channels[static_cast<int>(c)] =
            onScreen(b.oekaki ? layout.arrowPoint(c, board::Arrow::TensUp) : layout.paintControl(c).zero);
    }
    b.canvas = onScreen(layout.canvasOrigin());
    b.canvasRect = {b.canvas.x, b.canvas.y, b.canvas.x + canvas.width, b.canvas.y + canvas.height};
    const board::Size size = layout.boardSize();
    b.boardRect = {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    b.practiceBoard = true;
    return b;
}

// The points of --at: red=X,Y,green=X,Y,blue=X,Y,canvas=X,Y.
void ReadAt(const std::string& value, BoardPlace& b) {
    const char* const keys[] = {"red=", "green=", "blue=", "canvas="};
    for (int i = 0; i < 4; ++i) {
        const std::size_t at = value.find(keys[i]);
        Require(at != std::string::npos, std::string("--at lacks ") + keys[i]);
        const ScreenPoint p = PointArg(value.substr(at + std::string(keys[i]).size()));
        if (i < 3) b.channels[i] = p;
        else b.canvas = p;
    }
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
        BoardPlace onScreen;
        bool atGiven = false;
        const std::vector<OptionRow> placeOptions = {
            {"--board-origin", true, [&](const std::string& v) { origin = PointArg(v); }},
            {"--canvas", true, [&](const std::string& v) { canvas = SizeArg(v); }},
            {"--at", true, [&](const std::string& v) {
                 ReadAt(v, onScreen);
                 atGiven = true;
             }},
            {"--canvas-rect", true, [&](const std::string& v) { onScreen.canvasRect = onScreen.boardRect = RectArg(v); }},
        };
        const RunOptions options = ParseRunOptions(std::vector<std::string>(argv + 2, argv + argc), placeOptions);
        const board::Kind kind = options.boardIndex == 0 ? board::Kind::OekakiBBS : board::Kind::PaintBBS;
        onScreen.oekaki = kind == board::Kind::OekakiBBS;

        XUser x;
        Require(x.connected(), "no X display");
        XDesktop desktop(x, argv[1], atGiven ? onScreen : PracticeBoardPlace(kind, origin, canvas));
        ScriptedUser(desktop, options).run();
    });
}
