// frmMAIN as GTK draws it, driven by the core on the simulated desktop's other parts: its size
// whatever the picture, and the capture that keeps the fixing click from the window below.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "app/frame.h"
#include "app/main_form.h"
#include "editions/linux/gtk_main_window.h"
#include "picture/image_get_step.h"
#include "tests/linux/gtk_test_support.h"
#include "tests/sim/sim_desktop.h"
#include "wizard/wizard.h"

namespace mipro::testing {
namespace {

// The core's truth values, named before Xlib's True and False (1 and 0) hide them.
constexpr Boolean kCoreTrue = True;
constexpr Boolean kCoreFalse = False;

}  // namespace
}  // namespace mipro::testing

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <X11/extensions/XTest.h>

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;
using linux_x11::GtkMainWindow;

// The design's client area, 7515 x 4395 twips, at 15 twips a pixel.
constexpr double kTwipsPerPixel = 15;
constexpr int kDesignWidthPx = 501;
constexpr int kDesignHeightPx = 293;

struct Size {
    int width, height;
    bool operator==(const Size&) const = default;
};

class GtkForm : public ::testing::Test {
protected:
    void SetUp() override {
        MIPRO_SKIP_WITHOUT_GTK();
        window.create(form);
        Form_Load(w);
        tmrWakeup_Timer(w);
        RunEventsFor(200ms);
    }

    // The size the window has on the screen (no window manager: no frame round it).
    Size ShownSize() {
        RunEventsFor(300ms);
        GtkWidget* top = Toplevel();
        GdkWindow* gdkWindow = top ? gtk_widget_get_window(top) : nullptr;
        if (!gdkWindow) return {0, 0};
        return {gdk_window_get_width(gdkWindow), gdk_window_get_height(gdkWindow)};
    }

    static GtkWidget* Toplevel() {
        GtkWidget* found = nullptr;
        GList* windows = gtk_window_list_toplevels();
        for (GList* t = windows; t; t = t->next) {
            if (gtk_widget_get_mapped(GTK_WIDGET(t->data))) found = GTK_WIDGET(t->data);
        }
        g_list_free(windows);
        return found;
    }

    std::string WritePng(int width, int height) {
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
        gdk_pixbuf_fill(pixbuf, 0x3080c0ff);
        const std::string path = std::filesystem::temp_directory_path() /
                                 ("mipro-large-" + std::to_string(getpid()) + ".png");
        const bool saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
        g_object_unref(pixbuf);
        EXPECT_TRUE(saved) << path;
        return path;
    }

    sim::SimDesktop sim;
    GtkMainWindow window{kTwipsPerPixel, kTwipsPerPixel};
    Platform platform{sim.pointer, sim.keyboard, sim.clock, sim.sound, window, sim.dialogs, sim.files, sim.screen,
                      ProgramVersion{1, 0, 0}, "/tmp/", WindowSystem::X11};
    Wizard w{platform};
    MainForm form{w};
};

TEST_F(GtkForm, KeepsTheDesignSizeWhateverThePicture) {
    EXPECT_EQ(ShownSize(), (Size{kDesignWidthPx, kDesignHeightPx})) << "at the start";
    cmdNEXT_Click(w);
    ASSERT_EQ(w.st.StepNo, 2);
    // Taller and wider than the window, and beyond the clip side, so the notes run long.
    const std::string picture = WritePng(700, 650);
    sim.dialogs.files.push_back(picture);
    cmdOPEN_Click(w);
    std::filesystem::remove(picture);
    EXPECT_EQ(w.st.ImgWidth, 600);
    const Size after = ShownSize();
    EXPECT_EQ(after, (Size{kDesignWidthPx, kDesignHeightPx})) << after.width << " x " << after.height;
}

// The title another program reads from the server: _NET_WM_NAME of the form's top-level window.
std::string TitleSeenByOthers(Window window) {
    Display* other = XOpenDisplay(nullptr);
    if (!other) return "";
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(other, window, XInternAtom(other, "_NET_WM_NAME", False), 0, 1024, False,
                       XInternAtom(other, "UTF8_STRING", False), &type, &format, &items, &remaining, &data);
    std::string title = data ? std::string(reinterpret_cast<char*>(data), items) : "";
    if (data) XFree(data);
    XCloseDisplay(other);
    return title;
}

// A draw run sets the caption and goes on clicking without letting GTK's loop run: the user (and a
// watching program) must see each caption when it is set, not at the run's next pause for events.
TEST_F(GtkForm, ACaptionReachesTheScreenWithoutTheLoopRunning) {
    ShownSize();
    const Window top = GDK_WINDOW_XID(gtk_widget_get_window(Toplevel()));
    window.setWindowCaption(" 描画 42% 完了...");
    EXPECT_EQ(TitleSeenByOthers(top), " 描画 42% 完了...");
}

// A window of another program that counts the button presses it receives.
class ClickRecorder {
public:
    explicit ClickRecorder(Display* display) : display_(display) {
        XSetWindowAttributes a{};
        a.override_redirect = True;
        a.event_mask = ButtonPressMask;
        window_ = XCreateWindow(display_, DefaultRootWindow(display_), kLeft, kTop, kSide, kSide, 0, CopyFromParent,
                                InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &a);
        XMapRaised(display_, window_);
        XSync(display_, False);
    }
    ~ClickRecorder() {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }

    int pressesSoFar() {
        XSync(display_, False);
        XEvent event;
        while (XCheckTypedWindowEvent(display_, window_, ButtonPress, &event)) ++presses_;
        return presses_;
    }

    static constexpr int kLeft = 10, kTop = 10, kSide = 80;

private:
    Display* display_;
    Window window_;
    int presses_ = 0;
};

class GtkFormCapture : public GtkForm {
protected:
    void SetUp() override {
        GtkForm::SetUp();
        if (IsSkipped()) return;
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        int event, error, major, minor;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor)) GTEST_SKIP() << "no XTest";
    }
    void TearDown() override {
        if (display) XCloseDisplay(display);
    }

    // A user's click over the recorder: the button stays down while the program's loop runs.
    void ClickOverRecorder() {
        const int x = ClickRecorder::kLeft + ClickRecorder::kSide / 2, y = ClickRecorder::kTop + ClickRecorder::kSide / 2;
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XSync(display, False);
        RunLoopFor(100ms);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        RunLoopFor(100ms);
    }

    // The desk-position loop's own turn of events, as it runs while it waits.
    void RunLoopFor(std::chrono::milliseconds span) {
        const auto end = std::chrono::steady_clock::now() + span;
        while (std::chrono::steady_clock::now() < end) {
            window.doEvents();
            g_usleep(5000);
        }
    }

    Display* display = nullptr;
};

TEST_F(GtkFormCapture, TheClickThatEndsTheCaptureReachesNoWindowBelow) {
    ClickRecorder recorder(display);
    ClickOverRecorder();
    ASSERT_EQ(recorder.pressesSoFar(), 1) << "the recorder hears a click while nothing is captured";

    window.setCapture();
    w.st.DeskWaiting = kCoreTrue;
    ClickOverRecorder();
    EXPECT_EQ(w.st.DeskWaiting, kCoreFalse) << "the release reached the form";
    EXPECT_EQ(recorder.pressesSoFar(), 1) << "the click went through to the window below";

    window.releaseCapture();
    ClickOverRecorder();
    EXPECT_EQ(recorder.pressesSoFar(), 2) << "the pointer stays held after the capture ends";
}

}  // namespace
}  // namespace mipro::testing
