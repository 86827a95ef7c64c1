// The user of a whole run of the Linux edition, started by scripts/e2e --edition linux. It starts
// mipro, goes through the wizard as a user does (clicks on the controls, the file chooser with the
// path typed, the magnifier lined up with the board and confirmed with Enter), moves mipro's window
// clear of the board, starts the drawing and waits for its end, then reads the canvas back from
// the screen and saves it.
//
//   linux_e2e_driver MIPRO PICTURE CANVAS_BMP oekakiBBS|PaintBBS fast|normal|slow
//                    --board-origin X,Y --canvas WxH             a practice board at that place
//                  | --at red=X,Y,green=X,Y,blue=X,Y,canvas=X,Y --canvas-rect X,Y,W,H
//                    [--hand-at-percent P] [--end-at-percent TERM|INT|QUIT|HUP|XKILL,P]
//
// With --at, each point is the screen pixel the capture must yield: on oekakiBBS the tens up-arrow
// point, on PaintBBS the slider pixel that sets 5, and the canvas's first pixel. With
// --hand-at-percent, a hand moves the mouse once the caption shows P per cent, and each question
// "描画を続けますか？" that follows is answered Yes (Enter, its default). It prints
// "board_window L T W H", "elapsed_ms N" and "go_on_answers K"; the exit status is 0 when the run
// ended and the canvas was saved. With --end-at-percent, once the caption shows P per cent, the
// signal is sent to mipro, or with XKILL its window's X connection is cut; mipro must then end by
// itself within a few seconds, with status 0 (1 for the connection lost), and the driver prints
// "ended_after_ms N".
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/form_layout.h"
#include "base/nearest_int.h"
#include "base/twips.h"
#include "board/bmp_file.h"
#include "board/board_picture.h"
#include "board/layout.h"
#include "targeting/capture_record.h"
#include "targeting/magnifier_geometry.h"
#include "tests/linux/e2e/x_user.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kStepTimeout = 60s;
constexpr auto kRunTimeout = 30min;
constexpr auto kSettle = 300ms;
constexpr auto kEndAfterSignal = 5s;
// The end of mipro's X connection, given as a signal number no signal has.
constexpr int kConnectionCut = 0;
constexpr int kStatusAfterSignal = 0;
constexpr int kStatusAfterConnectionLost = 1;
constexpr const char* kMiproClass = "Mipro";
constexpr const char* kTitlePrefix = "ミプロ♪ ver.";
constexpr const char* kChooserTitle = "開く";
constexpr const char* kMagnifierTitle = "frmMAG";
constexpr const char* kFinalCaption = " 描画 100% 完了...";
constexpr int kStartPointLeftOfCanvas = 5;
// A button's label is dark while it can be pressed and grey while it cannot.
constexpr int kDarkText = 0x50;
constexpr int kDarkPixelsOfALabel = 8;
// The hand: small moves over a few hundred milliseconds.
constexpr int kHandSteps = 20;
constexpr int kHandStepPx = 3;
constexpr auto kHandStepPause = 15ms;
constexpr int kHandClear = 40;
constexpr int kAside = 10;

// mipro, once started: a driver that gives up ends it, so nothing is left on the display.
pid_t g_mipro = 0;

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "linux e2e: %s\n", why.c_str());
    if (g_mipro) kill(g_mipro, SIGKILL);
    std::exit(1);
}

void Require(bool ok, const std::string& why) {
    if (!ok) Fail(why);
}

ScreenPoint PointArg(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) Fail("not a point: " + text);
    return {std::atoi(text.c_str()), std::atoi(text.c_str() + comma + 1)};
}

// What the captures must yield, and where the canvas lies.
struct Targets {
    std::array<ScreenPoint, 3> channels;
    ScreenPoint canvas;
    ScreenRect canvasRect;
    ScreenRect boardRect;  // for screenshots; the canvas alone for a board of somebody else's
    bool practiceBoard = false;
};

// The smallest rectangle holding the canvas and every point the captures must yield.
ScreenRect Span(const Targets& t) {
    ScreenRect r = t.boardRect;
    for (const ScreenPoint p : {t.channels[0], t.channels[1], t.channels[2], t.canvas}) {
        r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x + 1), std::max(r.bottom, p.y + 1)};
    }
    return r;
}

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Targets PracticeBoardTargets(board::Kind kind, ScreenPoint origin, board::Size canvas) {
    const board::Layout layout(kind, canvas);
    auto onScreen = [origin](board::Point p) { return ScreenPoint{origin.x + p.x, origin.y + p.y}; };
    Targets t;
    for (board::Channel c : board::kChannels) {
        t.channels[static_cast<int>(c)] = onScreen(kind == board::Kind::OekakiBBS
                                                       ? layout.arrowPoint(c, board::Arrow::TensUp)
                                                       : layout.paintControl(c).zero);
    }
    t.canvas = onScreen(layout.canvasOrigin());
    t.canvasRect = {t.canvas.x, t.canvas.y, t.canvas.x + canvas.width, t.canvas.y + canvas.height};
    const board::Size size = layout.boardSize();
    t.boardRect = {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    t.practiceBoard = true;
    return t;
}

struct Arguments {
    std::string mipro, picture, canvasFile;
    board::Kind kind = board::Kind::OekakiBBS;
    int speedIndex = 0;
    Targets targets;
    int handAtPercent = -1;
    int endSignal = kConnectionCut;
    int signalAtPercent = -1;
};

int SignalNamed(const std::string& name) {
    if (name == "TERM") return SIGTERM;
    if (name == "INT") return SIGINT;
    if (name == "QUIT") return SIGQUIT;
    if (name == "HUP") return SIGHUP;
    if (name == "XKILL") return kConnectionCut;
    Fail("not a way to end a session: " + name);
}

Arguments Parse(int argc, char** argv) {
    if (argc < 6) Fail("usage: linux_e2e_driver MIPRO PICTURE CANVAS_BMP BOARD SPEED (--board-origin ... | --at ...)");
    Arguments a;
    a.mipro = argv[1];
    a.picture = argv[2];
    a.canvasFile = argv[3];
    a.kind = std::string(argv[4]) == "PaintBBS" ? board::Kind::PaintBBS : board::Kind::OekakiBBS;
    const std::string speed = argv[5];
    a.speedIndex = speed == "slow" ? 2 : speed == "normal" ? 1 : 0;
    ScreenPoint origin{-1, -1};
    board::Size canvas{300, 300};
    bool atGiven = false;
    for (int i = 6; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--board-origin") {
            origin = PointArg(value);
        } else if (name == "--canvas") {
            canvas = {std::atoi(value.c_str()), std::atoi(value.c_str() + value.find('x') + 1)};
        } else if (name == "--at") {
            atGiven = true;
            for (const char* key : {"red=", "green=", "blue=", "canvas="}) {
                const std::size_t at = value.find(key);
                if (at == std::string::npos) Fail(std::string("--at lacks ") + key);
                const ScreenPoint p = PointArg(value.substr(at + std::string(key).size()));
                if (std::string(key) == "canvas=") a.targets.canvas = p;
                else a.targets.channels[key[0] == 'r' ? 0 : key[0] == 'g' ? 1 : 2] = p;
            }
        } else if (name == "--canvas-rect") {
            int x = 0, y = 0, w = 0, h = 0;
            if (std::sscanf(value.c_str(), "%d,%d,%d,%d", &x, &y, &w, &h) != 4) Fail("not a rectangle: " + value);
            a.targets.canvasRect = a.targets.boardRect = {x, y, x + w, y + h};
        } else if (name == "--hand-at-percent") {
            a.handAtPercent = std::atoi(value.c_str());
        } else if (name == "--end-at-percent") {
            const std::size_t comma = value.find(',');
            if (comma == std::string::npos) Fail("not HOW,PERCENT: " + value);
            a.endSignal = SignalNamed(value.substr(0, comma));
            a.signalAtPercent = std::atoi(value.c_str() + comma + 1);
        } else {
            Fail("unknown option " + name);
        }
    }
    if (!atGiven) a.targets = PracticeBoardTargets(a.kind, origin, canvas);
    return a;
}

// The square corner whose capture yields `point`: the guide's derived point lies that far into it.
ScreenPoint CornerFor(ScreenPoint point, std::int32_t dx, std::int32_t dy) { return {point.x - dx, point.y - dy}; }

class User {
public:
    User(const Arguments& args, XUser& x, int twipsPerPixel)
        : args_(args), x_(x), twips_(twipsPerPixel), g_(MagnifierGeometryFor(twipsPerPixel, twipsPerPixel)) {}

    // The practice board's page has drawn its board once its panel shows at the board's corner.
    void waitForPracticeBoard() {
        if (!args_.targets.practiceBoard) return;
        const ScreenRect corner{args_.targets.boardRect.left, args_.targets.boardRect.top,
                                args_.targets.boardRect.left + 1, args_.targets.boardRect.top + 1};
        Require(WaitUntil([&] { return x_.look(corner).at(0, 0) == board::kPanelColour; }, kStepTimeout),
                "the practice board did not show");
    }

    // mipro ends with the driver even when the driver dies without a word (a crash, a kill), so it
    // is never left on the display holding the output the script waits on.
    void startMipro() {
        const pid_t driver = getpid();
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() == driver) execl(args_.mipro.c_str(), args_.mipro.c_str(), nullptr);
            _exit(127);
        }
        Require(pid_ > 0, "mipro did not start");
        g_mipro = pid_;
        Require(WaitUntil([&] { return findMain(); }, kStepTimeout), "frmMAIN did not show");
        Require(WaitUntil([&] { return enabled({Control::cmdNEXT}); }, kStepTimeout), "step 1 was not entered");
    }

    void choosePicture() {
        press({Control::cmdNEXT});
        press({Control::cmdOPEN});
        Require(WaitUntil([&] { return titled(kChooserTitle).has_value(); }, kStepTimeout), "the file chooser did not open");
        std::this_thread::sleep_for(kSettle);
        x_.key("l", true);
        std::this_thread::sleep_for(kSettle);
        x_.type(args_.picture);
        std::this_thread::sleep_for(kSettle);
        x_.key("Return");
        Require(WaitUntil([&] { return !titled(kChooserTitle) && enabled({Control::cmdNEXT}); }, kStepTimeout),
                "the picture was not loaded");
    }

    void extract() {
        press({Control::cmdNEXT});
        std::this_thread::sleep_for(kSettle);
        Require(WaitUntil([&] { return enabled({Control::cmdNEXT}); }, kStepTimeout), "the extraction did not end");
    }

    void chooseBoard() {
        press({Control::cmdNEXT});
        if (args_.kind == board::Kind::PaintBBS) press({Control::optBOARD, 1});
    }

    void captureColourControls() {
        press({Control::cmdNEXT});
        const bool oekaki = args_.kind == board::Kind::OekakiBBS;
        std::vector<ScreenPoint> corners;
        for (const ScreenPoint p : args_.targets.channels) {
            corners.push_back(oekaki ? CornerFor(p, kUpButtonDX, kUpButtonDY) : CornerFor(p, kSliderDX, kSliderDY));
        }
        capture({Control::cmdGETRGB}, corners);
    }

    void captureCanvas() {
        press({Control::cmdNEXT});
        capture({Control::cmdGETHOME}, {CornerFor(args_.targets.canvas, kCanvasDX, kCanvasDY)});
        press({Control::cmdNEXT});
    }

    // Returns the run's time in milliseconds, from the press on 描画開始 to its end.
    long draw() {
        if (args_.speedIndex != 0) press({Control::optSPEED, args_.speedIndex});
        moveMainAside();
        const ScreenPoint start{args_.targets.canvas.x - kStartPointLeftOfCanvas, args_.targets.canvas.y};
        press({Control::cmdDRAW});
        const auto begun = std::chrono::steady_clock::now();
        bool handMoved = false;
        const bool ended = WaitUntil(
            [&] {
                if (auto question = openQuestion()) answerGoOn(*question, handMoved);
                const std::string caption = mainTitle();
                if (args_.handAtPercent >= 0 && !handMoved && PercentIn(caption) >= args_.handAtPercent) {
                    handMoves();
                    handMoved = true;
                }
                if (args_.signalAtPercent >= 0 && PercentIn(caption) >= args_.signalAtPercent) return true;
                return caption == kFinalCaption && x_.pointer() == start;
            },
            std::chrono::duration_cast<std::chrono::milliseconds>(kRunTimeout));
        const auto end = std::chrono::steady_clock::now();
        Require(ended, "the run did not end; the caption reads \"" + mainTitle() + "\"");
        return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(end - begun).count());
    }

    // Returns the time from the signal (or the cut) to mipro's end, in milliseconds.
    long endSession() {
        const bool cut = args_.endSignal == kConnectionCut;
        if (cut) {
            x_.killClient(main_);
        } else {
            Require(kill(pid_, args_.endSignal) == 0, "the signal could not be sent");
        }
        const auto sent = std::chrono::steady_clock::now();
        int status = 0;
        const bool gone = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, kEndAfterSignal);
        Require(gone, "mipro did not end after the session's end");
        g_mipro = 0;
        Require(WIFEXITED(status), "mipro was ended by a signal instead of ending by itself");
        const int expected = cut ? kStatusAfterConnectionLost : kStatusAfterSignal;
        Require(WEXITSTATUS(status) == expected, "mipro ended with status " + std::to_string(WEXITSTATUS(status)));
        const auto ended = std::chrono::steady_clock::now();
        return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(ended - sent).count());
    }

    void saveCanvas() {
        Require(board::SaveBmp24(args_.canvasFile, x_.look(args_.targets.canvasRect)), "the canvas was not saved");
    }

    void closeMipro() {
        x_.close(main_);
        int status = 0;
        const bool gone = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, 10s);
        if (!gone) kill(pid_, SIGKILL);
    }

    int goOnAnswers() const { return goOnAnswers_; }

private:
    bool findMain() {
        const auto w = x_.window([](const TopWindow& t) {
            return t.wmClass == kMiproClass && t.title.rfind(kTitlePrefix, 0) == 0;
        });
        if (w) main_ = w->id;
        return w.has_value();
    }

    std::optional<TopWindow> titled(const std::string& title) {
        return x_.window([&](const TopWindow& t) { return t.wmClass == kMiproClass && t.title == title; });
    }

    std::string mainTitle() {
        const auto w = x_.window([&](const TopWindow& t) { return t.id == main_; });
        return w ? w->title : "";
    }

    // A message box: a window of the program titled with its title, other than frmMAIN.
    std::optional<TopWindow> openQuestion() {
        return x_.window([&](const TopWindow& t) {
            return t.wmClass == kMiproClass && t.id != main_ && t.title.rfind(kTitlePrefix, 0) == 0;
        });
    }

    // The control's rectangle on the screen, from the form's design and where frmMAIN lies.
    ScreenRect rectOf(ControlRef c) {
        const auto w = x_.window([&](const TopWindow& t) { return t.id == main_; });
        Require(w.has_value(), "frmMAIN is not on the screen");
        const ControlDesign& d = DesignOf(c);
        const int left = w->rect.left + NearestInt(d.left / static_cast<double>(twips_));
        const int top = w->rect.top + NearestInt(d.top / static_cast<double>(twips_));
        return {left, top, left + NearestInt(d.width / static_cast<double>(twips_)),
                top + NearestInt(d.height / static_cast<double>(twips_))};
    }

    bool enabled(ControlRef c) {
        if (!x_.window([&](const TopWindow& t) { return t.id == main_; })) return false;
        const board::Raster seen = x_.look(rectOf(c));
        int dark = 0;
        for (int y = 0; y < seen.height(); ++y) {
            for (int x = 0; x < seen.width(); ++x) {
                const board::Colour p = seen.at(x, y);
                dark += board::RedOf(p) < kDarkText && board::GreenOf(p) < kDarkText && board::BlueOf(p) < kDarkText;
            }
        }
        return dark >= kDarkPixelsOfALabel;
    }

    void press(ControlRef c) {
        Require(WaitUntil([&] { return enabled(c); }, kStepTimeout), "a control did not become available");
        const ScreenRect r = rectOf(c);
        x_.clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        std::this_thread::sleep_for(kSettle);
    }

    // For each square corner: waits for the magnifier, puts the pointer where its guide lines up
    // with the corner, and presses Enter.
    void capture(ControlRef button, const std::vector<ScreenPoint>& corners) {
        press(button);
        for (const ScreenPoint corner : corners) {
            Require(WaitUntil([&] { return titled(kMagnifierTitle).has_value(); }, kStepTimeout),
                    "the magnifier did not open");
            std::this_thread::sleep_for(kSettle);
            x_.moveTo({corner.x - g_.SrcDX + g_.HalfWPx, corner.y - g_.SrcDY + g_.HalfHPx});
            std::this_thread::sleep_for(kSettle);
            x_.key("Return");
            std::this_thread::sleep_for(kSettle);
        }
        Require(WaitUntil([&] { return !titled(kMagnifierTitle) && findMain(); }, kStepTimeout),
                "the magnifier did not close");
        Require(WaitUntil([&] { return enabled({Control::cmdNEXT}); }, kStepTimeout), "the capture did not complete");
    }

    // Without a window manager minimising does nothing: the user puts the window in a corner of
    // the screen clear of the canvas and the controls.
    void moveMainAside() {
        const auto w = x_.window([&](const TopWindow& t) { return t.id == main_; });
        Require(w.has_value(), "frmMAIN is not on the screen");
        const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
        const ScreenRect s = x_.screen(), keepClear = Span(args_.targets);
        for (const ScreenPoint corner : {ScreenPoint{s.right - width - kAside, s.bottom - height - kAside},
                                         ScreenPoint{kAside, s.bottom - height - kAside},
                                         ScreenPoint{s.right - width - kAside, kAside}, ScreenPoint{kAside, kAside}}) {
            if (Overlap({corner.x, corner.y, corner.x + width, corner.y + height}, keepClear)) continue;
            x_.moveWindow(main_, corner);
            std::this_thread::sleep_for(kSettle);
            return;
        }
        Fail("no corner of the screen is clear of the board");
    }

    // The hand takes the mouse off the canvas and moves on in small steps. Its first movement lands
    // beside the canvas: a movement while a click's button is held (3 ms of every pixel) is a drag
    // on the board, which would paint where the hand went, and no program can stop that.
    void handMoves() {
        const ScreenPoint from{args_.targets.canvasRect.left, args_.targets.canvasRect.bottom + kHandClear};
        for (int step = 0; step < kHandSteps; ++step) {
            x_.moveTo({from.x + kHandStepPx * step, from.y + kHandStepPx * step});
            std::this_thread::sleep_for(kHandStepPause);
        }
    }

    // The hand comes to the question and answers with Enter, which takes its default: Yes.
    void answerGoOn(const TopWindow& question, bool handMoved) {
        Require(handMoved, "the run stopped with a question nobody's hand caused");
        const ScreenRect r = question.rect;
        x_.moveTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        std::this_thread::sleep_for(kSettle);
        x_.key("Return");
        Require(WaitUntil([&] { return !x_.window([&](const TopWindow& t) { return t.id == question.id; }); }, 10s),
                "the question did not close");
        ++goOnAnswers_;
    }

    static int PercentIn(const std::string& caption) {
        const std::size_t at = caption.find("描画 ");
        return at == std::string::npos ? -1 : std::atoi(caption.c_str() + at + std::string("描画 ").size());
    }

    const Arguments& args_;
    XUser& x_;
    int twips_;
    MagnifierGeometry g_;
    pid_t pid_ = 0;
    XWindowId main_ = 0;
    int goOnAnswers_ = 0;
};

}  // namespace
}  // namespace mipro::testing

int main(int argc, char** argv) {
    using namespace mipro;
    using namespace mipro::testing;
    const Arguments args = Parse(argc, argv);
    XUser x;
    Require(x.connected(), "no X display");
    // The display of the tests has no Xft.dpi: 96 dots per inch, as mipro takes it too.
    User user(args, x, TwipsPerPixelAt(kStandardDotsPerInch));
    user.waitForPracticeBoard();
    user.startMipro();
    user.choosePicture();
    user.extract();
    user.chooseBoard();
    user.captureColourControls();
    user.captureCanvas();
    const long elapsed = user.draw();
    if (args.signalAtPercent >= 0) {
        std::printf("ended_after_ms %ld\n", user.endSession());
        return 0;
    }
    user.saveCanvas();
    user.closeMipro();
    const ScreenRect b = args.targets.boardRect;
    std::printf("board_window %d %d %d %d\n", b.left, b.top, b.right - b.left, b.bottom - b.top);
    std::printf("elapsed_ms %ld\ngo_on_answers %d\n", elapsed, user.goOnAnswers());
    return 0;
}
