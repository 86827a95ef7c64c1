// A simulated screen: windows are rectangles with class names, device contexts are counted, and
// focus rectangles and painted pixels go to the log.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/picture.h"
#include "interfaces/screen.h"
#include "tests/sim/sim_log.h"

namespace mipro::sim {

// What a window shows at a screen point inside it.
using PixelSource = std::function<ColourValue(ScreenPoint)>;

struct SimWindow {
    WindowHandle handle;
    ScreenRect rect;
    std::string className;
    PixelSource pixels;  // empty: the window is one plain colour
};

// Any strict order, so that focus rectangles can be kept in a set.
struct RectOrder {
    bool operator()(const ScreenRect& a, const ScreenRect& b) const {
        return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
    }
};
using FocusRectSet = std::set<ScreenRect, RectOrder>;

// What the core asked of one magnifier window, kept after the window is unloaded.
struct MagnifierRecord {
    // focusRectsShowing: how many focus rectangles were on the screen while it was copied.
    struct Stretch { DeviceContext source; int x, y; int focusRectsShowing; };
    struct Text { int x, y; std::string text; ColourValue colour; };

    MagnifierEvents* events = nullptr;  // null once the window is unloaded
    bool refusesGuide = false;  // as a window system without room for the guide picture
    double left = 0, top = 0;
    double width = 0, height = 0;
    bool shown = false;
    bool unloaded = false;
    int focusCount = 0;
    Picture guide;
    std::vector<Stretch> stretches;
    std::vector<int> frames;
    std::vector<Text> texts;
};

class SimMagnifierWindow : public MagnifierWindow {
public:
    SimMagnifierWindow(MagnifierEvents& events, MagnifierRecord& record, const FocusRectSet& focusRects)
        : r_(record), focus_rects_(focusRects) {
        r_.events = &events;
    }
    ~SimMagnifierWindow() override {
        r_.events = nullptr;
        r_.unloaded = true;
    }

    void move(double leftTwips, double topTwips) override { r_.left = leftTwips, r_.top = topTwips; }
    double left() override { return r_.left; }
    double top() override { return r_.top; }
    void resize(double widthTwips, double heightTwips) override { r_.width = widthTwips, r_.height = heightTwips; }
    void show() override { r_.shown = true; }
    void focus() override { ++r_.focusCount; }
    bool loadGuide(const Picture& picture) override {
        if (r_.refusesGuide) return false;
        r_.guide = picture;
        return true;
    }
    void stretchFrom(DeviceContext source, int srcX, int srcY) override {
        r_.stretches.push_back({source, srcX, srcY, static_cast<int>(focus_rects_.size())});
    }
    void andGuideFrame(int frame) override { r_.frames.push_back(frame); }
    void textOut(int x, int y, const std::string& text, ColourValue colour) override {
        r_.texts.push_back({x, y, text, colour});
    }

private:
    MagnifierRecord& r_;
    const FocusRectSet& focus_rects_;
};

class SimScreen : public Screen {
public:
    SimScreen(Log& log, int widthPx, int heightPx, double twipsPerPixel, double displayScale)
        : log_(log), width_px_(widthPx), height_px_(heightPx), twips_(twipsPerPixel), scale_(displayScale) {}

    double widthTwips() override { return width_px_ * twips_; }
    double heightTwips() override { return height_px_ * twips_; }
    double twipsPerPixelX() override { return twips_; }
    double twipsPerPixelY() override { return twips_; }
    double displayScale() override { return scale_; }
    void setDisplayScale(double scale) { scale_ = scale; }

    // Windows added later lie above those added earlier.
    WindowHandle addWindow(ScreenRect rect, std::string className) {
        const WindowHandle h = next_handle_++;
        windows_.push_back({h, rect, std::move(className), {}});
        return h;
    }
    void removeWindow(WindowHandle h) { std::erase_if(windows_, [h](const SimWindow& w) { return w.handle == h; }); }
    void moveWindow(WindowHandle h, ScreenRect rect) {
        for (SimWindow& w : windows_)
            if (w.handle == h) w.rect = rect;
    }

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
    // A focus rectangle is drawn by inverting: drawing the same one again erases it.
    void drawFocusRect(DeviceContext, ScreenRect r) override {
        log_.add({EventKind::FocusRect, {}, 0, "", r});
        if (!focus_rects_.erase(r)) focus_rects_.insert(r);
    }
    void setPixel(DeviceContext, int x, int y, ColourValue colour) override {
        log_.add({EventKind::SetPixel, {x, y}, colour});
    }

    // The topmost window's pixel at every point, the desktop's colour where no window is, black
    // past the screen's edges.
    std::optional<Picture> readPixels(ScreenRect area) override {
        ++reads;
        if (onRead) onRead();
        if (readsFail) return std::nullopt;
        Picture picture(area.right - area.left, area.bottom - area.top, kBlack);
        if (readsBlack) return picture;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (x < 0 || y < 0 || x >= width_px_ || y >= height_px_) continue;
                picture.setPoint(x - area.left, y - area.top, pixelAt({x, y}));
            }
        }
        return picture;
    }
    void setPixelSource(WindowHandle h, PixelSource source) {
        for (SimWindow& w : windows_)
            if (w.handle == h) w.pixels = std::move(source);
    }

    std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) override {
        magnifiers.emplace_back();
        magnifiers.back().refusesGuide = magnifiersRefuseGuide;
        return std::make_unique<SimMagnifierWindow>(events, magnifiers.back(), focus_rects_);
    }

    int openDeviceContexts() const { return static_cast<int>(open_dcs_.size()); }
    int focusRectsShowing() const { return static_cast<int>(focus_rects_.size()); }
    std::deque<MagnifierRecord> magnifiers;  // every magnifier window loaded, in order
    bool magnifiersRefuseGuide = false;

    static constexpr WindowHandle kDesktop = 1;
    static constexpr ColourValue kBlack = 0x000000;
    static constexpr ColourValue kDesktopColour = 0x808000;
    static constexpr ColourValue kPlainWindowColour = 0xC8D0D4;

    int reads = 0;            // screen reads asked for
    bool readsFail = false;   // a test plays a screen that cannot be read
    bool readsBlack = false;  // or one read as black all over, as X11 gives what it cannot read
    std::function<void()> onRead;  // runs before every read: lets a test change the screen

private:
    ColourValue pixelAt(ScreenPoint p) const {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
            const ScreenRect& r = it->rect;
            if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom) continue;
            return it->pixels ? it->pixels(p) : kPlainWindowColour;
        }
        return kDesktopColour;
    }

    Log& log_;
    int width_px_, height_px_;
    double twips_;
    double scale_;
    std::vector<SimWindow> windows_;
    WindowHandle next_handle_ = 100;
    DeviceContext next_dc_ = 1000;
    std::set<DeviceContext> open_dcs_;
    FocusRectSet focus_rects_;
};

}  // namespace mipro::sim
