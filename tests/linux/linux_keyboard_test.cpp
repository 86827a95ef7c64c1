// Keys injected into the window that holds the focus: the characters of a colour code (Shift held
// where the layout needs it), the select-all chord and Enter; nothing else, and nothing at all while
// a hand has taken the mouse.
#include "editions/linux/linux_keyboard.h"

#include <chrono>
#include <string>
#include <thread>

#include "tests/linux/x_test_display.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

class LinuxKeyboardTest : public XDisplayTest {
protected:
    void SetUp() override {
        XDisplayTest::SetUp();
        if (IsSkipped()) return;
        focused = MakeWindow({40, 40, 100, 100}, PixelFor(255, 255, 255));
        XSelectInput(display, focused, KeyPressMask | KeyReleaseMask);
        XSetInputFocus(display, focused, RevertToParent, CurrentTime);
        XSync(display, False);
        pointer.setCursorPos(kPlaced);
    }

    // The key presses the window received, until `last` arrives or a while has passed: each as
    // its text ("Ctrl+" in front when Control was held), "Return" for Enter.
    std::string PressesSeenUntil(const std::string& last) {
        std::string seen;
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (seen.size() < last.size() || seen.compare(seen.size() - last.size(), last.size(), last) != 0) {
            if (std::chrono::steady_clock::now() > deadline) break;
            while (XPending(display) > 0) {
                XEvent e;
                XNextEvent(display, &e);
                if (e.type == KeyPress) seen += Described(e.xkey);
            }
            std::this_thread::sleep_for(1ms);
        }
        return seen;
    }

    static std::string Described(XKeyEvent& key) {
        char text[8] = {};
        KeySym keysym = NoSymbol;
        const int length = XLookupString(&key, text, sizeof text - 1, &keysym, nullptr);
        if (keysym == XK_Return) return "[Return]";
        if (IsModifierKey(keysym)) return "";
        const std::string control = (key.state & ControlMask) ? "[Ctrl+" + std::string(XKeysymToString(keysym)) + "]" : "";
        return control.empty() ? std::string(text, static_cast<std::size_t>(length)) : control;
    }

    static constexpr ScreenPoint kPlaced{60, 60};
    Window focused = None;
    linux_x11::LinuxPointer pointer{system};
    linux_x11::LinuxKeyboard keyboard{system, pointer};
};

TEST_F(LinuxKeyboardTest, TypesTheCodeSelectsAllAndPressesEnter) {
    keyboard.selectAll();
    keyboard.typeCode("#09afAF");
    keyboard.pressEnter();
    EXPECT_EQ(PressesSeenUntil("[Return]"), "[Ctrl+a]#09afAF[Return]");
}

// Backspace, Delete and every other key are never sent: several boards clear the canvas on them.
TEST_F(LinuxKeyboardTest, SendsNoCharacterBeyondThoseOfACode) {
    keyboard.typeCode(std::string("#1\b2\x7f" "3 xg\r\n4", 12));
    keyboard.pressEnter();
    EXPECT_EQ(PressesSeenUntil("[Return]"), "#1234[Return]");
}

// A hand that has moved the mouse since the program placed the pointer may have put the focus
// elsewhere: no key goes, not even the ones after, until the program places the pointer again.
TEST_F(LinuxKeyboardTest, NoKeyGoesWhileAHandHasTheMouse) {
    XWarpPointer(display, None, root, 0, 0, 0, 0, 90, 95);  // the hand
    XSync(display, False);
    keyboard.selectAll();
    keyboard.typeCode("#ff0000");
    keyboard.pressEnter();
    pointer.setCursorPos(kPlaced);
    keyboard.typeCode("#1");
    keyboard.pressEnter();
    EXPECT_EQ(PressesSeenUntil("[Return]"), "#1[Return]");
}

}  // namespace
}  // namespace mipro::testing
