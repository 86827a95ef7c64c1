// frmMAIN as a GTK 3 window: every control of the form's design at its design place (twips
// converted with the screen's twips per pixel), and the window's events turned into the core's.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "editions/linux/picture_area.h"
#include "editions/linux/root_pointer_grab.h"
#include "interfaces/main_window.h"

namespace mipro::linux_x11 {

class GtkMainWindow : public MainWindow {
public:
    GtkMainWindow(double twipsX, double twipsY);
    ~GtkMainWindow() override;
    GtkMainWindow(const GtkMainWindow&) = delete;
    GtkMainWindow& operator=(const GtkMainWindow&) = delete;

    // Builds frmMAIN, hidden and centred on the screen; its events go to `events` from then on.
    void create(MainWindowEvents& events);
    GtkWidget* handle() const { return window_; }

    void setEnabled(ControlRef c, bool enabled) override;
    bool isEnabled(ControlRef c) override;
    void setVisible(ControlRef c, bool visible) override;
    bool isVisible(ControlRef c) override;
    void setCaption(ControlRef c, const std::string& text) override;
    std::string caption(ControlRef c) override;
    void setValue(ControlRef c, int value) override;
    int value(ControlRef c) override;
    void setFocus(ControlRef c) override;
    void moveControl(ControlRef c, int leftPx, int topPx) override;
    ControlPlacement placement(ControlRef c) override;

    void setWindowCaption(const std::string& text) override;
    std::string windowCaption() override;
    WindowMetrics metrics() override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override;
    void focusWindow() override;
    void minimize() override;
    void restore() override;
    void setTopmost(bool topmost) override;
    void lockUpdate(bool locked) override;
    void setCapture() override;
    void releaseCapture() override;
    void enableWakeupTimer(bool enabled) override;
    void showAboutModal(const std::string& appTitle) override;

    void clearThumbnail(int index) override;
    void paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) override;
    void copyThumbnailRow(int from, int to, int row) override;
    void copyThumbnail(int from, int to) override;

    void doEvents() override;
    // A session end comes as a signal (editions/linux/session_end.h).
    void deliverSessionEnd() override;

private:
    // One control of the form: its widget, where it sits, and what was last written to it.
    struct FormControl;
    using Key = std::pair<int, int>;

    void buildControls();
    FormControl& control(ControlRef c);
    PictureArea* thumbnail(int index);
    int pointerButtons() const;
    void watchButtonsForCapture();

    static void OnClicked(GtkWidget* widget, gpointer self);
    static gboolean OnLabelReleased(GtkWidget* widget, GdkEventButton* event, gpointer self);
    static gboolean OnDelete(GtkWidget* widget, GdkEvent* event, gpointer self);
    static void OnDestroy(GtkWidget* widget, gpointer self);
    static gboolean OnWindowState(GtkWidget* widget, GdkEventWindowState* event, gpointer self);
    static gboolean OnFormReleased(GtkWidget* widget, GdkEventButton* event, gpointer self);
    static gboolean OnWakeupTimer(gpointer self);

    double twipsX_, twipsY_;
    GtkWidget* window_ = nullptr;
    GtkWidget* client_ = nullptr;
    MainWindowEvents* events_ = nullptr;
    std::map<Key, std::unique_ptr<FormControl>> controls_;
    guint timer_ = 0;
    // Set while the program itself changes a control, so the change raises no click.
    bool settingByProgram_ = false;
    bool capturing_ = false;
    RootPointerGrab pointerGrab_;
    int buttonsHeld_ = 0;
};

}  // namespace mipro::linux_x11
