// frmMAIN as built on the real window system: every control where the design puts it, with
// its caption, and clicks on the real controls reaching the wizard.
#include <gtest/gtest.h>

#include "app/form_layout.h"
#include "mipro_process.h"
#include "editions/win32/display_units.h"
#include "editions/win32/unicode_text.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mipro.started()) << "could not start mipro.exe: error " << mipro.startError();
        ASSERT_TRUE(WaitFor([&] { return (main = mipro.findWindow(win32::kMainWindowClass)) != nullptr; }, 20s));
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(control({Control::cmdNEXT})) && focusIsOn({Control::cmdNEXT}); },
                            20s))
            << "step 1 was not entered";
    }

    HWND control(ControlRef c) const {
        const ControlDesign& d = DesignOf(c);
        return FormControl(main, c, d.page);
    }

    bool focusIsOn(ControlRef c) const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info.hwndFocus == control(c);
    }

    bool pageShown(int step) const { return IsWindowVisible(control({Control::picSTEP, step})) != 0; }

    void click(ControlRef c) const { PostMessageW(control(c), BM_CLICK, 0, 0); }

    MiproProcess mipro;
    HWND main = nullptr;
};

TEST_F(MainFormTest, ClientAreaHasTheDesignSize) {
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, win32::TwipsToPixels(kClientWidthTwips, win32::TwipsPerPixelX()));
    EXPECT_EQ(client.bottom, win32::TwipsToPixels(kClientHeightTwips, win32::TwipsPerPixelY()));
}

TEST_F(MainFormTest, EveryControlSitsAtItsDesignPlace) {
    const double tx = win32::TwipsPerPixelX(), ty = win32::TwipsPerPixelY();
    for (const ControlDesign& d : MainFormDesign()) {
        if (d.kind == ControlKind::Line) continue;  // one pixel high, checked by sight
        HWND window = control(d.ref);
        ASSERT_NE(window, nullptr) << "control " << static_cast<int>(d.ref.id) << "(" << d.ref.index << ") missing";
        RECT r{};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        const std::string name = "control " + std::to_string(static_cast<int>(d.ref.id)) + "(" + std::to_string(d.ref.index) + ")";
        EXPECT_EQ(r.left, win32::TwipsToPixels(d.left, tx)) << name;
        EXPECT_EQ(r.top, win32::TwipsToPixels(d.top, ty)) << name;
        EXPECT_EQ(r.right - r.left, win32::TwipsToPixels(d.width, tx)) << name;
        EXPECT_EQ(r.bottom - r.top, win32::TwipsToPixels(d.height, ty)) << name;
    }
}

TEST_F(MainFormTest, CaptionsAndPageTextsAreThoseOfTheDesign) {
    for (const ControlDesign& d : MainFormDesign()) {
        if (d.kind == ControlKind::Button || d.kind == ControlKind::CheckBox || d.kind == ControlKind::OptionButton ||
            (d.kind == ControlKind::Label && d.ref.id == Control::lblSTLBL)) {
            const std::string expected = d.caption;
            EXPECT_EQ(TextOf(control(d.ref)), win32::Widen(expected)) << expected;
        }
    }
}

TEST_F(MainFormTest, NextAndBackClickedOnTheRealButtonsChangeThePage) {
    click({Control::cmdNEXT});
    ASSERT_TRUE(WaitFor([&] { return pageShown(2) && !pageShown(1); }, 10s)) << "Next did not show step 2";
    // The page shows before Back is enabled: a busy machine can be read between the two.
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(control({Control::cmdBACK})) != 0; }, 5s));

    click({Control::cmdBACK});
    ASSERT_TRUE(WaitFor([&] { return pageShown(1) && !pageShown(2); }, 10s)) << "Back did not show step 1";
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(control({Control::cmdBACK})); }, 5s));
}

TEST_F(MainFormTest, UncheckingTheSoundBoxSwapsTheSpeakerIcons) {
    click({Control::chkSOUND});
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(control({Control::imgSND, 0})) != 0; }, 10s));
    EXPECT_FALSE(IsWindowVisible(control({Control::imgSND, 1})));
    EXPECT_EQ(SendMessageW(control({Control::chkSOUND}), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// The draw run writes its progress into the title; restoring the window puts the title back.
TEST_F(MainFormTest, RestoringTheWindowRestoresTheTitle) {
    const std::wstring title = TextOf(main);
    SetWindowTextW(main, L" 描画 50% 完了...");
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(main, SW_RESTORE);
    EXPECT_TRUE(WaitFor([&] { return TextOf(main) == title; }, 10s)) << "title stayed " << win32::Narrow(TextOf(main));
}

}  // namespace
}  // namespace mipro::testing
