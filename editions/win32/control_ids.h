// The control identifiers of frmMAIN and frmABOUT, so that tests can find the controls of the
// running program (GetDlgItem on the control's container).
#pragma once

#include "interfaces/main_window.h"

namespace mipro::win32 {

constexpr int kFirstControlId = 1000;
constexpr int kIdsPerControl = 16;  // room for every index of a control array

constexpr int ControlId(ControlRef c) {
    return kFirstControlId + static_cast<int>(c.id) * kIdsPerControl + c.index;
}

constexpr ControlRef ControlFromId(int id) {
    const int offset = id - kFirstControlId;
    return {static_cast<Control>(offset / kIdsPerControl), offset % kIdsPerControl};
}

constexpr bool IsMainFormControlId(int id) {
    return id >= kFirstControlId && id < ControlId({Control::chkCODEHASH, kIdsPerControl});
}

// frmABOUT.
constexpr int kAboutIconId = 200;
constexpr int kAboutTitleId = 201;
constexpr int kAboutMailId = 202;
constexpr int kAboutHomePageId = 203;
// cmdOK carries IDOK (1) so that Enter and Esc press it.

// Window classes.
constexpr const wchar_t* kMainWindowClass = L"miproMainWindow";
constexpr const wchar_t* kAboutWindowClass = L"miproAboutWindow";
constexpr const wchar_t* kMagnifierWindowClass = L"MiproMagnifier";

}  // namespace mipro::win32
