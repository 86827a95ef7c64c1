// frmMAIN's events, each to its handler: the one map from the window's controls to the routines
// their clicks run, used by every platform.
#pragma once

#include "interfaces/main_window.h"
#include "wizard/wizard.h"

namespace mipro {

class MainForm : public MainWindowEvents {
public:
    explicit MainForm(Wizard& w) : w_(w) {}

    void Control_Click(ControlRef c) override;
    void tmrWakeup_Timer() override;
    void Form_MouseUp() override;
    void Form_Resize() override;
    Boolean Form_QueryUnload(int UnloadMode) override;
    void Form_Unload() override;
    void Session_End() override;

private:
    Wizard& w_;
};

}  // namespace mipro
