#include "editions/win32/main_form_controls.h"

#include "app/form_layout.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/display_units.h"
#include "editions/win32/unicode_text.h"
#include "resources/resource_ids.h"

namespace mipro::win32 {

namespace {

constexpr wchar_t kPageClass[] = L"miproPage";
constexpr int kSpeakerIconPx = 16;

// The pages pass their controls' notifications on to frmMAIN, which handles them all.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
        default:
            return DefWindowProcW(page, message, wParam, lParam);
    }
}

RECT DesignBounds(const ControlDesign& d) {
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const int left = TwipsToPixels(d.left, tx), top = TwipsToPixels(d.top, ty);
    // A line is one pixel high; the second line of the etched pair lies one pixel lower.
    if (d.kind == ControlKind::Line) {
        const int y = top + d.ref.index;
        return {left, y, left + TwipsToPixels(d.width, tx), y + 1};
    }
    return {left, top, left + TwipsToPixels(d.width, tx), top + TwipsToPixels(d.height, ty)};
}

struct WindowStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowStyle StyleOf(const ControlDesign& d) {
    switch (d.kind) {
        case ControlKind::Page:
            return {kPageClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::OptionButton:
            return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | (d.ref.index == 0 ? WS_GROUP : 0u), 0};
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
        case ControlKind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::PictureBox:
            return {nullptr, 0, WS_EX_CLIENTEDGE};
        case ControlKind::Image:
        case ControlKind::Line:
            return {nullptr, 0, 0};
    }
    return {nullptr, 0, 0};
}

// False when the thumbnail box's canvas could not be made.
bool FillPicture(PictureControl& picture, const ControlDesign& d, HINSTANCE instance) {
    switch (d.ref.id) {
        case Control::imgSTIMG:
            picture.showBitmap(static_cast<HBITMAP>(LoadImageW(
                instance, MAKEINTRESOURCEW(IDB_STEP_FIRST + d.ref.index), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            break;
        case Control::imgSND:
            picture.showIcon(static_cast<HICON>(
                LoadImageW(instance, MAKEINTRESOURCEW(d.ref.index == 0 ? IDI_SPEAKER_OFF : IDI_SPEAKER_ON),
                           IMAGE_ICON, kSpeakerIconPx, kSpeakerIconPx, LR_SHARED)));
            break;
        case Control::lineTOP:
            picture.showSolid(d.ref.index == 0 ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
            break;
        case Control::picIMGCHK:
            return picture.makeCanvas();
        default:
            break;
    }
    return true;
}

}  // namespace

void FormControls::RegisterPageClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PageProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kPageClass;
    RegisterClassExW(&wc);
}

bool FormControls::build(HWND form, HINSTANCE instance) {
    // The design lists the pages first, so every control's page exists when it is created.
    for (const ControlDesign& d : MainFormDesign()) {
        HWND parent = d.page == 0 ? form : window({Control::picSTEP, d.page});
        const RECT r = DesignBounds(d);
        const WindowStyle ws = StyleOf(d);
        const DWORD state = (d.visible ? WS_VISIBLE : 0u) | (d.enabled ? 0u : WS_DISABLED);
        const int id = ControlId(d.ref);

        if (!ws.className) {
            auto picture = std::make_unique<PictureControl>();
            HWND shown = picture->create(parent, id, r, state, ws.exStyle);
            windows_[KeyOf(d.ref)] = shown;
            const bool filled = shown && FillPicture(*picture, d, instance);
            pictures_[KeyOf(d.ref)] = std::move(picture);
            if (!filled) return false;
            continue;
        }
        HWND control = CreateWindowExW(
            ws.exStyle, ws.className, Widen(d.caption).c_str(), WS_CHILD | ws.style | state, r.left, r.top,
            r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
            instance, nullptr);
        if (!control) return false;
        windows_[KeyOf(d.ref)] = control;
    }
    return true;
}

HWND FormControls::window(ControlRef c) const {
    const auto it = windows_.find(KeyOf(c));
    return it == windows_.end() ? nullptr : it->second;
}

PictureControl* FormControls::picture(ControlRef c) const {
    const auto it = pictures_.find(KeyOf(c));
    return it == pictures_.end() ? nullptr : it->second.get();
}

}  // namespace mipro::win32
