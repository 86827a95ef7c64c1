// The real mipro.exe on the real window system: start-up into step 1, the single instance, the
// version window and closing.
#include <gtest/gtest.h>

#include "base/nearest_int.h"
#include "mipro_process.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 20s;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mipro.started()) << "could not start mipro.exe: error " << mipro.startError();
        ASSERT_TRUE(WaitFor([&] { return (main = mipro.findWindow(win32::kMainWindowClass)) != nullptr; },
                            kStartTimeout))
            << "frmMAIN did not show";
        next = FormControl(main, {Control::cmdNEXT});
        // The wake-up timer reveals the buttons and enters step 1, whose routine ends by giving
        // Next the focus.
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(next) && focusOfMipro() == next; }, kStartTimeout))
            << "step 1 was not entered, or Next did not get the focus";
    }

    HWND focusOfMipro() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info.hwndFocus;
    }

    MiproProcess mipro;
    HWND main = nullptr;
    HWND next = nullptr;
};

TEST_F(MainWindowTest, TitleCarriesTheProgramVersion) {
    const std::string version = MIPRO_VERSION_TEXT_FOR_TESTS;
    EXPECT_EQ(TextOf(main), L"ミプロ♪ ver." + std::wstring(version.begin(), version.end()) + L"b");
}

TEST_F(MainWindowTest, StepOneShowsItsButtonsAndTheSoundSwitch) {
    EXPECT_FALSE(IsWindowEnabled(FormControl(main, {Control::cmdBACK})));
    EXPECT_TRUE(IsWindowEnabled(next));
    EXPECT_FALSE(IsWindowEnabled(FormControl(main, {Control::cmdHELP})));
    EXPECT_TRUE(IsWindowVisible(FormControl(main, {Control::cmdHELP})));
    EXPECT_TRUE(IsWindowVisible(FormControl(main, {Control::lineTOP, 0})));

    EXPECT_EQ(SendMessageW(FormControl(main, {Control::chkSOUND}, 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(IsWindowVisible(FormControl(main, {Control::imgSND, 1}, 1)));
    EXPECT_FALSE(IsWindowVisible(FormControl(main, {Control::imgSND, 0}, 1)));

    EXPECT_TRUE(IsWindowVisible(FormControl(main, {Control::picSTEP, 1})));
    EXPECT_FALSE(IsWindowVisible(FormControl(main, {Control::picSTEP, 2})));
    EXPECT_EQ(TextOf(FormControl(main, {Control::lblVERSION}, 1)), L"バージョン情報 ...");
}

// The pointer lands where the parking formula puts it: one side frame plus the window's left
// plus the button's left plus 75, and the title bar estimate plus the button's top plus 10.
TEST_F(MainWindowTest, PointerIsParkedOnNext) {
    RECT outer{}, client{}, button{};
    GetWindowRect(main, &outer);
    GetClientRect(main, &client);
    GetWindowRect(next, &button);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&button), 2);
    const double outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
    const int x = NearestInt((outerWidth - client.right) / 2 + outer.left + button.left + 75);
    const int y = NearestInt(outer.top + (outerHeight - client.bottom - 3) + button.top + 10);

    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, x);
    EXPECT_EQ(pointer.y, y);

    // On this frame the estimate lands on the button itself.
    RECT onScreen{};
    GetWindowRect(next, &onScreen);
    EXPECT_TRUE(PtInRect(&onScreen, pointer)) << "pointer " << pointer.x << "," << pointer.y;
}

TEST_F(MainWindowTest, SecondInstanceEndsAtOnceAndTheFirstStays) {
    MiproProcess second;
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(second.waitForEnd(10000)) << "the second instance kept running";
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_FALSE(mipro.hasEnded());
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(mipro.waitForEnd(10000)) << "mipro.exe kept running after its window was closed";
    EXPECT_EQ(mipro.exitCode(), 0u);
}

TEST_F(MainWindowTest, VersionWindowIsModalAndEscapeClosesIt) {
    HWND label = FormControl(main, {Control::lblVERSION}, 1);
    HWND page = FormControl(main, {Control::picSTEP, 1});
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(win32::ControlId({Control::lblVERSION}), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));

    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = mipro.findWindow(win32::kAboutWindowClass)) != nullptr; }, 10s));
    EXPECT_EQ(TextOf(about), TextOf(main) + L" のﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(TextOf(GetDlgItem(about, win32::kAboutTitleId)), L"お絵描き掲示板自動描画TOOL\r\nミプロ♪");
    EXPECT_FALSE(IsWindowEnabled(main));

    HWND ok = GetDlgItem(about, IDOK);
    PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }, 10s)) << "Esc did not close the version window";
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowEnabled(next));
}

TEST_F(MainWindowTest, EnterPressesOkInTheVersionWindow) {
    HWND label = FormControl(main, {Control::lblVERSION}, 1);
    PostMessageW(FormControl(main, {Control::picSTEP, 1}), WM_COMMAND,
                 MAKEWPARAM(win32::ControlId({Control::lblVERSION}), STN_CLICKED), reinterpret_cast<LPARAM>(label));
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = mipro.findWindow(win32::kAboutWindowClass)) != nullptr; }, 10s));
    PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }, 10s)) << "Enter did not close the version window";
    EXPECT_TRUE(IsWindowEnabled(main));
}

}  // namespace
}  // namespace mipro::testing
