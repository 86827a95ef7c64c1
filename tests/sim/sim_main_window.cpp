#include "tests/sim/sim_main_window.h"

#include <stdexcept>

#include "app/form_layout.h"
#include "base/nearest_int.h"

namespace mipro::sim {

namespace {
std::pair<int, int> Key(ControlRef c) { return {static_cast<int>(c.id), c.index}; }
}  // namespace

SimMainWindow::SimMainWindow(Log& log, double twipsPerPixel) : log_(log), twips_(twipsPerPixel) {
    for (const ControlDesign& d : MainFormDesign()) {
        SimControl c;
        c.enabled = d.enabled;
        c.visible = d.visible;
        c.caption = d.caption;
        c.left = NearestInt(d.left / twips_);
        c.top = NearestInt(d.top / twips_);
        controls_[Key(d.ref)] = c;
    }
}

SimControl& SimMainWindow::control(ControlRef c) {
    auto it = controls_.find(Key(c));
    if (it == controls_.end()) throw std::out_of_range("the simulated frmMAIN has no such control");
    return it->second;
}

void SimMainWindow::setValue(ControlRef c, int value) { control(c).value = value; }

void SimMainWindow::userClicks(ControlRef c) {
    const ControlDesign& d = DesignOf(c);
    const SimControl& s = control(c);
    const bool onShowingPage = d.page == 0 || (control({Control::picSTEP, d.page}).visible &&
                                               control({Control::picSTEP, d.page}).enabled);
    if (!s.enabled || !s.visible || !onShowingPage || !events_) return;
    if (d.kind == ControlKind::CheckBox) setValue(c, s.value == 0 ? 1 : 0);
    // The window system selects the option button clicked and clears the others of its group.
    if (d.kind == ControlKind::OptionButton) {
        for (auto& [key, other] : controls_)
            if (key.first == static_cast<int>(c.id)) other.value = 0;
        setValue(c, 1);
    }
    events_->Control_Click(c);
}

void SimMainWindow::wakeupTimerFires() {
    if (events_ && timer_enabled_) events_->tmrWakeup_Timer();
}

bool SimMainWindow::userCloses() {
    if (!events_ || events_->Form_QueryUnload(kUnloadFromUser) != False) return false;
    events_->Form_Unload();
    shown_ = false;
    return true;
}

void SimMainWindow::sessionEnds() {
    if (events_) events_->Session_End();
}

void SimMainWindow::mouseUp() {
    if (events_) events_->Form_MouseUp();
}

void SimMainWindow::moveControl(ControlRef c, int leftPx, int topPx) {
    control(c).left = leftPx;
    control(c).top = topPx;
}

ControlPlacement SimMainWindow::placement(ControlRef c) {
    const ControlDesign& d = DesignOf(c);
    const SimControl& s = control(c);
    return {s.left, s.top, NearestInt(d.width / twips_), NearestInt(d.height / twips_)};
}

WindowMetrics SimMainWindow::metrics() {
    const double clientW = NearestInt(kClientWidthTwips / twips_);
    const double clientH = NearestInt(kClientHeightTwips / twips_);
    WindowMetrics m;
    m.scaleWidth = clientW;
    m.scaleHeight = clientH;
    m.width = (clientW + outerExtraWidthPx) * twips_;
    m.height = (clientH + outerExtraHeightPx) * twips_;
    m.left = windowLeftPx * twips_;
    m.top = windowTopPx * twips_;
    return m;
}

void SimMainWindow::paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) {
    Picture thumb(dw, dh);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) thumb.setPoint(x, y, picture.point(x * w / dw, y * h / dh));
    thumbnails_[index] = {thumb, 0};
}

void SimMainWindow::copyThumbnailRow(int from, int to, int row) {
    const Picture& source = thumbnails_[from].image;
    SimThumbnail& target = thumbnails_[to];
    if (target.image.empty()) target.image = Picture(kThumbnailSide, kThumbnailSide);
    for (int x = 0; x < kThumbnailSide; ++x) {
        const bool inside = x < source.width() && row < source.height();
        target.image.setPoint(x, row, inside ? source.point(x, row) : 0xFFFFFF);
    }
    ++target.rowsCopied;
}

void SimMainWindow::doEvents() {
    log_.add({EventKind::DoEvents});
    deliverSessionEnd();
    std::deque<std::function<void()>> due;
    due.swap(pending_);
    for (auto& event : due) event();
    if (onDoEvents) onDoEvents();
}

void SimMainWindow::deliverSessionEnd() {
    if (!session_end_asked_) return;
    session_end_asked_ = false;
    sessionEnds();
    throw ProgramEnded{};
}

}  // namespace mipro::sim
