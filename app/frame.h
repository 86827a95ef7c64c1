// The wizard frame frmMAIN: start-up, step dispatch, Next and Back, pointer parking and closing.
#pragma once

#include "app/wizard.h"
#include "platform/main_window.h"

namespace mipro {

// Unload modes of Form_QueryUnload: 0 is the user's close box or system menu.
constexpr int kUnloadFromUser = 0;
constexpr int kUnloadFromCode = 1;

void Form_Load(Wizard& w);
void InitProc(Wizard& w);
void tmrWakeup_Timer(Wizard& w);
void ProcCall(Wizard& w);
void cmdNEXT_Click(Wizard& w);
void cmdBACK_Click(Wizard& w);
void cmdHELP_Click(Wizard& w);
void chkSOUND_Click(Wizard& w);
void optSPEED_Click(Wizard& w, int Index);
void lblVersion_Click(Wizard& w);
void StInfoSetCaption(Wizard& w);
void GoPointerDefPos(Wizard& w, ControlRef objCMD);
void Form_Resize(Wizard& w);
// Returns the Cancel value: True refuses the close.
Boolean Form_QueryUnload(Wizard& w, int UnloadMode);
void Form_Unload(Wizard& w);

// Sets a control's enabled state from a StepDone flag.
void EnableFrom(Wizard& w, ControlRef c, Boolean flag);

}  // namespace mipro
