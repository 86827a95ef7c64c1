// mipro.exe and its magnifier at display scalings of 150 % and 200 %: the pointer parks on Next
// after start, and a capture over practice-board.exe (the magnifier test run at that scaling) has a
// 307 x 307 magnifier centred on the pointer and derived points on the board's controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/form_layout.h"
#include "base/nearest_int.h"
#include "base/twips.h"
#include "mipro_process.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 20s;
constexpr DWORD kCaptureTimeoutMs = 120000;
const wchar_t* const kDesktopKey = L"Control Panel\\Desktop";
const wchar_t* const kLogPixels = L"LogPixels";

// The display's dots per inch for programs started from now on, put back as they were at the end.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        DWORD size = sizeof(old_);
        had_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &old_, &size) ==
               ERROR_SUCCESS;
        set(dpi);
    }
    ~LogPixels() {
        if (had_) {
            set(old_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
        }
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

private:
    static void set(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof(dpi));
    }

    DWORD old_ = 0;
    bool had_ = false;
};

class DisplayScale : public ::testing::TestWithParam<int> {};

TEST_P(DisplayScale, ThePointerParksOnNextAndCapturesLandOnTheBoard) {
    const int dpi = GetParam();
    LogPixels scaling(static_cast<DWORD>(dpi));
    {
        MiproProcess mipro;
        ASSERT_TRUE(mipro.started());
        HWND main = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (main = mipro.findWindow(win32::kMainWindowClass)) != nullptr; },
                            kStartTimeout));
        HWND next = FormControl(main, {Control::cmdNEXT});
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(next) != 0; }, kStartTimeout));
        // The program laid its form out at this scaling.
        RECT client{};
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, NearestInt(kClientWidthTwips / static_cast<double>(TwipsPerPixelAt(dpi))));

        RECT button{};
        GetWindowRect(next, &button);
        POINT pointer{};
        EXPECT_TRUE(WaitFor([&] { return GetCursorPos(&pointer) && PtInRect(&button, pointer); }, 5s))
            << "the pointer is at " << pointer.x << ", " << pointer.y << "; Next spans " << button.left << ", "
            << button.top << " to " << button.right << ", " << button.bottom;
    }

    const std::wstring dpiText = std::to_wstring(dpi);
    SetEnvironmentVariableW(L"MIPRO_EXPECT_DPI", dpiText.c_str());
    ChildProcess capture(L"\"" + WindowsPathOf(MAGNIFIER_TEST_EXE) + L"\" --gtest_filter=RealCapture.*");
    SetEnvironmentVariableW(L"MIPRO_EXPECT_DPI", nullptr);
    ASSERT_TRUE(capture.started());
    ASSERT_TRUE(capture.waitForEnd(kCaptureTimeoutMs)) << "the capture did not end";
    EXPECT_EQ(capture.exitCode(), 0u) << "the capture at " << dpi << " dots per inch failed";
}

INSTANTIATE_TEST_SUITE_P(At150And200Percent, DisplayScale, ::testing::Values(144, 192));

}  // namespace
}  // namespace mipro::testing
