#include "editions/linux/x11_compositing.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <string>

namespace mipro::linux_x11 {

namespace {

// Input shapes came with SHAPE 1.1.
constexpr int kInputShapeMajor = 1;
constexpr int kInputShapeMinor = 1;

}  // namespace

bool CompositingManagerRuns(Display* display, int screen) {
    const std::string selection = "_NET_WM_CM_S" + std::to_string(screen);
    const Atom atom = XInternAtom(display, selection.c_str(), False);
    return atom != None && XGetSelectionOwner(display, atom) != None;
}

bool HasInputShapes(Display* display) {
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return false;
    int major = 0, minor = 0;
    if (!XShapeQueryVersion(display, &major, &minor)) return false;
    return major > kInputShapeMajor || (major == kInputShapeMajor && minor >= kInputShapeMinor);
}

}  // namespace mipro::linux_x11
