// Numeric identifiers of the icons and pictures compiled into mipro.exe (shared by the .rc file
// and the code that loads them).
#pragma once

#define IDI_MIPRO 1
#define IDI_SPEAKER_OFF 2
#define IDI_SPEAKER_ON 3

// The step illustrations imgSTIMG(0) to imgSTIMG(10) are IDB_STEP_FIRST + index.
#define IDB_STEP_FIRST 100
