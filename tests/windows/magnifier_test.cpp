// The magnifier on the real window system, over the practice board: a user lines each guide up
// with the board's controls and canvas by placing the pointer and pressing Enter, and every
// derived point must land where the board says its control is.
//
// With MAGNIFIER_SHOT_DIR set, the hand stops before pressing Enter on the red control and on the
// canvas corner, writes "<dir>/ready-<name>" and waits for "<dir>/taken-<name>", so that a
// screenshot can be taken from outside.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/main_form.h"
#include "base/nearest_int.h"
#include "board/report.h"
#include "mipro_process.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/display_units.h"
#include "editions/win32/unicode_text.h"
#include "editions/win32/win32_desktop.h"
#include "practice_board_process.h"
#include "targeting/capture_steps.h"
#include "targeting/guide_picture.h"
#include "targeting/magnifier_geometry.h"
#include "targeting/window_checks.h"

namespace mipro::win32 {
namespace {

using testing::PointOf;
using testing::PracticeBoardProcess;
using testing::PressEnter;
using testing::ShownMagnifier;
using testing::WaitFor;

constexpr int kSettleMs = 400;
constexpr std::chrono::seconds kWaitLimit{20};
constexpr int kPlacingTries = 5;

// Waits, when screenshots are asked for, until one has been taken of what the screen shows now.
void OfferScreenshot(const std::string& name) {
    char dir[MAX_PATH] = {};
    if (GetEnvironmentVariableA("MAGNIFIER_SHOT_DIR", dir, MAX_PATH) == 0) return;
    const std::filesystem::path base(dir);
    std::ofstream(base / ("ready-" + name)).put('\n');
    WaitFor([&] { return std::filesystem::exists(base / ("taken-" + name)); }, kWaitLimit);
}

// The user: for each square corner in turn, waits for the magnifier, puts the pointer where
// the guide lines up with it, looks, and presses Enter. If the magnifier is still open long after,
// it is closed so the test ends instead of hanging.
// What the user saw in the magnifier just before pressing Enter, next to what the screen shows
// at the matching source pixels.
struct ViewSample {
    COLORREF inCornerSquare = 0;  // view (10, 30): inside the top-left corner square of a control guide
    COLORREF underCornerSquare = 0;
    COLORREF inMiddle = 0;        // view (121, 241): no guide mark there in any frame
    COLORREF underMiddle = 0;
    RECT window{};                // where the magnifier lay
    POINT pointer{};              // where the pointer was
};

// View pixels and the source pixels they magnify (a source pixel s covers view 3s to 3s + 2).
constexpr POINT kCornerInView{10, 30}, kCornerInSource{3, 10};
constexpr POINT kMiddleInView{121, 241}, kMiddleInSource{40, 80};

ViewSample Look(HWND magnifier, ScreenPoint corner) {
    RECT r{};
    GetWindowRect(magnifier, &r);
    HDC screen = GetDC(nullptr);
    ViewSample s;
    s.inCornerSquare = GetPixel(screen, r.left + kCornerInView.x, r.top + kCornerInView.y);
    s.underCornerSquare = GetPixel(screen, corner.x + kCornerInSource.x, corner.y + kCornerInSource.y);
    s.inMiddle = GetPixel(screen, r.left + kMiddleInView.x, r.top + kMiddleInView.y);
    s.underMiddle = GetPixel(screen, corner.x + kMiddleInSource.x, corner.y + kMiddleInSource.y);
    ReleaseDC(nullptr, screen);
    s.window = r;
    GetCursorPos(&s.pointer);
    return s;
}

class Hand {
public:
    Hand(std::vector<ScreenPoint> corners, std::vector<std::string> shots, std::vector<ViewSample>& seen)
        : seen_(seen), thread_([this, corners, shots] { run(corners, shots); }) {}
    ~Hand() { thread_.join(); }
    Hand(const Hand&) = delete;
    Hand& operator=(const Hand&) = delete;

private:
    // The pointer for which the magnified square starts at `corner`: the window is centred on the
    // pointer and the square lies SrcDX pixels from its left edge and SrcDY from its top.
    static ScreenPoint PointerFor(ScreenPoint corner) {
        const auto tx = NearestInt(TwipsPerPixelX()), ty = NearestInt(TwipsPerPixelY());
        const MagnifierGeometry g = MagnifierGeometryFor(tx, ty);
        return {corner.x - g.SrcDX + g.HalfWPx, corner.y - g.SrcDY + g.HalfHPx};
    }

    static bool PointerIsAt(ScreenPoint p) {
        POINT now{};
        GetCursorPos(&now);
        return now.x == p.x && now.y == p.y;
    }

    void run(const std::vector<ScreenPoint>& corners, const std::vector<std::string>& shots) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            if (!WaitFor([] { return ShownMagnifier() != nullptr; }, kWaitLimit)) return;
            // The magnifier puts the pointer where it opens: the hand moves only after that.
            Sleep(kSettleMs);
            const ScreenPoint p = PointerFor(corners[i]);
            for (int tries = 0; tries < kPlacingTries && !PointerIsAt(p); ++tries) {
                SetCursorPos(p.x, p.y);
                Sleep(kSettleMs);
            }
            if (HWND magnifier = ShownMagnifier()) seen_.push_back(Look(magnifier, corners[i]));
            if (i < shots.size() && !shots[i].empty()) OfferScreenshot(shots[i]);
            PressEnter();
            Sleep(kSettleMs);
        }
        if (!WaitFor([] { return ShownMagnifier() == nullptr; }, kWaitLimit)) {
            if (HWND h = FindWindowW(kMagnifierWindowClass, nullptr)) PostMessageW(h, WM_CLOSE, 0, 0);
        }
    }

    std::vector<ViewSample>& seen_;
    std::thread thread_;
};

// The program's own platform on the real window system, with the wizard that steps run on.
struct RealDesktop : Win32Desktop {
    Wizard w{platform};
    MainForm form{w};
};

// The three colour controls' guide corners, red first.
std::vector<ScreenPoint> ChannelGuides(const board::Report& r) {
    return {PointOf(r, "red_guide"), PointOf(r, "green_guide"), PointOf(r, "blue_guide")};
}

class RealCapture : public ::testing::Test {
protected:
    void SetUp() override {
        // The main window of an earlier test asked the program to end when it was destroyed; that
        // request would stop every later DoEvents short.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ASSERT_TRUE(window.create(GetModuleHandleW(nullptr), desk.form));
        // Run at another display scaling, the test says which dots per inch it must see.
        wchar_t expected[8] = {};
        if (GetEnvironmentVariableW(L"MIPRO_EXPECT_DPI", expected, 8) > 0) {
            HDC screen = GetDC(nullptr);
            ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), _wtoi(expected));
            ReleaseDC(nullptr, screen);
        }
        w.st.TwipsX = NearestInt(TwipsPerPixelX());
        w.st.TwipsY = NearestInt(TwipsPerPixelY());
        w.st.SoundOn = 0;
        w.st.StepDone(4, 0) = True;
        window.showWindow(true);
    }

    // Runs step `step`'s capture on board kind `kind` with the hand lining up at `corners`.
    void Capture(int step, int kind, std::vector<ScreenPoint> corners, std::vector<std::string> shots = {}) {
        w.st.StepNo = step;
        w.st.BoardKind = static_cast<std::int16_t>(kind);
        seen.clear();
        Hand hand(std::move(corners), std::move(shots), seen);
        if (step == 5) cmdGETRGB_Click(w);
        else cmdGETHOME_Click(w);
    }

    // The three colour controls of board kind `kind`, each view checked against the screen.
    void CaptureColourControls(int kind, const board::Report& r, const std::string& shot) {
        Capture(5, kind, ChannelGuides(r), {shot});
        EXPECT_EQ(w.st.StepDone(5, kind), True) << "the capture did not complete";
        ExpectViewsMagnifyTheScreenThrough({kGuideRed, kGuideGreen, kGuideBlue});
    }

    // The view is the screen magnified, ANDed with the guide: a corner square keeps only its
    // channel's component, and where the guide is white the screen shows unchanged. The window is
    // 307 x 307 pixels with the pointer at its centre, half a pixel either way.
    void ExpectViewsMagnifyTheScreenThrough(const std::vector<COLORREF>& guideColours) {
        ASSERT_EQ(seen.size(), guideColours.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].inMiddle, seen[i].underMiddle) << "capture " << i;
            EXPECT_EQ(seen[i].inCornerSquare, seen[i].underCornerSquare & guideColours[i]) << "capture " << i;
            const RECT& r = seen[i].window;
            EXPECT_EQ(r.right - r.left, kMagnifierSizePx) << "capture " << i;
            EXPECT_EQ(r.bottom - r.top, kMagnifierSizePx) << "capture " << i;
            EXPECT_LE(std::abs(2 * (seen[i].pointer.x - r.left) - kMagnifierSizePx), 1) << "capture " << i;
            EXPECT_LE(std::abs(2 * (seen[i].pointer.y - r.top) - kMagnifierSizePx), 1) << "capture " << i;
        }
    }

    RealDesktop desk;
    Wizard& w = desk.w;
    Win32MainWindow& window = desk.window;
    std::vector<ViewSample> seen;
};

TEST_F(RealCapture, OekakiButtonsAndCanvasLandWhereTheBoardHasThem) {
    PracticeBoardProcess board(L"--board oekakiBBS --pos 420,260", L"magnifier-oekaki");
    const board::Report r = board.waitUntilShown().value_or(board::Report({}));
    ASSERT_FALSE(r.find("canvas").empty()) << "the practice board wrote no report";

    CaptureColourControls(0, r, "oekaki-red");
    const CaptureRecord& c = w.st.capture;
    EXPECT_EQ(c.PooRBtn1, PointOf(r, "red_tens_up"));
    EXPECT_EQ(c.PooRBtn2, PointOf(r, "red_ones_down"));
    EXPECT_EQ(c.PooGBtn1, PointOf(r, "green_tens_up"));
    EXPECT_EQ(c.PooGBtn2, PointOf(r, "green_ones_down"));
    EXPECT_EQ(c.PooBBtn1, PointOf(r, "blue_tens_up"));
    EXPECT_EQ(c.PooBBtn2, PointOf(r, "blue_ones_down"));
    // The other two buttons of each channel share those columns and rows.
    EXPECT_EQ(c.PooRBtn1.x, PointOf(r, "red_tens_down").x);
    EXPECT_EQ(c.PooRBtn2.y, PointOf(r, "red_tens_down").y);
    EXPECT_EQ(c.PooRBtn2.x, PointOf(r, "red_ones_up").x);
    EXPECT_EQ(c.PooRBtn1.y, PointOf(r, "red_ones_up").y);

    Capture(6, 0, {PointOf(r, "canvas_guide")}, {"oekaki-canvas"});
    ASSERT_EQ(w.st.StepDone(6, 0), True);
    ExpectViewsMagnifyTheScreenThrough({kWindowBackground});
    EXPECT_EQ(c.PooHome, PointOf(r, "canvas"));
    EXPECT_TRUE(IsWindowVisible(window.handle()));
}

// The two boards lie one pixel apart in parity, so at every scaling the magnifier must be able to
// start its square on odd and on even pixels alike.
TEST_F(RealCapture, PaintSlidersAndCanvasLandWhereTheBoardHasThem) {
    PracticeBoardProcess board(L"--board PaintBBS --pos 381,241", L"magnifier-paint");
    const board::Report r = board.waitUntilShown().value_or(board::Report({}));
    ASSERT_FALSE(r.find("canvas").empty()) << "the practice board wrote no report";

    CaptureColourControls(1, r, "paint-red");
    const CaptureRecord& c = w.st.capture;
    EXPECT_EQ(c.ShiRBar, PointOf(r, "red_slider"));
    EXPECT_EQ(c.ShiGBar, PointOf(r, "green_slider"));
    EXPECT_EQ(c.ShiBBar, PointOf(r, "blue_slider"));

    Capture(6, 1, {PointOf(r, "canvas_guide")}, {"paint-canvas"});
    ASSERT_EQ(w.st.StepDone(6, 1), True);
    EXPECT_EQ(c.ShiHome, PointOf(r, "canvas"));
}

// Windows of given classes standing for a board's canvas and the desktop's icon view.
class ClassedWindows : public ::testing::Test {
protected:
    HWND Make(const wchar_t* cls, int x, int y) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = cls;
        RegisterClassExW(&wc);
        HWND h = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls, L"", WS_POPUP | WS_VISIBLE, x, y, 100, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        made.push_back(h);
        return h;
    }
    void TearDown() override {
        for (HWND h : made) DestroyWindow(h);
    }
    std::int32_t VerdictAt(int x, int y) {
        w.st.CurPnt = {x, y};
        return CheckClassName(w);
    }

    std::vector<HWND> made;
    RealDesktop desk;
    Wizard& w = desk.w;
};

TEST_F(ClassedWindows, TheWindowUnderThePointDecides) {
    Make(L"SysListView32", 20, 20);
    Make(L"sunawtcanvas", 200, 20);
    Make(L"MSAWT_Comp_Class", 400, 20);
    Make(L"ToolbarWindow32", 600, 20);
    EXPECT_EQ(VerdictAt(50, 50), 99);
    EXPECT_EQ(VerdictAt(250, 50), 0);
    EXPECT_EQ(VerdictAt(450, 50), 0);
    EXPECT_EQ(VerdictAt(650, 50), -1);
}

TEST_F(ClassedWindows, ADestroyedWindowHasNoClassName) {
    HWND h = Make(L"SunAwtFrame", 20, 200);
    EXPECT_EQ(GetWndClassName(desk.screen, reinterpret_cast<WindowHandle>(h)), "SunAwtFrame");
    DestroyWindow(h);
    made.clear();
    EXPECT_EQ(GetWndClassName(desk.screen, reinterpret_cast<WindowHandle>(h)), "");
}

}  // namespace
}  // namespace mipro::win32
