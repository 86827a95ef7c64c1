// The step routines that the dispatcher calls, one per wizard step.
#pragma once

#include "app/wizard.h"

namespace mipro {

void ST01_StartProc(Wizard& w);
void ST02_ImageGetProc(Wizard& w);
void ST03_ImgAnaly(Wizard& w);
void ST04_BoardSelect(Wizard& w);
void ST05_GetRgbPos(Wizard& w);
void ST06_GetHomePos(Wizard& w);
void ST07_DrawProc(Wizard& w);

}  // namespace mipro
