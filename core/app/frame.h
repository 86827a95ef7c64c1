// The wizard frame frmMAIN: start-up, step dispatch, Next and Back, step 1, the speed, and closing.
#pragma once

#include "interfaces/main_window.h"
#include "wizard/wizard.h"

namespace mipro {

void Form_Load(Wizard& w);
void InitProc(Wizard& w);
void tmrWakeup_Timer(Wizard& w);
void ProcCall(Wizard& w);
void cmdNEXT_Click(Wizard& w);
void cmdBACK_Click(Wizard& w);
void cmdHELP_Click(Wizard& w);
void chkSOUND_Click(Wizard& w);
void lblVersion_Click(Wizard& w);
void ST01_StartProc(Wizard& w);
void Form_Resize(Wizard& w);
// Returns the Cancel value: True refuses the close.
Boolean Form_QueryUnload(Wizard& w, int UnloadMode);
// Deletes the work files, those the edition made for its sorts included.
void Form_Unload(Wizard& w);
// The session ends (logoff, shutdown) while a step's loop may be running: what the loops hold
// (the screen, the topmost state, the timer resolution, the mouse, a running sort) is given back
// and the work files deleted, as on a normal close. The program does not go back into the loop.
void EndSession(Wizard& w);

}  // namespace mipro
