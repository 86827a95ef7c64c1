// The Win32 platform layer on its own: text conversion, thumbnail canvases, files and the clock.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/thumbnail_canvas.h"
#include "platform/win32/unicode_text.h"

namespace mipro::win32 {
namespace {

TEST(UnicodeText, JapaneseSurvivesTheRoundTrip) {
    const std::string title = "ミプロ♪ ver.1.0.0b";
    const std::wstring wide = Widen(title);
    EXPECT_EQ(wide, L"ミプロ♪ ver.1.0.0b");
    EXPECT_EQ(Narrow(wide), title);
}

}  // namespace
}  // namespace mipro::win32
