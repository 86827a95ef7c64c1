#include "picture/image_get_step.h"

#include "picture/image_load.h"
#include "picture/open_file_request.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"
#include "wizard/step_controls.h"

namespace mipro {

void ST02_ImageGetProc(Wizard& w) {
    State& st = w.st;
    MainWindow& win = w.pf.window;
    EnableFrom(w, {Control::cmdBACK}, st.StepDone(st.StepNo - 1, 0));
    EnableFrom(w, {Control::cmdNEXT}, st.StepDone(st.StepNo, 0));
    if (!win.isEnabled({Control::cmdNEXT})) {
        win.setFocus({Control::cmdOPEN});
        GoPointerDefPos(w, {Control::cmdOPEN});
    }
    win.setVisible({Control::picIMGCHK, st.StepNo}, st.StepDone(st.StepNo, 0) != False);
}

void cmdOPEN_Click(Wizard& w) {
    State& st = w.st;
    MainWindow& win = w.pf.window;
    PlaySnd(w, "CLICK");

    win.enableWindow(false);
    const std::optional<std::string> chosen =
        w.pf.dialogs.openFile(BuildOpenFileRequest(st.ImgFileName, w.pf.firstBrowseFolder));
    win.enableWindow(true);
    win.doEvents();

    if (chosen && ImgLoad(w, *chosen) != False) {
        st.ImgFileName = *chosen;
        win.setCaption({Control::txtIMGFILENAME}, st.ImgFileName);
        st.StepDone(st.StepNo, 0) = True;
        EnableFrom(w, {Control::cmdNEXT}, st.StepDone(st.StepNo, 0));
        win.setFocus({Control::cmdNEXT});
        GoPointerDefPos(w, {Control::cmdNEXT});
        st.StepDone(st.StepNo + 1, 0) = False;
    }
    win.focusWindow();
}

}  // namespace mipro
