#include "editions/win32/ui_font.h"

namespace mipro::win32 {

namespace {

// The design's face first; where it is not installed, the same face under its other name or a
// like proportional Japanese face, rather than whatever the font mapper picks.
constexpr const wchar_t* kFaceNames[] = {L"ＭＳ Ｐゴシック", L"MS PGothic", L"IPAPGothic", L"IPA Pゴシック"};
constexpr int kPointSize = 9;
constexpr int kPointsPerInch = 72;

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

const wchar_t* FormFace(HDC dc) {
    for (const wchar_t* face : kFaceNames)
        if (FaceInstalled(dc, face)) return face;
    return kFaceNames[0];
}

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

// The Japanese character set makes a system without the face choose a Japanese face instead.
HFONT CreateFormFont(bool underline) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(kPointSize, GetDeviceCaps(screen, LOGPIXELSY), kPointsPerInch);
    const wchar_t* face = FormFace(screen);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                       face);
}

void ApplyFont(HWND window, HFONT font) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EnumChildWindows(window, SetFontOfChild, reinterpret_cast<LPARAM>(font));
}

}  // namespace mipro::win32
