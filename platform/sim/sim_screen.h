// A simulated screen: windows are rectangles with class names, device contexts are counted, and
// focus rectangles and painted pixels go to the log.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/screen.h"
#include "platform/sim/sim_log.h"

namespace mipro::sim {

struct SimWindow {
    WindowHandle handle;
    ScreenRect rect;
    std::string className;
};

// Records what the core asked the magnifier window to do.
class SimMagnifierWindow : public MagnifierWindow {
public:
    explicit SimMagnifierWindow(MagnifierEvents& events) : events(events) {}

    void move(double leftTwips, double topTwips) override { left_ = leftTwips, top_ = topTwips; }
    double left() override { return left_; }
    double top() override { return top_; }
    void resize(double widthTwips, double heightTwips) override { width = widthTwips, height = heightTwips; }
    void show() override { shown = true; }
    void focus() override { ++focusCount; }
    void stretchFrom(DeviceContext source, int srcX, int srcY) override {
        stretches.push_back({source, srcX, srcY});
    }
    void andGuideFrame(int frame) override { frames.push_back(frame); }
    void textOut(int x, int y, const std::string& text, ColourValue colour) override {
        texts.push_back({x, y, text, colour});
    }

    struct Stretch { DeviceContext source; int x, y; };
    struct Text { int x, y; std::string text; ColourValue colour; };

    MagnifierEvents& events;
    double width = 0, height = 0;
    bool shown = false;
    int focusCount = 0;
    std::vector<Stretch> stretches;
    std::vector<int> frames;
    std::vector<Text> texts;

private:
    double left_ = 0, top_ = 0;
};

class SimScreen : public Screen {
public:
    SimScreen(Log& log, int widthPx, int heightPx, double twipsPerPixel)
        : log_(log), width_px_(widthPx), height_px_(heightPx), twips_(twipsPerPixel) {}

    double widthTwips() override { return width_px_ * twips_; }
    double heightTwips() override { return height_px_ * twips_; }
    double twipsPerPixelX() override { return twips_; }
    double twipsPerPixelY() override { return twips_; }

    // Windows added later lie above those added earlier.
    WindowHandle addWindow(ScreenRect rect, std::string className) {
        const WindowHandle h = next_handle_++;
        windows_.push_back({h, rect, std::move(className)});
        return h;
    }
    void removeWindow(WindowHandle h) { std::erase_if(windows_, [h](const SimWindow& w) { return w.handle == h; }); }

    WindowHandle windowFromPoint(ScreenPoint p) override {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
            const ScreenRect& r = it->rect;
            if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return it->handle;
        }
        return 0;
    }
    bool isWindow(WindowHandle h) override {
        for (const SimWindow& w : windows_)
            if (w.handle == h) return true;
        return false;
    }
    std::string className(WindowHandle h) override {
        for (const SimWindow& w : windows_)
            if (w.handle == h) return w.className;
        return "";
    }

    WindowHandle desktopWindow() override { return kDesktop; }
    DeviceContext getDC(WindowHandle) override {
        const DeviceContext dc = next_dc_++;
        open_dcs_.insert(dc);
        return dc;
    }
    void releaseDC(WindowHandle, DeviceContext dc) override { open_dcs_.erase(dc); }
    void drawFocusRect(DeviceContext, ScreenRect r) override { log_.add({EventKind::FocusRect, {}, 0, "", r}); }
    void setPixel(DeviceContext, int x, int y, ColourValue colour) override {
        log_.add({EventKind::SetPixel, {x, y}, colour});
    }

    std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) override {
        auto window = std::make_unique<SimMagnifierWindow>(events);
        lastMagnifier = window.get();
        ++magnifiersLoaded;
        return window;
    }

    int openDeviceContexts() const { return static_cast<int>(open_dcs_.size()); }
    SimMagnifierWindow* lastMagnifier = nullptr;  // valid while the core holds it
    int magnifiersLoaded = 0;

    static constexpr WindowHandle kDesktop = 1;

private:
    Log& log_;
    int width_px_, height_px_;
    double twips_;
    std::vector<SimWindow> windows_;
    WindowHandle next_handle_ = 100;
    DeviceContext next_dc_ = 1000;
    std::set<DeviceContext> open_dcs_;
};

}  // namespace mipro::sim
