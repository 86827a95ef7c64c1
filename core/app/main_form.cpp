#include "app/main_form.h"

#include "app/frame.h"
#include "drawing/desk_position.h"
#include "drawing/draw_step.h"
#include "picture/image_get_step.h"
#include "pixels/colour_choice.h"
#include "targeting/board_choice.h"
#include "targeting/capture_steps.h"

namespace mipro {

namespace {

// A click's handler; the index is that of the clicked element of a control array.
using ClickHandler = void (*)(Wizard& w, int index);

struct ClickRoute {
    Control control;
    ClickHandler handler;
};

// Controls missing here (pages, labels, pictures, the text box) run nothing when clicked.
const ClickRoute kClickRoutes[] = {
    {Control::cmdNEXT, [](Wizard& w, int) { cmdNEXT_Click(w); }},
    {Control::cmdBACK, [](Wizard& w, int) { cmdBACK_Click(w); }},
    {Control::cmdHELP, [](Wizard& w, int) { cmdHELP_Click(w); }},
    {Control::chkSOUND, [](Wizard& w, int) { chkSOUND_Click(w); }},
    {Control::lblVERSION, [](Wizard& w, int) { lblVersion_Click(w); }},
    {Control::optSPEED, optSPEED_Click},
    {Control::cmdOPEN, [](Wizard& w, int) { cmdOPEN_Click(w); }},
    {Control::optCOLOURS, optCOLOURS_Click},
    {Control::chkDITHER, [](Wizard& w, int) { chkDITHER_Click(w); }},
    {Control::optBOARD, optBOARD_Click},
    {Control::cmdGETRGB, [](Wizard& w, int) { cmdGETRGB_Click(w); }},
    {Control::cmdGETHOME, [](Wizard& w, int) { cmdGETHOME_Click(w); }},
    {Control::cmdDRAW, [](Wizard& w, int) { cmdDRAW_Click(w); }},
    {Control::chkCHECK, [](Wizard& w, int) { chkCHECK_Click(w); }},
    {Control::chkSTROKE, [](Wizard& w, int) { chkSTROKE_Click(w); }},
    {Control::chkSHIEXACT, [](Wizard& w, int) { chkSHIEXACT_Click(w); }},
    {Control::chkCODEOPEN, [](Wizard& w, int) { chkCODEOPEN_Click(w); }},
    {Control::chkCODECLOSE, [](Wizard& w, int) { chkCODECLOSE_Click(w); }},
    {Control::chkCODEHASH, [](Wizard& w, int) { chkCODEHASH_Click(w); }},
};

}  // namespace

void MainForm::Control_Click(ControlRef c) {
    for (const ClickRoute& route : kClickRoutes) {
        if (route.control == c.id) return route.handler(w_, c.index);
    }
}

void MainForm::tmrWakeup_Timer() { mipro::tmrWakeup_Timer(w_); }
void MainForm::Form_MouseUp() { mipro::Form_MouseUp(w_); }
void MainForm::Form_Resize() { mipro::Form_Resize(w_); }
Boolean MainForm::Form_QueryUnload(int UnloadMode) { return mipro::Form_QueryUnload(w_, UnloadMode); }
void MainForm::Form_Unload() { mipro::Form_Unload(w_); }
void MainForm::Session_End() { EndSession(w_); }

}  // namespace mipro
