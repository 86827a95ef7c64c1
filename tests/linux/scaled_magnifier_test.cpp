// The magnifier on a scaled desktop: whatever GTK's window scale (GDK_SCALE, set by the test's
// runner) and the Xft.dpi resource, the window is kMagnifierSizePx square in device pixels,
// centred on the pointer as the core places it, and its view shows each screen pixel as 3 x 3
// device pixels.
#include "editions/linux/gtk_magnifier_window.h"
#include "editions/linux/gtk_scale.h"
#include "targeting/magnifier_geometry.h"
#include "base/twips.h"

#include <chrono>
#include <string>
#include <thread>

#include "x_test_display.h"

#include <gdk/gdkx.h>

namespace mipro::testing {

namespace {

using linux_x11::GtkMagnifierWindow;
using linux_x11::X11Screen;

constexpr int kDpis[] = {96, 144, 192};
// Pointer positions, odd and even, where the window goes when shown and where it moves after.
constexpr ScreenPoint kFirstPointer{641, 511};
constexpr ScreenPoint kSecondPointer{300, 402};
// The window is looked at until it stands where asked: a window manager on a busy machine takes
// seconds to place it, so the test gives up only after half a minute.
constexpr int kSettleTries = 1500;
constexpr auto kSettlePause = std::chrono::milliseconds(20);
// The source square shown in the view, half red and half blue, left of the magnifier.
constexpr Rect kRedHalf{20, 100, kSourceSizePx / 2, kSourceSizePx};
constexpr Rect kBlueHalf{20 + kSourceSizePx / 2, 100, kSourceSizePx / 2, kSourceSizePx};
constexpr int kZoom = kViewSizePx / kSourceSizePx;
constexpr ColourValue kRed = 0x0000FF;  // red in the low byte
constexpr ColourValue kBlue = 0xFF0000;

class NoEvents : public MagnifierEvents {
public:
    void Form_KeyDown(MagnifierKey) override {}
    void Form_MouseUp(MouseButton) override {}
    void Form_Unload() override {}
};

class ScaledMagnifierTest : public XDisplayTest {
protected:
    void SetUp() override {
        XDisplayTest::SetUp();
        if (IsSkipped()) return;
        if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "GTK cannot open the display";
        resourceManager_ = XInternAtom(display, "RESOURCE_MANAGER", False);
        savedResources_ = Resources();
    }

    void TearDown() override {
        if (display && !IsSkipped()) SetResources(savedResources_);
        XDisplayTest::TearDown();
    }

    std::string Resources() {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, remaining = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, root, resourceManager_, 0, 1L << 20, False, XA_STRING, &type, &format, &items,
                           &remaining, &data);
        std::string text = data ? std::string(reinterpret_cast<char*>(data), items) : std::string();
        if (data) XFree(data);
        return text;
    }

    // As `xrdb -merge` would leave it for this one resource.
    void SetResources(const std::string& text) {
        XChangeProperty(display, root, resourceManager_, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
        XSync(display, False);
    }

    // The magnifier's X window on the screen, in device pixels, once GTK has done what it was asked.
    Rect Placed(GtkMagnifierWindow& mag, Rect want) {
        Rect got{};
        for (int tries = 0; tries < kSettleTries; ++tries) {
            while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
            got = OnScreen(mag);
            if (got.x == want.x && got.y == want.y && got.width == want.width && got.height == want.height) break;
            std::this_thread::sleep_for(kSettlePause);
        }
        return got;
    }

    Rect OnScreen(GtkMagnifierWindow& mag) {
        GdkWindow* gdkWindow = gtk_widget_get_window(mag.handle());
        if (!gdkWindow) return {};
        const Window window = gdk_x11_window_get_xid(gdkWindow);
        Window ignored = None;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(display, window, &ignored, &x, &y, &width, &height, &border, &depth);
        XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &ignored);
        return {x, y, static_cast<int>(width), static_cast<int>(height)};
    }

    // Where the core puts the window for the pointer at p, in device pixels.
    static Rect Expected(const MagnifierGeometry& g, int twips, ScreenPoint p) {
        const TwipsPoint at = PlaceOnPointer(g, twips, twips, p);
        return {WindowPixelAt(at.left, twips), WindowPixelAt(at.top, twips), kMagnifierSizePx, kMagnifierSizePx};
    }

    Atom resourceManager_ = None;
    std::string savedResources_;
};

std::string Show(Rect r) {
    return std::to_string(r.width) + " x " + std::to_string(r.height) + " at (" + std::to_string(r.x) + ", " +
           std::to_string(r.y) + ")";
}

TEST_F(ScaledMagnifierTest, IsItsSizeInDevicePixelsCentredOnThePointerAtEveryDpi) {
    for (const int dpi : kDpis) {
        SCOPED_TRACE("Xft.dpi " + std::to_string(dpi) + ", window scale " + std::to_string(linux_x11::WindowScale()));
        SetResources("Xft.dpi:\t" + std::to_string(dpi) + "\n");
        X11Screen screen(system);
        NoEvents events;
        GtkMagnifierWindow mag(events, screen);
        const int twips = static_cast<int>(screen.twipsPerPixelX());
        const MagnifierGeometry g = MagnifierGeometryFor(twips, twips);

        mag.resize(g.width, g.height);
        TwipsPoint at = PlaceOnPointer(g, twips, twips, kFirstPointer);
        mag.move(at.left, at.top);
        mag.show();
        Rect want = Expected(g, twips, kFirstPointer);
        Rect got = Placed(mag, want);
        EXPECT_EQ(Show(got), Show(want)) << "shown";
        EXPECT_NEAR(got.x + kMagnifierSizePx / 2, kFirstPointer.x, 1) << "centred on the pointer";
        EXPECT_NEAR(got.y + kMagnifierSizePx / 2, kFirstPointer.y, 1) << "centred on the pointer";

        at = PlaceOnPointer(g, twips, twips, kSecondPointer);
        mag.move(at.left, at.top);
        want = Expected(g, twips, kSecondPointer);
        got = Placed(mag, want);
        EXPECT_EQ(Show(got), Show(want)) << "moved while shown";
    }
}

TEST_F(ScaledMagnifierTest, ShowsEachScreenPixelAsThreeByThreeDevicePixels) {
    MakeWindow(kRedHalf, PixelFor(255, 0, 0));
    MakeWindow(kBlueHalf, PixelFor(0, 0, 255));
    X11Screen screen(system);
    NoEvents events;
    GtkMagnifierWindow mag(events, screen);
    const int twips = static_cast<int>(screen.twipsPerPixelX());
    const MagnifierGeometry g = MagnifierGeometryFor(twips, twips);
    mag.resize(g.width, g.height);
    const TwipsPoint at = PlaceOnPointer(g, twips, twips, kFirstPointer);
    mag.move(at.left, at.top);
    mag.show();
    const Rect placed = Placed(mag, Expected(g, twips, kFirstPointer));
    mag.stretchFrom(0, kRedHalf.x, kRedHalf.y);

    const int border = kRedHalf.width * kZoom;
    Picture shown;
    for (int tries = 0; tries < kSettleTries; ++tries) {
        while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
        shown = screen.grab(placed.x, placed.y, kViewSizePx, kViewSizePx);
        if (shown.point(kViewSizePx - 1, kViewSizePx - 1) == kBlue) break;
        std::this_thread::sleep_for(kSettlePause);
    }
    EXPECT_EQ(shown.point(0, 0), kRed);
    EXPECT_EQ(shown.point(border - 1, kViewSizePx - 1), kRed);
    EXPECT_EQ(shown.point(border, 0), kBlue) << "blue from the 151st device pixel on";
    EXPECT_EQ(shown.point(kViewSizePx - 1, kViewSizePx - 1), kBlue);
}

}  // namespace

}  // namespace mipro::testing
