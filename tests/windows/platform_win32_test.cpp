// The Win32 platform layer on its own: text conversion, the thumbnail canvases, the magnifier's
// keys, the clock, the pointer, the sound resources and the version resource.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <utility>

#include "app/form_layout.h"
#include "app/main_form.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/magnifier_keys.h"
#include "editions/win32/program_info.h"
#include "editions/win32/thumbnail_canvas.h"
#include "editions/win32/unicode_text.h"
#include "editions/win32/win32_clock.h"
#include "editions/win32/win32_desktop.h"
#include "editions/win32/win32_keyboard.h"
#include "drawing/canvas_check.h"
#include "editions/win32/win32_pointer.h"
#include "editions/win32/win32_screen.h"
#include "editions/win32/win32_sound.h"
#include "wizard/wizard.h"

namespace mipro::win32 {
namespace {

constexpr ColourValue kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
constexpr int kBoxSide = 144;

ColourValue BoxBackground() { return static_cast<ColourValue>(GetSysColor(COLOR_BTNFACE)); }

TEST(UnicodeText, JapaneseSurvivesTheRoundTrip) {
    const std::string title = "ミプロ♪ ver.1.0.0b";
    const std::wstring wide = Widen(title);
    EXPECT_EQ(wide, L"ミプロ♪ ver.1.0.0b");
    EXPECT_EQ(Narrow(wide), title);
}

TEST(UnicodeText, CharactersOutsideTheBasicPlaneArePairedAndBack) {
    const std::string text = "絵\xF0\x9F\x8E\xA8";  // 絵 and the artist palette emoji
    EXPECT_EQ(Widen(text).size(), 3u);
    EXPECT_EQ(Narrow(Widen(text)), text);
}

// Batch lines in the code pages the command shell may read: UTF-8 (the system's worldwide-language
// option), Japanese and US. Nothing comes back where a letter has no place, never a stand-in.
TEST(UnicodeText, BatchLinesInTheShellsCodePages) {
    const std::string ascii = "sort \"C:\\Temp\\A & 50%%\\MPR1.TMP\"";
    const std::string japanese = "del \"C:\\一時\\MPR2.TMP\"";
    const std::string accented = "del \"C:\\café\\MPR3.TMP\"";
    struct Case {
        unsigned codePage;
        const std::string& line;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {65001, ascii, ascii},
        {932, ascii, ascii},
        {437, ascii, ascii},
        {65001, japanese, japanese},
        {932, japanese, "del \"C:\\\x88\xea\x8e\x9e\\MPR2.TMP\""},
        {437, japanese, std::nullopt},
        {65001, accented, accented},
        {932, accented, std::nullopt},
        {437, accented, "del \"C:\\caf\x82\\MPR3.TMP\""},
    };
    for (const Case& c : cases) EXPECT_EQ(InCodePage(c.line, c.codePage), c.bytes) << c.codePage << " " << c.line;
}

// A picture whose four quadrants have four colours; (0, 0) is red.
Picture Quadrants(int side) {
    Picture p(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool right = x >= side / 2, bottom = y >= side / 2;
            p.setPoint(x, y, bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed));
        }
    return p;
}

TEST(ThumbnailCanvas, StartsAsTheBoxBackground) {
    const auto canvas = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(canvas);
    EXPECT_EQ(canvas->pixel(0, 0), BoxBackground());
    EXPECT_EQ(canvas->pixel(kBoxSide - 1, kBoxSide - 1), BoxBackground());
}

TEST(ThumbnailCanvas, PaintsAtFullSizeWithColoursInPlace) {
    const auto canvas = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(canvas);
    canvas->paintPicture(Quadrants(10), 10, 10, 10, 10);
    EXPECT_EQ(canvas->pixel(0, 0), kRed);
    EXPECT_EQ(canvas->pixel(9, 0), kGreen);
    EXPECT_EQ(canvas->pixel(0, 9), kBlue);
    EXPECT_EQ(canvas->pixel(9, 9), kWhite);
    EXPECT_EQ(canvas->pixel(10, 10), BoxBackground()) << "nothing is painted beyond the picture";
}

TEST(ThumbnailCanvas, ScalesThePictureDownIntoTheCorner) {
    const auto canvas = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(canvas);
    canvas->paintPicture(Quadrants(280), 280, 280, 140, 140);
    EXPECT_EQ(canvas->pixel(10, 10), kRed);
    EXPECT_EQ(canvas->pixel(130, 10), kGreen);
    EXPECT_EQ(canvas->pixel(10, 130), kBlue);
    EXPECT_EQ(canvas->pixel(130, 130), kWhite);
    EXPECT_EQ(canvas->pixel(141, 141), BoxBackground());
}

TEST(ThumbnailCanvas, PaintsOnlyTheTopLeftPartAskedFor) {
    const auto canvas = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(canvas);
    // Only the red quadrant of a 20 x 20 picture, stretched to 20 x 20.
    canvas->paintPicture(Quadrants(20), 10, 10, 20, 20);
    EXPECT_EQ(canvas->pixel(2, 2), kRed);
    EXPECT_EQ(canvas->pixel(18, 18), kRed);
}

TEST(ThumbnailCanvas, CopiesOneRowOnly) {
    const auto source = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(source);
    source->paintPicture(Quadrants(140), 140, 140, 140, 140);
    const auto target = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(target);
    target->copyRow(*source, 100, 140);
    EXPECT_EQ(target->pixel(0, 100), kBlue);
    EXPECT_EQ(target->pixel(139, 100), kWhite);
    EXPECT_EQ(target->pixel(140, 100), BoxBackground()) << "the strip is 140 pixels wide";
    EXPECT_EQ(target->pixel(0, 99), BoxBackground());
    EXPECT_EQ(target->pixel(0, 101), BoxBackground());
}

TEST(ThumbnailCanvas, CopiesAllAndClearsAgain) {
    const auto source = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(source);
    source->paintPicture(Quadrants(140), 140, 140, 140, 140);
    const auto target = ThumbnailCanvas::Create(kBoxSide, kBoxSide);
    ASSERT_TRUE(target);
    target->copyAll(*source);
    EXPECT_EQ(target->pixel(0, 0), kRed);
    EXPECT_EQ(target->pixel(139, 139), kWhite);
    target->clear();
    EXPECT_EQ(target->pixel(0, 0), BoxBackground());
    EXPECT_EQ(target->pixel(139, 139), BoxBackground());
}

TEST(ThumbnailCanvas, ABoxWithoutRoomIsRefused) { EXPECT_EQ(ThumbnailCanvas::Create(0, 0), nullptr); }

// Every key the magnifier answers from its virtual-key code, and a few it does not.
TEST(MagnifierKeys, VirtualKeysBecomeTheMagnifiersKeys) {
    const std::pair<WPARAM, MagnifierKey> cases[] = {
        {VK_RETURN, MagnifierKey::Enter}, {VK_ESCAPE, MagnifierKey::Escape}, {VK_LEFT, MagnifierKey::Left},
        {VK_UP, MagnifierKey::Up},        {VK_RIGHT, MagnifierKey::Right},   {VK_DOWN, MagnifierKey::Down},
        {'A', MagnifierKey::Other},       {VK_SPACE, MagnifierKey::Other},   {VK_NUMPAD4, MagnifierKey::Other},
        {VK_TAB, MagnifierKey::Other},
    };
    for (const auto& [virtualKey, key] : cases) EXPECT_EQ(MagnifierKeyOf(virtualKey), key) << virtualKey;
}

TEST(Win32Clock, SecondsSinceMidnightFollowTheLocalTime) {
    Win32Clock clock;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const float expected = static_cast<float>(now.wHour * 3600 + now.wMinute * 60 + now.wSecond);
    const float seconds = clock.secondsSinceMidnight();
    if (seconds < expected) GTEST_SKIP() << "midnight passed between the two readings";
    EXPECT_LT(seconds - expected, 2.0f);
}

TEST(Win32Pointer, ReadsWhereItPlacedThePointer) {
    Win32Pointer pointer;
    pointer.setCursorPos({123, 145});
    EXPECT_EQ(pointer.getCursorPos(), (ScreenPoint{123, 145}));
}

// A reading that disagrees with the placement is taken again for a moment; a pointer the user
// really moved must still be reported where it went, or the draw run would never stop for the user.
TEST(Win32Pointer, APointerMovedAfterThePlacementIsReportedWhereItWent) {
    Win32Pointer pointer;
    pointer.setCursorPos({123, 145});
    SetCursorPos(300, 222);
    EXPECT_EQ(pointer.getCursorPos(), (ScreenPoint{300, 222}));
    pointer.setCursorPos({124, 146});
    Sleep(300);
    SetCursorPos(310, 230);
    EXPECT_EQ(pointer.getCursorPos(), (ScreenPoint{310, 230}));
    EXPECT_EQ(pointer.getCursorPos(), (ScreenPoint{310, 230}));
}

// A one-line text box in a window of its own, in front and holding the keyboard focus.
class TextBoxWindow {
public:
    explicit TextBoxWindow(const wchar_t* text) {
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 220, 60, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        box_ = CreateWindowExW(0, L"EDIT", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 24, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(window_);
        SetFocus(box_);
        Pump(std::chrono::milliseconds(200), [] { return false; });
    }
    ~TextBoxWindow() { DestroyWindow(window_); }

    std::wstring text() const {
        wchar_t buffer[64] = {};
        GetWindowTextW(box_, buffer, 64);
        return buffer;
    }
    // Lets the window take its messages until `done` holds or `most` has passed.
    template <typename Done>
    static bool Pump(std::chrono::milliseconds most, Done done) {
        const auto end = std::chrono::steady_clock::now() + most;
        MSG msg;
        while (std::chrono::steady_clock::now() < end) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (done()) return true;
            Sleep(5);
        }
        return done();
    }

private:
    HWND window_ = nullptr;
    HWND box_ = nullptr;
};

// The code replaces what the box held: select all, then the characters, Shift where the layout
// needs it ('#', the capitals). Backspace and any other character are never sent.
TEST(Win32Keyboard, SelectsAllAndTypesTheCodeAlone) {
    TextBoxWindow box(L"old text");
    Win32Pointer pointer;
    Win32Keyboard keyboard(pointer);
    pointer.setCursorPos({100, 64});
    keyboard.selectAll();
    keyboard.typeCode("#09a\bfA\x7f" "F xg");
    keyboard.pressEnter();
    EXPECT_TRUE(TextBoxWindow::Pump(std::chrono::seconds(3), [&] { return box.text() == L"#09afAF"; }))
        << "the box holds " << std::string(box.text().begin(), box.text().end());
}

// A hand that moved the mouse may have put the focus elsewhere: no key goes until the program
// places the pointer again.
TEST(Win32Keyboard, NoKeyGoesWhileAHandHasTheMouse) {
    TextBoxWindow box(L"");
    Win32Pointer pointer;
    Win32Keyboard keyboard(pointer);
    pointer.setCursorPos({100, 64});
    SetCursorPos(300, 222);
    keyboard.typeCode("#ff");
    pointer.setCursorPos({100, 64});
    keyboard.typeCode("#1");
    EXPECT_TRUE(TextBoxWindow::Pump(std::chrono::seconds(3), [&] { return box.text() == L"#1"; }))
        << "the box holds " << std::string(box.text().begin(), box.text().end());
}

// This test program carries mipro.exe's resources, so it reads them as mipro.exe does.
// A window of one colour on the screen, shown until the end of the test.
class PlainWindow {
public:
    PlainWindow(RECT r, COLORREF colour) : brush_(CreateSolidBrush(colour)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = L"miproReadPixelsTest";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(window_);
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(10);
        }
    }
    ~PlainWindow() {
        DestroyWindow(window_);
        UnregisterClassW(L"miproReadPixelsTest", GetModuleHandleW(nullptr));
        DeleteObject(brush_);
    }

private:
    HBRUSH brush_;
    HWND window_ = nullptr;
};

TEST(Win32Screen, ReadsTheScreenWithRedInTheLowByte) {
    PlainWindow shown({40, 50, 140, 110}, RGB(0x33, 0x66, 0x99));
    win32::Win32Screen screen;
    const std::optional<Picture> read = screen.readPixels({30, 40, 150, 120});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->width(), 120);
    ASSERT_EQ(read->height(), 80);
    EXPECT_EQ(read->point(10, 10), 0x996633);
    EXPECT_EQ(read->point(109, 69), 0x996633);
    EXPECT_NE(read->point(9, 10), 0x996633);
}

// An area reaching past the screen's right and bottom edges: what lies on the screen is read, the
// rest is black (a copy of the whole area would come back all black under Wine).
TEST(Win32Screen, ReadsTheScreensPartOfAnAreaReachingPastIt) {
    const int right = GetSystemMetrics(SM_CXSCREEN), bottom = GetSystemMetrics(SM_CYSCREEN);
    PlainWindow shown({right - 60, bottom - 40, right, bottom}, RGB(0x33, 0x66, 0x99));
    win32::Win32Screen screen;
    const std::optional<Picture> read = screen.readPixels({right - 50, bottom - 30, right + 20, bottom + 10});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->width(), 70);
    ASSERT_EQ(read->height(), 40);
    EXPECT_EQ(read->point(0, 0), 0x996633);
    EXPECT_EQ(read->point(49, 29), 0x996633);
    EXPECT_EQ(read->point(50, 29), 0x000000);
    EXPECT_EQ(read->point(49, 30), 0x000000);
}

// Not a test: the cost of the check after a run, the read of a 600 x 600 canvas and its
// comparison. Run with --gtest_also_run_disabled_tests --gtest_filter=*Benchmark*.
TEST(Win32Screen, DISABLED_BenchmarkReadAndCompareOfA600Canvas) {
    constexpr int kSide = 600, kRounds = 20;
    PlainWindow shown({0, 0, kSide, kSide}, RGB(255, 255, 255));
    win32::Win32Screen screen;
    const std::optional<Picture> before = screen.readPixels({0, 0, kSide, kSide});
    ASSERT_TRUE(before);
    CanvasCheck check(*before, ColourRule{});
    const auto start = std::chrono::steady_clock::now();
    std::size_t faults = 0;
    for (int i = 0; i < kRounds; ++i) {
        const std::optional<Picture> now = screen.readPixels({0, 0, kSide, kSide});
        ASSERT_TRUE(now);
        faults += check.faults(*now).size();
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("read + compare of %d x %d: %.1f ms (%zu faults)\n", kSide, kSide, ms / kRounds, faults);
}

TEST(Win32Sound, LoadsEachCueWhateverTheCaseOfItsName) {
    Win32Sound sound;
    const std::pair<const char*, std::size_t> cues[] = {
        {"resENTERSND", 21548}, {"resCANCELSND", 3840}, {"resENDSND", 33676}, {"resCLICKSND", 7980}};
    for (const auto& [name, bytes] : cues) {
        const std::vector<std::uint8_t> wave = sound.loadResource(name, "WAVE");
        ASSERT_EQ(wave.size(), bytes) << name;
        EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF") << name;
    }
}

TEST(Win32Sound, MissingResourceIsEmpty) {
    Win32Sound sound;
    EXPECT_TRUE(sound.loadResource("resNOSUCHSND", "WAVE").empty());
    EXPECT_TRUE(sound.loadResource("resENTERSND", "WAV").empty());
}

TEST(ProgramInfo, VersionComesFromTheVersionResource) {
    const ProgramVersion v = ReadProgramVersion();
    const std::string text =
        std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
    EXPECT_EQ(text, MIPRO_VERSION_TEXT_FOR_TESTS);
}

TEST(ProgramInfo, FolderIsTheExesFolderWithoutSeparator) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(Narrow(exe), folder + "\\platform_win32_test.exe");
}

// frmMAIN built inside this test program, to look at the fonts its controls hold.
class FormInThisProcess : public ::testing::Test {
protected:
    Win32Desktop desk;
    Wizard wizard{desk.platform};
    MainForm form{wizard};
};

TEST_F(FormInThisProcess, EveryTextControlHasTheNinePointFormFont) {
    ASSERT_TRUE(desk.window.create(GetModuleHandleW(nullptr), form));
    HWND form = desk.window.handle();
    HFONT formFont = reinterpret_cast<HFONT>(
        SendMessageW(GetDlgItem(form, ControlId({Control::cmdNEXT})), WM_GETFONT, 0, 0));
    ASSERT_NE(formFont, nullptr);

    LOGFONTW font{};
    ASSERT_NE(GetObjectW(formFont, sizeof(font), &font), 0);
    HDC dc = GetDC(nullptr);
    const int ninePoints = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(font.lfHeight, ninePoints);
    EXPECT_FALSE(font.lfWeight > FW_NORMAL || font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    const std::set<std::wstring> faces = {L"ＭＳ Ｐゴシック", L"MS PGothic", L"IPAPGothic", L"IPA Pゴシック"};
    EXPECT_TRUE(faces.count(font.lfFaceName)) << Narrow(font.lfFaceName);

    for (const ControlDesign& d : MainFormDesign()) {
        // Pages, pictures and lines show no text of their own.
        if (d.kind == ControlKind::Page || d.kind == ControlKind::Image || d.kind == ControlKind::Line ||
            d.kind == ControlKind::PictureBox)
            continue;
        HWND container = d.page == 0 ? form : GetDlgItem(form, ControlId({Control::picSTEP, d.page}));
        HWND control = GetDlgItem(container, ControlId(d.ref));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), formFont)
            << "control " << static_cast<int>(d.ref.id) << "(" << d.ref.index << ")";
    }
}

}  // namespace
}  // namespace mipro::win32
