// frmMAG as a GTK 3 window: 307 x 307 pixels, undecorated, kept above the others and out of the
// task list. The view is drawn into a back buffer from the screen read through X11 and shown
// whole at each redraw.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>

#include "base/picture.h"
#include "editions/linux/x11_screen.h"
#include "interfaces/screen.h"

namespace mipro::linux_x11 {

class GtkMagnifierWindow : public MagnifierWindow {
public:
    GtkMagnifierWindow(MagnifierEvents& events, X11Screen& screen);
    ~GtkMagnifierWindow() override;
    GtkWidget* handle() const { return window_; }
    GtkMagnifierWindow(const GtkMagnifierWindow&) = delete;
    GtkMagnifierWindow& operator=(const GtkMagnifierWindow&) = delete;

    void move(double leftTwips, double topTwips) override;
    double left() override;
    double top() override;
    void resize(double widthTwips, double heightTwips) override;
    void show() override;
    void focus() override;
    bool loadGuide(const Picture& guide) override;
    void stretchFrom(DeviceContext source, int srcX, int srcY) override;
    void andGuideFrame(int frame) override;
    void textOut(int x, int y, const std::string& text, ColourValue colour) override;

private:
    static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
    static gboolean OnKey(GtkWidget* widget, GdkEventKey* event, gpointer self);
    static gboolean OnRelease(GtkWidget* widget, GdkEventButton* event, gpointer self);
    static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);

    // Puts the window at its rectangle in device pixels.
    void place();
    // The back buffer's row y, to write pixels into (red in bits 16-23, as cairo keeps them).
    std::uint32_t* viewRow(int y);

    MagnifierEvents& events_;
    X11Screen& screen_;
    GtkWidget* window_;
    cairo_surface_t* view_;  // the back buffer: the window's pixels
    Picture guide_;          // the guide frames side by side
    // Where the window was put and its size, in device pixels.
    int leftPx_ = 0, topPx_ = 0;
    int widthPx_ = kMagnifierSizePx, heightPx_ = kMagnifierSizePx;
};

}  // namespace mipro::linux_x11
