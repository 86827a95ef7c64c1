#include "targeting/window_checks.h"

#include "wizard_fixture.h"

namespace mipro::testing {

class WindowChecks : public WizardTest {
protected:
    // Puts a window of the given class over the whole test area and the work point on it.
    void PointOver(const std::string& cls) {
        desk.screen.addWindow({100, 100, 400, 400}, cls);
        w.st.CurPnt = {200, 200};
    }
};

TEST_F(WindowChecks, BothJavaCanvasClassesAreBoardsWhateverTheirLetterCase) {
    for (const char* cls : {"SunAwtCanvas", "sunawtcanvas", "SUNAWTCANVAS", "MSAWT_Comp_Class", "msawt_comp_class"}) {
        PointOver(cls);
        EXPECT_EQ(CheckClassName(w), 0) << cls;
    }
}

TEST_F(WindowChecks, TheDesktopIconViewGives99ForEitherBoardKind) {
    PointOver("SysListView32");
    w.st.BoardKind = 0;
    EXPECT_EQ(CheckClassName(w), 99);
    w.st.BoardKind = 1;
    EXPECT_EQ(CheckClassName(w), 99);
    PointOver("syslistview32");
    EXPECT_EQ(CheckClassName(w), 99);
}

TEST_F(WindowChecks, OtherClassesGiveTheOrderingAgainstSunAwtCanvas) {
    PointOver("Chrome_WidgetWin_1");  // sorts before "SunAwtCanvas"
    EXPECT_EQ(CheckClassName(w), 1);
    PointOver("Static");              // "st" before "su"
    EXPECT_EQ(CheckClassName(w), 1);
    PointOver("ToolbarWindow32");     // sorts after
    EXPECT_EQ(CheckClassName(w), -1);
    PointOver("SunAwtCanvasX");       // longer than the canvas class
    EXPECT_EQ(CheckClassName(w), -1);
    PointOver("SunAwt");              // a prefix of it
    EXPECT_EQ(CheckClassName(w), 1);
}

TEST_F(WindowChecks, NoWindowOrAnEmptyClassGivesOne) {
    w.st.CurPnt = {900, 700};
    EXPECT_EQ(CheckClassName(w), 1);
    PointOver("");
    EXPECT_EQ(CheckClassName(w), 1);
}

TEST_F(WindowChecks, ThePointTestedIsTheWorkPointNotThePointer) {
    desk.screen.addWindow({0, 0, 50, 50}, "SunAwtCanvas");
    desk.pointer.userMoves({10, 10});
    w.st.CurPnt = {300, 300};
    EXPECT_EQ(CheckClassName(w), 1);
    w.st.CurPnt = {49, 49};
    EXPECT_EQ(CheckClassName(w), 0);
}

TEST_F(WindowChecks, GetWndClassNameIsEmptyForSomethingThatIsNoWindow) {
    const WindowHandle h = desk.screen.addWindow({0, 0, 10, 10}, "Button");
    EXPECT_EQ(GetWndClassName(desk.screen, h), "Button");
    desk.screen.removeWindow(h);
    EXPECT_EQ(GetWndClassName(desk.screen, h), "");
    EXPECT_EQ(GetWndClassName(desk.screen, 0), "");
}

TEST_F(WindowChecks, APointerOnePixelOffStillCountsAsUnmoved) {
    for (ScreenPoint found : {ScreenPoint{301, 299}, ScreenPoint{299, 301}, ScreenPoint{300, 300}}) {
        desk.pointer.userMoves(found);
        EXPECT_EQ(InterruptDraw(w, 300, 300), 0) << found.x << "," << found.y;
    }
}

TEST_F(WindowChecks, TwoPixelsOffOnEitherAxisInterrupts) {
    for (ScreenPoint found : {ScreenPoint{302, 300}, ScreenPoint{298, 300}, ScreenPoint{300, 302}, ScreenPoint{300, 298}}) {
        desk.pointer.userMoves(found);
        EXPECT_EQ(InterruptDraw(w, 300, 300), -1) << found.x << "," << found.y;
    }
}

// Today's boards are pages in a browser: its page area counts as a board beside the applets'
// canvases. On X11 windows are named by their WM_CLASS, and whatever is neither board nor desktop
// gives 1.
TEST(ClassVerdicts, EachWindowSystemHasItsBoardsAndItsDesktop) {
    struct Case {
        WindowSystem system;
        std::string cls;
        std::int32_t verdict;
    };
    const Case cases[] = {
        {WindowSystem::Windows, "Chrome_RenderWidgetHostHWND", kOnBoard},
        {WindowSystem::Windows, "chrome_renderwidgethosthwnd", kOnBoard},
        {WindowSystem::Windows, "MozillaWindowClass", kOnBoard},
        {WindowSystem::Windows, "Chrome_WidgetWin_1", 1},  // the frame and toolbars round the page
        {WindowSystem::Windows, "SunAwtCanvas", kOnBoard},
        {WindowSystem::Windows, "SysListView32", kOnDesktopIcons},
        {WindowSystem::Windows, "ToolbarWindow32", -1},
        {WindowSystem::X11, "Chromium", kOnBoard},
        {WindowSystem::X11, "chromium-browser", kOnBoard},
        {WindowSystem::X11, "Google-chrome", kOnBoard},
        {WindowSystem::X11, "Microsoft-edge", kOnBoard},
        {WindowSystem::X11, "firefox", kOnBoard},
        {WindowSystem::X11, "Firefox-esr", kOnBoard},
        {WindowSystem::X11, "Brave-browser", kOnBoard},
        {WindowSystem::X11, "brave-browser", kOnBoard},
        {WindowSystem::X11, "Vivaldi-stable", kOnBoard},
        {WindowSystem::X11, "Opera", kOnBoard},
        {WindowSystem::X11, "LibreWolf", kOnBoard},
        {WindowSystem::X11, "org.chromium.Chromium", kOnBoard},
        {WindowSystem::X11, "Chromium_chromium", kOnBoard},
        {WindowSystem::X11, "Brave", 1},      // only the whole class counts, not its start
        {WindowSystem::X11, "Vivaldi", 1},
        {WindowSystem::X11, kX11DesktopClass, kOnDesktopIcons},
        {WindowSystem::X11, "SysListView32", 1},
        {WindowSystem::X11, "Mipro", 1},
        {WindowSystem::X11, "ToolbarWindow32", 1},
        {WindowSystem::X11, "", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassVerdictOf(c.system, c.cls), c.verdict) << c.cls;
}

TEST_F(WindowChecks, OnX11TheVerdictComesFromTheX11Table) {
    desk.platform.windowSystem = WindowSystem::X11;
    PointOver("Chromium");
    EXPECT_EQ(CheckClassName(w), kOnBoard);
    EXPECT_TRUE(BrowserUnder(w, w.st.CurPnt));
    PointOver("SunAwtCanvas");
    EXPECT_EQ(CheckClassName(w), 1);
    EXPECT_FALSE(BrowserUnder(w, w.st.CurPnt));
}

TEST_F(WindowChecks, CheckClassNameAtTestsThePointItPutsIntoTheWorkPoint) {
    desk.screen.addWindow({100, 100, 400, 400}, "SunAwtCanvas");
    EXPECT_EQ(CheckClassNameAt(w, {200, 200}), kOnBoard);
    EXPECT_EQ(w.st.CurPnt, (ScreenPoint{200, 200}));
    EXPECT_EQ(CheckClassNameAt(w, {50, 50}), kSortsBeforeSunCanvas);
    EXPECT_EQ(w.st.CurPnt, (ScreenPoint{50, 50}));
}

TEST_F(WindowChecks, InterruptDrawReadsThePointerIntoTheWorkPoint) {
    desk.pointer.userMoves({123, 45});
    InterruptDraw(w, 0, 0);
    EXPECT_EQ(w.st.CurPnt, (ScreenPoint{123, 45}));
}

TEST_F(WindowChecks, WithClassCheckOnLeavingTheCanvasInterrupts) {
    desk.screen.addWindow({0, 0, 300, 300}, "SunAwtCanvas");
    desk.screen.addWindow({300, 0, 600, 300}, "SysListView32");
    w.st.ClassCheck = True;
    desk.pointer.userMoves({299, 10});
    EXPECT_EQ(InterruptDraw(w, 299, 10), 0);
    desk.pointer.userMoves({300, 10});
    EXPECT_EQ(InterruptDraw(w, 299, 10), 99);
    desk.pointer.userMoves({10, 301});
    EXPECT_EQ(InterruptDraw(w, 10, 300), 1);
}

TEST_F(WindowChecks, WithClassCheckOffTheClassIsIgnored) {
    desk.screen.addWindow({300, 0, 600, 300}, "SysListView32");
    w.st.ClassCheck = False;
    desk.pointer.userMoves({400, 10});
    EXPECT_EQ(InterruptDraw(w, 400, 10), 0);
    desk.pointer.userMoves({403, 10});
    EXPECT_EQ(InterruptDraw(w, 400, 10), -1);
}

}  // namespace mipro::testing
