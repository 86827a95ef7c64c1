// A simulated frmMAIN: the state of every control, starting from the form's design.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>

#include "base/picture.h"
#include "interfaces/main_window.h"
#include "tests/sim/sim_log.h"

namespace mipro::sim {

struct SimControl {
    bool enabled = true;
    bool visible = true;
    std::string caption;
    int value = 0;
    int left = 0;
    int top = 0;
};

// The platform ends the program once Session_End has run; on the simulated desktop the end is
// this exception, out of whatever loop was running.
struct ProgramEnded {};

struct SimThumbnail {
    Picture image;  // what the box shows; empty when cleared
    int rowsCopied = 0;
};

class SimMainWindow : public MainWindow {
public:
    SimMainWindow(Log& log, double twipsPerPixel);

    void setEnabled(ControlRef c, bool enabled) override { control(c).enabled = enabled; }
    bool isEnabled(ControlRef c) override { return control(c).enabled; }
    void setVisible(ControlRef c, bool visible) override { control(c).visible = visible; }
    bool isVisible(ControlRef c) override { return control(c).visible; }
    void setCaption(ControlRef c, const std::string& text) override { control(c).caption = text; }
    std::string caption(ControlRef c) override { return control(c).caption; }
    void setValue(ControlRef c, int value) override;
    int value(ControlRef c) override { return control(c).value; }
    void setFocus(ControlRef c) override { focused_ = c; }
    void moveControl(ControlRef c, int leftPx, int topPx) override;
    ControlPlacement placement(ControlRef c) override;

    void setWindowCaption(const std::string& text) override { caption_ = text; }
    std::string windowCaption() override { return caption_; }
    WindowMetrics metrics() override;
    void showWindow(bool visible) override { shown_ = visible; }
    void enableWindow(bool enabled) override { window_enabled_ = enabled; }
    void focusWindow() override { window_focused_ = true; }
    void minimize() override { minimized_ = true; }
    void restore() override { minimized_ = false; }
    void setTopmost(bool topmost) override { topmost_ = topmost; }
    void lockUpdate(bool locked) override { locked_ = locked; }
    void setCapture() override { captured_ = true; }
    void releaseCapture() override { captured_ = false; }
    void enableWakeupTimer(bool enabled) override { timer_enabled_ = enabled; }
    void showAboutModal(const std::string& appTitle) override {
        ++about_shown_;
        about_title_ = appTitle;
    }

    void clearThumbnail(int index) override { thumbnails_[index] = {}; }
    void paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) override;
    void copyThumbnailRow(int from, int to, int row) override;
    void copyThumbnail(int from, int to) override { thumbnails_[to].image = thumbnails_[from].image; }

    // Both deliver a session end asked for with sessionEndAsked().
    void doEvents() override;
    void deliverSessionEnd() override;

    // The user's hand and the window system, for tests; events go to the handlers attached.
    void attach(MainWindowEvents& events) { events_ = &events; }
    // A click reaches the handlers only on an enabled, visible control on the page showing, after
    // a check box has toggled or an option button has been selected, as on a real window.
    void userClicks(ControlRef c);
    void wakeupTimerFires();
    // The close box: true when the window closed (and was unloaded).
    bool userCloses();
    void mouseUp();
    // The session ends: the platform's part before the program is ended.
    void sessionEnds();
    // The session's end is asked for (a signal, on a real desktop) and waits to be delivered.
    void sessionEndAsked() { session_end_asked_ = true; }

    // For tests.
    ControlRef focused() const { return focused_; }
    bool shown() const { return shown_; }
    bool windowEnabled() const { return window_enabled_; }
    bool minimized() const { return minimized_; }
    bool topmost() const { return topmost_; }
    bool locked() const { return locked_; }
    bool captured() const { return captured_; }
    bool timerEnabled() const { return timer_enabled_; }
    int aboutShown() const { return about_shown_; }
    const std::string& aboutTitle() const { return about_title_; }
    const SimThumbnail& thumbnail(int index) { return thumbnails_[index]; }
    // Runs once, at the next DoEvents (a pending window event).
    void post(std::function<void()> event) { pending_.push_back(std::move(event)); }
    // Runs at every DoEvents.
    std::function<void()> onDoEvents;

    // The outer window in pixels: position and the frame around the client area.
    int windowLeftPx = 200;
    int windowTopPx = 150;
    int outerExtraWidthPx = 6;    // both side frames together
    int outerExtraHeightPx = 29;  // title bar, upper and lower frame

private:
    SimControl& control(ControlRef c);

    Log& log_;
    double twips_;
    std::map<std::pair<int, int>, SimControl> controls_;
    std::map<int, SimThumbnail> thumbnails_;
    std::deque<std::function<void()>> pending_;
    ControlRef focused_{Control::cmdNEXT, -1};
    std::string caption_;
    bool shown_ = false, window_enabled_ = true, window_focused_ = false, minimized_ = false;
    bool topmost_ = false, locked_ = false, captured_ = false, timer_enabled_ = false;
    bool session_end_asked_ = false;
    int about_shown_ = 0;
    std::string about_title_;
    MainWindowEvents* events_ = nullptr;
};

}  // namespace mipro::sim
