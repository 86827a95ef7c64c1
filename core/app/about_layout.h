// The design of frmABOUT, the version window: its texts and where each control sits, in twips.
// The Windows and the Linux window are both built from it.
#pragma once

namespace mipro {

struct TwipsRect {
    int left, top, width, height;
};

constexpr int kAboutClientWidthTwips = 4260;
constexpr int kAboutClientHeightTwips = 1695;

constexpr TwipsRect kAboutIcon{180, 120, 480, 480};        // imgICON, the 32 x 32 program icon
constexpr TwipsRect kAboutTitle{1020, 180, 2475, 495};     // lblTitle
constexpr TwipsRect kAboutMail{0, 780, 4230, 195};         // lblname, centred, a blue link
constexpr TwipsRect kAboutHomePage{0, 1020, 4215, 210};    // lblHP, centred, a blue link
constexpr TwipsRect kAboutOk{1485, 1320, 1310, 315};       // cmdOK, default and cancel button

// The window's caption follows AppTitle.
constexpr const char* kAboutCaptionSuffix = " のﾊﾞｰｼﾞｮﾝ情報";
constexpr const char* kAboutTitleText = "お絵描き掲示板自動描画TOOL\r\nミプロ♪";

// The author's data shown in the window: the mail link reads the address and the release month.
constexpr const char* kAuthorMail = "mipro@example.com";
constexpr const char* kReleaseMonth = "2026年12月";
constexpr const char* kHomePage = "https://example.com/mipro/";

}  // namespace mipro
