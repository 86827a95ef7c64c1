// The pointer held by the program over the whole screen: while held, a click anywhere reaches the
// program alone, never the window under the pointer (a desktop icon, a link).
#pragma once

namespace mipro::linux_x11 {

class RootPointerGrab {
public:
    ~RootPointerGrab() { release(); }

    // Takes the pointer unless already held; false (and said on stderr once) while another
    // program holds it, so the caller may ask again later.
    bool take();
    void release();
    bool held() const { return held_; }

private:
    bool held_ = false;
    bool failureReported_ = false;
};

}  // namespace mipro::linux_x11
