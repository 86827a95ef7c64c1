// practice-board.exe on the real window system: another process moves the pointer and injects
// button and key events as mipro does, and the board's values, canvas and picture follow its model.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "practice_board_process.h"

namespace mipro::testing {
namespace {

constexpr DWORD kPause = 10;  // ms between injected events, as mipro's fastest speed leaves

void MoveTo(long x, long y) {
    SetCursorPos(static_cast<int>(x), static_cast<int>(y));
    Sleep(kPause);
}
void Down() {
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(kPause);
}
void Up() {
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(kPause);
}
// mipro's click on a pixel or an arrow button: put the pointer there, down, put it there again, up.
void ClickAt(const std::vector<long>& p) {
    MoveTo(p[0], p[1]);
    Down();
    MoveTo(p[0], p[1]);
    Up();
}
// A click where the pointer already is, as the colour reset makes them.
void ClickHere() {
    Down();
    Up();
}

void SendKey(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    Sleep(kPause);
}
void KeyDown(WORD virtualKey) { SendKey(virtualKey, 0); }
void KeyUp(WORD virtualKey) { SendKey(virtualKey, KEYEVENTF_KEYUP); }
void PressKey(WORD virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}
// Characters as another program types them: Unicode input, which arrives as VK_PACKET.
void TypeUnicode(const std::wstring& text) {
    for (wchar_t c : text) {
        for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            SendInput(1, &input, sizeof(input));
        }
        Sleep(kPause);
    }
}
void SelectAll() {
    KeyDown(VK_CONTROL);
    PressKey('A');
    KeyUp(VK_CONTROL);
}

std::wstring ClassUnder(long x, long y) {
    wchar_t name[64] = {};
    GetClassNameW(WindowFromPoint({static_cast<LONG>(x), static_cast<LONG>(y)}), name, 64);
    return name;
}

int NotWhite(const board::Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.at(x, y) != board::kWhite;
    return n;
}

class PracticeBoardTest : public ::testing::Test {
protected:
    void Start(const std::wstring& args) {
        board_ = std::make_unique<PracticeBoardProcess>(args, CurrentTestName());
        ASSERT_TRUE(board_->started()) << "could not start practice-board.exe: error " << board_->startError();
        const auto report = board_->waitUntilShown();
        ASSERT_TRUE(report.has_value()) << "no report from practice-board.exe";
        ASSERT_NE(board_->frame(), nullptr);
        shown_ = report->items();
    }
    std::vector<long> Spot(const std::string& name) const { return board::Report(shown_).find(name); }
    std::vector<long> Offset(const std::string& name, long dx, long dy) const {
        const std::vector<long> p = Spot(name);
        return {p[0] + dx, p[1] + dy};
    }
    std::vector<long> CanvasPixel(long x, long y) const { return Offset("canvas", x, y); }

    // The board handles posted messages before queued input, so the save is asked for again until
    // the report shows that the board has seen what was sent.
    board::Report ReportWhen(const std::function<bool(const board::Report&)>& seen, const std::string& what) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            const auto report = board_->requestSave();
            if (!report) break;
            if (seen(*report)) return *report;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ADD_FAILURE() << "the board did not receive " << what;
        return board::Report({});
    }
    // Once the board has seen all the button-downs sent (and the button-ups, where what comes
    // between a down and its up matters).
    board::Report ReportAfter(long downs, long ups = 0) {
        return ReportWhen([&](const board::Report& r) { return r.find("input").at(1) >= downs && r.find("input").at(2) >= ups; },
                          std::to_string(downs) + " button-downs and " + std::to_string(ups) + " button-ups");
    }
    // Once the board has seen as many keys as `keys` counts (characters and Enters in the field,
    // keys with no field focused) and all the button-downs sent.
    board::Report ReportAfterKeys(const std::vector<long>& keys, long downs) {
        return ReportWhen(
            [&](const board::Report& r) {
                const std::vector<long> seen = r.find("keys");
                return seen.size() == 4 && seen[0] >= keys[0] && seen[1] >= keys[1] && seen[2] >= keys[2] &&
                       r.find("input").at(1) >= downs;
            },
            "the keys and " + std::to_string(downs) + " button-downs");
    }

    struct Painted {
        int x, y;
        board::Colour colour;
    };
    // Once the board has seen `downs` button-downs: its values, and a canvas painted exactly there.
    void ExpectBoard(long downs, const std::vector<long>& values, const std::vector<Painted>& pixels) {
        const board::Report report = ReportAfter(downs);
        EXPECT_EQ(report.find("values"), values);
        const auto canvas = board_->canvas();
        ASSERT_TRUE(canvas.has_value());
        for (const Painted& p : pixels) EXPECT_EQ(canvas->at(p.x, p.y), p.colour) << p.x << "," << p.y;
        EXPECT_EQ(NotWhite(*canvas), static_cast<int>(pixels.size()));
    }

    // Once the board has seen `downs` button-downs and `ups` button-ups: how many canvas pixels are painted.
    void ExpectBoardPainted(long downs, long ups, int painted) {
        ReportAfter(downs, ups);
        const auto canvas = board_->canvas();
        ASSERT_TRUE(canvas.has_value());
        EXPECT_EQ(NotWhite(*canvas), painted);
    }

    static std::wstring CurrentTestName() {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        return std::wstring(name.begin(), name.end());
    }

    std::unique_ptr<PracticeBoardProcess> board_;
    std::vector<board::ReportItem> shown_;
};

TEST_F(PracticeBoardTest, OekakiBoardLiesWhereItSaysWithTheCanvasClass) {
    Start(L"--board oekakiBBS --canvas 120x90 --pos 40,30");
    const std::vector<long> canvas = Spot("canvas");
    ASSERT_EQ(canvas.size(), 4u);
    EXPECT_EQ(canvas[2], 120);
    EXPECT_EQ(canvas[3], 90);
    EXPECT_EQ(ClassUnder(canvas[0], canvas[1]), L"SunAwtCanvas");
    EXPECT_EQ(ClassUnder(canvas[0] - 5, canvas[1]), L"SunAwtCanvas");
    EXPECT_EQ(ClassUnder(canvas[0] + 119, canvas[1] + 89), L"SunAwtCanvas");
    const auto red = Spot("red_tens_up");
    EXPECT_EQ(ClassUnder(red[0], red[1]), L"SunAwtCanvas");
    wchar_t title[64] = {};
    GetWindowTextW(board_->frame(), title, 64);
    EXPECT_STREQ(title, L"練習ボード - oekakiBBS");
}

TEST_F(PracticeBoardTest, OekakiArrowsSetTheColourAndCanvasClicksPaintIt) {
    Start(L"--board oekakiBBS --canvas 120x90 --pos 60,40");
    for (int i = 0; i < 3; ++i) ClickAt(Spot("red_tens_up"));
    for (int i = 0; i < 2; ++i) ClickAt(Spot("green_ones_up"));
    ClickAt(CanvasPixel(10, 5));
    // The colour reset's bursts: 26 clicks without moving, the last ones past the limit.
    MoveTo(Spot("red_tens_down")[0], Spot("red_tens_down")[1]);
    for (int i = 0; i < 26; ++i) ClickHere();
    MoveTo(Spot("blue_tens_up")[0], Spot("blue_tens_up")[1]);
    for (int i = 0; i < 26; ++i) ClickHere();
    ClickAt(CanvasPixel(11, 5));
    ClickAt(Offset("canvas", -5, 0));  // the start point beside the canvas: nothing happens

    ExpectBoard(3 + 2 + 1 + 26 + 26 + 1 + 1, {0, 2, 255},
                {{10, 5, board::Rgb(30, 2, 0)}, {11, 5, board::Rgb(0, 2, 255)}});
}

TEST_F(PracticeBoardTest, PaintSlidersFollowClicksAndMiprosDrags) {
    Start(L"--board PaintBBS --canvas 100x80 --pos 300,200 --class MSAWT_Comp_Class");
    const std::vector<long> canvas = Spot("canvas");
    EXPECT_EQ(ClassUnder(canvas[0], canvas[1]), L"MSAWT_Comp_Class");
    EXPECT_EQ(ClassUnder(canvas[0] - 5, canvas[1]), L"MSAWT_Comp_Class");

    ClickAt(Offset("red_slider", 25, 0));  // 130
    // To 255: down at rx + 48, and a fresh down at rx + 49 and rx + 50 without a release.
    for (long dx : {48, 49, 50}) {
        MoveTo(Spot("green_slider")[0] + dx, Spot("green_slider")[1]);
        Down();
    }
    Up();
    ClickAt(Offset("blue_slider", 9, 0));  // 50
    ClickAt(CanvasPixel(0, 0));
    // To 0: down at rx, then a fresh down at rx - 1.
    for (long dx : {0, -1}) {
        MoveTo(Spot("red_slider")[0] + dx, Spot("red_slider")[1]);
        Down();
    }
    Up();
    ClickAt(CanvasPixel(99, 79));

    ExpectBoard(1 + 3 + 1 + 1 + 2 + 1, {0, 255, 50},
                {{0, 0, board::Rgb(130, 255, 50)}, {99, 79, board::Rgb(0, 255, 50)}});
}

TEST_F(PracticeBoardTest, SliderDragKeepsGoingBeyondTheBoardWindow) {
    Start(L"--board PaintBBS --canvas 100x80 --pos 300,200");
    const std::vector<long> boardRect = Spot("board");
    ClickAt(Offset("blue_slider", 9, 0));
    MoveTo(Spot("blue_slider")[0] + 9, Spot("blue_slider")[1]);
    Down();
    MoveTo(boardRect[0] - 40, Spot("blue_slider")[1] + 60);  // off the board, left and below
    EXPECT_NE(ClassUnder(boardRect[0] - 40, Spot("blue_slider")[1] + 60), L"SunAwtCanvas");
    Up();
    const board::Report report = ReportAfter(2, 2);
    EXPECT_EQ(report.find("values"), (std::vector<long>{0, 0, 0}));
}

TEST_F(PracticeBoardTest, CanvasIsSavedWhenTheWindowCloses) {
    Start(L"--board oekakiBBS --canvas 50x40 --pos 80,60");
    ClickAt(Spot("green_tens_up"));
    ClickAt(CanvasPixel(49, 39));
    ReportAfter(2);
    std::filesystem::remove(board_->canvasPath());
    PostMessageW(board_->frame(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(board_->waitForEnd(10000));
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->width(), 50);
    EXPECT_EQ(canvas->height(), 40);
    EXPECT_EQ(canvas->at(49, 39), board::Rgb(0, 10, 0));
    EXPECT_EQ(NotWhite(*canvas), 1);
}

TEST_F(PracticeBoardTest, EveryEventIsRecorded) {
    Start(L"--board oekakiBBS --canvas 50x40 --pos 80,60");
    ClickAt(CanvasPixel(1, 1));
    Down();
    Up();
    const board::Report report = ReportAfter(2);
    EXPECT_EQ(report.find("input").at(1), 2);
    EXPECT_EQ(report.find("input").at(2), 2);
    // The window system may add moves of its own; the button events come in the order sent.
    std::vector<std::vector<long>> buttons;
    for (const board::ReportItem& e : report.all("event"))
        if (e.numbers.at(0) != 0) buttons.push_back(e.numbers);
    const long x = CanvasPixel(1, 1)[0], y = CanvasPixel(1, 1)[1];
    const std::vector<std::vector<long>> expected = {{1, x, y}, {2, x, y}, {1, x, y}, {2, x, y}};
    EXPECT_EQ(buttons, expected);
}

TEST_F(PracticeBoardTest, PressesOnTheToolsAndPaletteChangeTheBoardAndAreRecorded) {
    Start(L"--board oekakiBBS --canvas 120x90 --pos 60,40");
    EXPECT_EQ(ClassUnder(Spot("eraser_tool")[0], Spot("eraser_tool")[1]), L"SunAwtCanvas");
    ClickAt(CanvasPixel(10, 10));
    ClickAt(Offset("canvas", -5, 0));  // the start point: bare board
    ClickAt(Spot("brush_tool"));
    ClickAt(Offset("palette", 18 * 3 + 8, 8));  // the red swatch
    ClickAt(CanvasPixel(30, 30));
    ClickAt(Spot("red_tens_down"));

    const board::Report report = ReportAfter(6);
    EXPECT_EQ(report.find("tool"), std::vector<long>{1});
    EXPECT_EQ(report.find("values"), (std::vector<long>{245, 0, 0}));
    EXPECT_EQ(report.find("presses"), (std::vector<long>{2, 1, 1, 1, 1}));
    EXPECT_EQ(report.find("stray"), (std::vector<long>{3, 2}));
    const auto strays = report.all("stray_press");
    ASSERT_EQ(strays.size(), 3u);
    EXPECT_EQ(strays[0].numbers, (std::vector<long>{4, Offset("canvas", -5, 0)[0], Offset("canvas", -5, 0)[1], 0}));
    EXPECT_EQ(strays[1].numbers, (std::vector<long>{2, Spot("brush_tool")[0], Spot("brush_tool")[1], 1}));
    EXPECT_EQ(strays[2].numbers.at(0), 3);
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(NotWhite(*canvas), 1 + 9) << "a pixel of the pen and a square of the brush";
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(canvas->at(30 + dx, 30 + dy), board::Rgb(255, 0, 0));
}

TEST_F(PracticeBoardTest, FastDragPaintsTheWholeLineBetweenItsPoints) {
    Start(L"--board PaintBBS --canvas 100x80 --pos 300,200");
    MoveTo(CanvasPixel(5, 5)[0], CanvasPixel(5, 5)[1]);
    Down();
    MoveTo(CanvasPixel(80, 40)[0], CanvasPixel(80, 40)[1]);  // one jump: the board sees one move
    Up();
    ExpectBoardPainted(1, 1, 76);
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->at(5, 5), board::kBlack);
    EXPECT_EQ(canvas->at(80, 40), board::kBlack);
    for (int x = 5; x <= 80; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 80; ++y) inColumn += canvas->at(x, y) != board::kWhite;
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
}

TEST_F(PracticeBoardTest, ColourCodeBoardLiesWhereItSaysWithItsControls) {
    Start(L"--board ColourCode --canvas 120x90 --pos 40,30 --opener window");
    EXPECT_EQ(Spot("kind"), std::vector<long>{2});
    for (const char* part : {"code_open", "swatch"}) EXPECT_EQ(ClassUnder(Spot(part)[0], Spot(part)[1]), L"SunAwtCanvas") << part;
    EXPECT_EQ(Spot("code_field").size(), 2u);
    EXPECT_EQ(Spot("code_close").size(), 2u);
    wchar_t title[64] = {};
    GetWindowTextW(board_->frame(), title, 64);
    EXPECT_STREQ(title, L"練習ボード - ColourCode");
}

TEST_F(PracticeBoardTest, TypedCodeAppliesOnEnterThroughSendInput) {
    Start(L"--board ColourCode --canvas 120x90 --pos 60,40");
    ClickAt(Spot("code_field"));
    SelectAll();
    TypeUnicode(L"#12aB34");
    PressKey(VK_RETURN);
    ClickAt(CanvasPixel(10, 5));
    const board::Report report = ReportAfterKeys({7, 1, 0}, 2);
    EXPECT_EQ(report.find("values"), (std::vector<long>{0x12, 0xab, 0x34}));
    EXPECT_EQ(report.find("keys"), (std::vector<long>{7, 1, 0, 0}));
    EXPECT_EQ(report.find("codes"), std::vector<long>{1});
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->at(10, 5), board::Rgb(0x12, 0xab, 0x34));
}

TEST_F(PracticeBoardTest, KeysWithoutAFocusedFieldChooseToolsAndClearTheCanvas) {
    Start(L"--board ColourCode --canvas 120x90 --pos 60,40");
    ClickAt(CanvasPixel(10, 5));
    ClickAt(CanvasPixel(12, 5));
    PressKey('B');        // a letter as a keyboard sends it: a virtual key, then its character
    TypeUnicode(L"x");   // a key the board does not use
    const board::Report brush = ReportAfterKeys({0, 0, 2}, 2);
    EXPECT_EQ(brush.find("tool"), std::vector<long>{1});
    PressKey(VK_DELETE);
    ClickAt(CanvasPixel(40, 40));
    const board::Report cleared = ReportAfterKeys({0, 0, 3}, 3);
    EXPECT_EQ(cleared.find("keys"), (std::vector<long>{0, 0, 3, 1}));
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->at(10, 5), board::kWhite);
    EXPECT_EQ(NotWhite(*canvas), 9) << "only the brush's square after the clearing";
}

TEST_F(PracticeBoardTest, CodeWindowTakesThePressesOverTheCanvasUntilClosed) {
    Start(L"--board ColourCode --canvas 120x90 --pos 60,40 --opener window");
    ClickAt(Spot("code_open"));
    TypeUnicode(L"#00ff00");  // applies as it is typed
    ClickAt(CanvasPixel(5, 5));  // on the window
    ClickAt(Spot("code_close"));  // on it too
    ClickAt(CanvasPixel(6, 5));
    const board::Report report = ReportAfterKeys({7, 0, 0}, 4);
    EXPECT_EQ(report.find("codes"), std::vector<long>{1});
    EXPECT_EQ(report.find("window_presses"), std::vector<long>{2});
    EXPECT_EQ(report.find("presses"), (std::vector<long>{1, 1, 0, 0, 0}));
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->at(6, 5), board::Rgb(0, 255, 0));
    EXPECT_EQ(NotWhite(*canvas), 1);
}

TEST_F(PracticeBoardTest, ShiftClicksStepASliderByOne) {
    Start(L"--board PaintBBS --canvas 100x80 --pos 300,200");
    ClickAt(Offset("red_slider", 24, 0));  // 125, its knob at zero + 24
    KeyDown(VK_SHIFT);
    ClickAt(Offset("red_slider", 26, 0));
    ClickAt(Offset("red_slider", 26, 0));  // 127: the knob is still at zero + 25
    ClickAt(Offset("green_slider", 1, 0));
    ClickAt(Offset("blue_slider", -3, 0));
    KeyUp(VK_SHIFT);
    ClickAt(Offset("blue_slider", 9, 0));
    const board::Report report = ReportAfter(6);
    EXPECT_EQ(report.find("values"), (std::vector<long>{127, 1, 50}));
    EXPECT_EQ(report.find("presses"), (std::vector<long>{0, 6, 0, 0, 0}));
}

TEST_F(PracticeBoardTest, PenCursorShowsAtThePointerOverTheCanvasOnly) {
    Start(L"--board ColourCode --canvas 120x90 --pos 60,40");
    const std::vector<long> at = CanvasPixel(30, 30);
    HDC screen = GetDC(nullptr);
    // The ring's corner pixel is black on the white canvas while the pointer is there.
    const auto cornerIs = [&](COLORREF colour) {
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (GetPixel(screen, at[0] + 2, at[1] + 2) == colour) return true;
            Sleep(100);
        }
        return false;
    };
    MoveTo(at[0], at[1]);
    EXPECT_TRUE(cornerIs(RGB(0, 0, 0)));
    MoveTo(Spot("board")[0] - 30, at[1]);  // off the board: the board is left
    EXPECT_TRUE(cornerIs(RGB(255, 255, 255)));
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(board_->requestSave().has_value());
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(NotWhite(*canvas), 0) << "the canvas holds no cursor";
}

TEST_F(PracticeBoardTest, StabiliserEndsADragShort) {
    Start(L"--board oekakiBBS --canvas 100x80 --pos 80,60 --stabiliser 6");
    MoveTo(CanvasPixel(5, 5)[0], CanvasPixel(5, 5)[1]);
    Down();
    MoveTo(CanvasPixel(50, 5)[0], CanvasPixel(50, 5)[1]);
    Up();
    ExpectBoardPainted(1, 1, 40);
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->at(44, 5), board::kBlack);
    EXPECT_EQ(canvas->at(45, 5), board::kWhite);
}

// The message times say how far apart the presses were sent, whenever the board handles them.
TEST_F(PracticeBoardTest, BusyPaceMissesAPressSentTooSoonAfterTheLast) {
    Start(L"--board oekakiBBS --canvas 50x40 --pos 80,60 --busy-ms 1000");
    ClickAt(CanvasPixel(0, 0));
    ClickAt(CanvasPixel(1, 0));
    Sleep(1500);
    ClickAt(CanvasPixel(2, 0));
    const board::Report report = ReportAfter(3);
    EXPECT_EQ(report.find("busy_ms"), (std::vector<long>{1000, 1}));
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    for (int x = 0; x < 3; ++x) EXPECT_EQ(canvas->at(x, 0) == board::kWhite, x == 1) << x;
}

TEST_F(PracticeBoardTest, BusyBoardMissesEveryNthOfItsFirstPresses) {
    Start(L"--board oekakiBBS --canvas 50x40 --pos 80,60 --busy 2,4");
    for (int x = 0; x < 6; ++x) ClickAt(CanvasPixel(x, 0));
    const board::Report report = ReportAfter(6);
    EXPECT_EQ(report.find("busy"), (std::vector<long>{2, 4, 2}));
    const auto canvas = board_->canvas();
    ASSERT_TRUE(canvas.has_value());
    for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas->at(x, 0) == board::kWhite, x == 1 || x == 3) << x;
}

}  // namespace
}  // namespace mipro::testing
