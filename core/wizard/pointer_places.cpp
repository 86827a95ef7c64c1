#include "wizard/pointer_places.h"

#include "base/nearest_int.h"

namespace mipro {

void GoPointerDefPos(Wizard& w, ControlRef objCMD) {
    const WindowMetrics m = w.pf.window.metrics();
    const ControlPlacement button = w.pf.window.placement(objCMD);
    const double tx = w.st.TwipsX;
    const double ty = w.st.TwipsY;
    // The first term is the width of one side frame; the bracket of y is the height of the title
    // bar and upper frame (outer height less client height less 3 pixels of lower frame).
    const std::int32_t x = NearestInt((m.width / tx - m.scaleWidth) / 2 + m.left / tx + button.left + 75);
    const std::int32_t y = NearestInt(m.top / ty + (m.height / ty - m.scaleHeight - 3) + button.top + 10);
    w.pf.pointer.setCursorPos({x, y});
}

ScreenPoint ScreenCentre(Wizard& w) {
    return {NearestInt(w.pf.screen.widthTwips() / w.st.TwipsX / 2),
            NearestInt(w.pf.screen.heightTwips() / w.st.TwipsY / 2)};
}

}  // namespace mipro
