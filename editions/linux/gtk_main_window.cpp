#include "editions/linux/gtk_main_window.h"

#include "app/form_layout.h"
#include "base/nearest_int.h"
#include "editions/linux/embedded_files.h"
#include "editions/linux/gtk_about_window.h"
#include "editions/linux/gtk_focus.h"
#include "editions/linux/gtk_form_style.h"
#include "editions/linux/gtk_scale.h"
#include "editions/linux/gtk_text.h"
#include "editions/linux/pointer_shape.h"
#include "editions/linux/session_end.h"

namespace mipro::linux_x11 {

namespace {

constexpr int kSpeakerIconPx = 16;
constexpr GdkRGBA kLineShadow{0.63, 0.63, 0.63, 1};
constexpr GdkRGBA kLineHighlight{1, 1, 1, 1};
constexpr int kAnyButton = GDK_BUTTON1_MASK | GDK_BUTTON2_MASK | GDK_BUTTON3_MASK;

const char* const kStepPictures[] = {"step0.bmp", "step1.bmp", "step2.bmp", "step3.bmp", "step4.bmp", "step5.bmp",
                                     "step6.bmp", "step7.bmp", "step8.bmp", "step9.bmp", "step10.bmp"};

// A control sits on the client area (a layout) or on a page (a fixed container).
void PutAt(GtkWidget* container, GtkWidget* widget, int left, int top) {
    if (GTK_IS_LAYOUT(container)) {
        gtk_layout_put(GTK_LAYOUT(container), widget, left, top);
    } else {
        gtk_fixed_put(GTK_FIXED(container), widget, left, top);
    }
}

void MoveTo(GtkWidget* container, GtkWidget* widget, int left, int top) {
    if (GTK_IS_LAYOUT(container)) {
        gtk_layout_move(GTK_LAYOUT(container), widget, left, top);
    } else {
        gtk_fixed_move(GTK_FIXED(container), widget, left, top);
    }
}

}  // namespace

struct GtkMainWindow::FormControl {
    ControlRef ref;
    ControlKind kind;
    GtkWidget* widget = nullptr;     // what is placed: the control, or the event box round a label
    GtkWidget* container = nullptr;  // the client area or the page it sits on
    GtkWidget* label = nullptr;      // a label's own text widget
    std::unique_ptr<PictureArea> picture;
    ControlPlacement at;
    std::string caption;
};

GtkMainWindow::GtkMainWindow(double twipsX, double twipsY) : twipsX_(twipsX), twipsY_(twipsY) {}

GtkMainWindow::~GtkMainWindow() {
    if (timer_) g_source_remove(timer_);
    events_ = nullptr;
    if (window_) gtk_widget_destroy(window_);
    for (auto& [key, c] : controls_) {
        if (!c->picture) g_object_unref(c->widget);
    }
}

void GtkMainWindow::create(MainWindowEvents& events) {
    MatchFontsToScreen(twipsY_);
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
    if (GdkPixbuf* icon = PixbufFrom(EmbeddedFile("mipro.ico"))) {
        gtk_window_set_icon(GTK_WINDOW(window_), icon);
        g_object_unref(icon);
    }
    // A layout, unlike a fixed container, asks for its own size and no more: a control that grows
    // past the client area (a long text, a large picture) is cut off at its edge, as on Windows,
    // and the window keeps the design's size.
    client_ = gtk_layout_new(nullptr, nullptr);
    gtk_widget_set_size_request(client_, ToLogical(NearestInt(kClientWidthTwips / twipsX_)),
                                ToLogical(NearestInt(kClientHeightTwips / twipsY_)));
    gtk_container_add(GTK_CONTAINER(window_), client_);
    buildControls();

    gtk_widget_add_events(window_, GDK_BUTTON_RELEASE_MASK);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "destroy", G_CALLBACK(OnDestroy), this);
    g_signal_connect(window_, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(window_, "button-release-event", G_CALLBACK(OnFormReleased), this);
    g_signal_connect(window_, "realize", G_CALLBACK(ApplyPointerShape), nullptr);
    gtk_widget_show(client_);
    // Events reach the core only once the whole form exists.
    events_ = &events;
}

// ---- building the form from its design

void GtkMainWindow::buildControls() {
    // The design lists the pages first, so every control's page exists when it is placed.
    for (const ControlDesign& d : MainFormDesign()) {
        auto c = std::make_unique<FormControl>();
        c->ref = d.ref;
        c->kind = d.kind;
        c->caption = d.caption;
        c->container = d.page == 0 ? client_ : control({Control::picSTEP, d.page}).widget;
        const int width = NearestInt(d.width / twipsX_), height = NearestInt(d.height / twipsY_);
        c->at = {NearestInt(d.left / twipsX_), NearestInt(d.top / twipsY_), width, height};

        switch (d.kind) {
            case ControlKind::Page:
                c->widget = gtk_fixed_new();
                break;
            case ControlKind::Button:
                c->widget = gtk_button_new_with_mnemonic(MnemonicText(d.caption).c_str());
                break;
            case ControlKind::CheckBox:
                c->widget = gtk_check_button_new_with_label(d.caption.c_str());
                break;
            case ControlKind::OptionButton: {
                GtkWidget* first = d.ref.index == 0 ? nullptr : control({d.ref.id, 0}).widget;
                c->widget = gtk_radio_button_new_with_label_from_widget(
                    first ? GTK_RADIO_BUTTON(first) : nullptr, d.caption.c_str());
                break;
            }
            case ControlKind::Label:
                c->label = gtk_label_new(LineFeedText(d.caption).c_str());
                gtk_label_set_line_wrap(GTK_LABEL(c->label), TRUE);
                gtk_label_set_xalign(GTK_LABEL(c->label), 0);
                gtk_label_set_yalign(GTK_LABEL(c->label), 0);
                gtk_label_set_max_width_chars(GTK_LABEL(c->label), 1);
                gtk_widget_set_size_request(c->label, ToLogical(width), ToLogical(height));
                if (d.colour == TextColour::Blue) {
                    gtk_style_context_add_class(gtk_widget_get_style_context(c->label), kBlueTextClass);
                }
                c->widget = gtk_event_box_new();
                gtk_event_box_set_visible_window(GTK_EVENT_BOX(c->widget), FALSE);
                gtk_container_add(GTK_CONTAINER(c->widget), c->label);
                gtk_widget_show(c->label);
                g_signal_connect(c->widget, "button-release-event", G_CALLBACK(OnLabelReleased), this);
                break;
            case ControlKind::TextBox:
                c->widget = gtk_entry_new();
                // An entry asks for room for a line of text by default: one character keeps it
                // to the design's width, so a narrow box does not cover its neighbours.
                gtk_entry_set_width_chars(GTK_ENTRY(c->widget), 1);
                gtk_entry_set_text(GTK_ENTRY(c->widget), d.caption.c_str());
                break;
            case ControlKind::Image:
            case ControlKind::PictureBox:
            case ControlKind::Line:
                c->picture = std::make_unique<PictureArea>(width, d.kind == ControlKind::Line ? 1 : height);
                c->widget = c->picture->widget();
                break;
        }
        if (!c->picture) g_object_ref_sink(c->widget);

        if (d.ref.id == Control::imgSTIMG) c->picture->showImage(PixbufFrom(EmbeddedFile(kStepPictures[d.ref.index])));
        if (d.ref.id == Control::imgSND) {
            const char* icon = d.ref.index == 0 ? "speaker_off.ico" : "speaker_on.ico";
            c->picture->showImage(PixbufFrom(EmbeddedFile(icon), kSpeakerIconPx, kSpeakerIconPx));
        }
        // A line is one pixel high; the second line of the etched pair lies one pixel lower.
        if (d.kind == ControlKind::Line) {
            c->at.top += d.ref.index;
            c->picture->showSolid(d.ref.index == 0 ? kLineShadow : kLineHighlight);
        }
        if (d.kind == ControlKind::PictureBox) c->picture->makeCanvas();
        if (d.kind == ControlKind::Button || d.kind == ControlKind::CheckBox || d.kind == ControlKind::OptionButton) {
            g_signal_connect(c->widget, "clicked", G_CALLBACK(OnClicked), this);
        }
        if (d.kind != ControlKind::Label && !c->picture) {
            gtk_widget_set_size_request(c->widget, ToLogical(width), ToLogical(height));
        }
        gtk_widget_set_sensitive(c->widget, d.enabled);
        PutAt(c->container, c->widget, ToLogical(c->at.left), ToLogical(c->at.top));
        gtk_widget_set_visible(c->widget, d.visible);
        g_object_set_data(G_OBJECT(c->widget), "mipro-control", c.get());
        controls_[{static_cast<int>(d.ref.id), d.ref.index}] = std::move(c);
    }
}

GtkMainWindow::FormControl& GtkMainWindow::control(ControlRef c) {
    return *controls_.at({static_cast<int>(c.id), c.index});
}

// ---- controls

void GtkMainWindow::setEnabled(ControlRef c, bool enabled) { gtk_widget_set_sensitive(control(c).widget, enabled); }
bool GtkMainWindow::isEnabled(ControlRef c) { return gtk_widget_get_sensitive(control(c).widget); }
void GtkMainWindow::setVisible(ControlRef c, bool visible) { gtk_widget_set_visible(control(c).widget, visible); }
// The control's own visible flag, as the form sees it, whatever its page shows.
bool GtkMainWindow::isVisible(ControlRef c) { return gtk_widget_get_visible(control(c).widget); }

void GtkMainWindow::setCaption(ControlRef c, const std::string& text) {
    FormControl& f = control(c);
    f.caption = text;
    switch (f.kind) {
        case ControlKind::Label: gtk_label_set_text(GTK_LABEL(f.label), LineFeedText(text).c_str()); break;
        case ControlKind::Button: gtk_button_set_label(GTK_BUTTON(f.widget), MnemonicText(text).c_str()); break;
        case ControlKind::CheckBox:
        case ControlKind::OptionButton: gtk_button_set_label(GTK_BUTTON(f.widget), text.c_str()); break;
        case ControlKind::TextBox: gtk_entry_set_text(GTK_ENTRY(f.widget), text.c_str()); break;
        default: break;
    }
}

std::string GtkMainWindow::caption(ControlRef c) {
    FormControl& f = control(c);
    if (f.kind == ControlKind::TextBox) return gtk_entry_get_text(GTK_ENTRY(f.widget));
    return f.caption;
}

// GTK clears an option button only by selecting another of its group, which it does itself.
void GtkMainWindow::setValue(ControlRef c, int value) {
    FormControl& f = control(c);
    if (f.kind != ControlKind::CheckBox && f.kind != ControlKind::OptionButton) return;
    if (f.kind == ControlKind::OptionButton && value == 0) return;
    settingByProgram_ = true;
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(f.widget), value != 0);
    settingByProgram_ = false;
}

int GtkMainWindow::value(ControlRef c) {
    FormControl& f = control(c);
    if (f.kind != ControlKind::CheckBox && f.kind != ControlKind::OptionButton) return 0;
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(f.widget)) ? 1 : 0;
}

void GtkMainWindow::setFocus(ControlRef c) { gtk_widget_grab_focus(control(c).widget); }

void GtkMainWindow::moveControl(ControlRef c, int leftPx, int topPx) {
    FormControl& f = control(c);
    f.at.left = leftPx;
    f.at.top = topPx;
    MoveTo(f.container, f.widget, ToLogical(leftPx), ToLogical(topPx));
}

ControlPlacement GtkMainWindow::placement(ControlRef c) { return control(c).at; }

// ---- the window

// The caption reaches the screen at once: a draw run sets it and goes on clicking without letting
// GTK's loop run, which would otherwise keep the change until the run's next pause for events.
void GtkMainWindow::setWindowCaption(const std::string& text) {
    gtk_window_set_title(GTK_WINDOW(window_), text.c_str());
    gdk_display_flush(gtk_widget_get_display(window_));
}

std::string GtkMainWindow::windowCaption() {
    const char* title = gtk_window_get_title(GTK_WINDOW(window_));
    return title ? title : "";
}

// The outer rectangle is the window with the frame its window manager draws (none without one).
WindowMetrics GtkMainWindow::metrics() {
    WindowMetrics m;
    GdkWindow* gdkWindow = gtk_widget_get_window(window_);
    if (!gdkWindow) return m;
    GdkRectangle outer{};
    gdk_window_get_frame_extents(gdkWindow, &outer);
    m.width = ToDevice(outer.width) * twipsX_;
    m.height = ToDevice(outer.height) * twipsY_;
    m.left = ToDevice(outer.x) * twipsX_;
    m.top = ToDevice(outer.y) * twipsY_;
    m.scaleWidth = ToDevice(gdk_window_get_width(gdkWindow));
    m.scaleHeight = ToDevice(gdk_window_get_height(gdkWindow));
    return m;
}

void GtkMainWindow::showWindow(bool visible) {
    gtk_widget_set_visible(window_, visible);
    if (visible) gtk_window_present(GTK_WINDOW(window_));
}

void GtkMainWindow::enableWindow(bool enabled) { gtk_widget_set_sensitive(window_, enabled); }
void GtkMainWindow::focusWindow() {
    gtk_window_present(GTK_WINDOW(window_));
    TakeKeyboardFocus(window_);
}
void GtkMainWindow::minimize() { gtk_window_iconify(GTK_WINDOW(window_)); }

void GtkMainWindow::restore() {
    gtk_window_deiconify(GTK_WINDOW(window_));
    gtk_window_present(GTK_WINDOW(window_));
}

void GtkMainWindow::setTopmost(bool topmost) { gtk_window_set_keep_above(GTK_WINDOW(window_), topmost); }

// GTK draws each frame whole, so a window that changes is never seen half drawn.
void GtkMainWindow::lockUpdate(bool) {}

// X11 gives a client no mouse capture over other programs' windows while its own window may be
// minimised: the program holds the pointer on the whole screen instead, so the click that ends
// the capture reaches no other window, and watches the buttons every time events run; a release
// anywhere on the screen reaches the form as its mouse-up. A pointer another program holds is
// asked for again at each watch.
void GtkMainWindow::setCapture() {
    capturing_ = true;
    buttonsHeld_ = pointerButtons();
    pointerGrab_.take();
}

void GtkMainWindow::releaseCapture() {
    capturing_ = false;
    pointerGrab_.release();
}

void GtkMainWindow::enableWakeupTimer(bool enabled) {
    if (timer_) g_source_remove(timer_);
    timer_ = enabled ? g_timeout_add(kWakeupIntervalMs, OnWakeupTimer, this) : 0;
}

void GtkMainWindow::showAboutModal(const std::string& appTitle) {
    ShowAboutWindow(GTK_WINDOW(window_), appTitle, twipsX_, twipsY_);
}

// ---- thumbnails

PictureArea* GtkMainWindow::thumbnail(int index) {
    const auto it = controls_.find({static_cast<int>(Control::picIMGCHK), index});
    return it == controls_.end() ? nullptr : it->second->picture.get();
}

void GtkMainWindow::clearThumbnail(int index) {
    if (PictureArea* box = thumbnail(index)) box->clearCanvas();
}

void GtkMainWindow::paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) {
    if (PictureArea* box = thumbnail(index)) box->paintCanvas(picture, w, h, dw, dh);
}

void GtkMainWindow::copyThumbnailRow(int from, int to, int row) {
    PictureArea* source = thumbnail(from);
    PictureArea* target = thumbnail(to);
    if (source && target) target->copyCanvasRow(*source, row, kThumbnailSide);
}

void GtkMainWindow::copyThumbnail(int from, int to) {
    PictureArea* source = thumbnail(from);
    PictureArea* target = thumbnail(to);
    if (source && target) target->copyCanvas(*source);
}

void GtkMainWindow::doEvents() {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
    if (capturing_) watchButtonsForCapture();
}

void GtkMainWindow::deliverSessionEnd() {
    if (SessionEndAsked()) EndSessionNow();
}

int GtkMainWindow::pointerButtons() const {
    GdkDisplay* display = gdk_display_get_default();
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
    GdkModifierType mask{};
    gdk_window_get_device_position(gdk_get_default_root_window(), pointer, nullptr, nullptr, &mask);
    return mask & kAnyButton;
}

void GtkMainWindow::watchButtonsForCapture() {
    pointerGrab_.take();
    const int now = pointerButtons();
    const bool released = (buttonsHeld_ & ~now) != 0;
    buttonsHeld_ = now;
    if (released && events_) events_->Form_MouseUp();
}

// ---- events

void GtkMainWindow::OnClicked(GtkWidget* widget, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    const auto* c = static_cast<FormControl*>(g_object_get_data(G_OBJECT(widget), "mipro-control"));
    if (w->settingByProgram_ || !w->events_ || !c) return;
    // An option button that a click elsewhere in its group turned off is not the one clicked.
    if (c->kind == ControlKind::OptionButton && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget))) return;
    w->events_->Control_Click(c->ref);
}

gboolean GtkMainWindow::OnLabelReleased(GtkWidget* widget, GdkEventButton* event, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    const auto* c = static_cast<FormControl*>(g_object_get_data(G_OBJECT(widget), "mipro-control"));
    if (event->button == GDK_BUTTON_PRIMARY && w->events_ && c) w->events_->Control_Click(c->ref);
    return TRUE;
}

gboolean GtkMainWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    return w->events_ && w->events_->Form_QueryUnload(kUnloadFromUser) != False;
}

void GtkMainWindow::OnDestroy(GtkWidget*, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    if (w->timer_) g_source_remove(w->timer_);
    w->timer_ = 0;
    if (w->events_) w->events_->Form_Unload();
    w->events_ = nullptr;
    w->window_ = nullptr;
    gtk_main_quit();
}

gboolean GtkMainWindow::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    if ((event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) && w->events_) w->events_->Form_Resize();
    return FALSE;
}

gboolean GtkMainWindow::OnFormReleased(GtkWidget*, GdkEventButton*, gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    if (w->events_) w->events_->Form_MouseUp();
    return FALSE;
}

// The timer goes on firing until the handler disables it, which removes this source.
gboolean GtkMainWindow::OnWakeupTimer(gpointer self) {
    auto* w = static_cast<GtkMainWindow*>(self);
    if (w->events_) w->events_->tmrWakeup_Timer();
    return G_SOURCE_CONTINUE;
}

}  // namespace mipro::linux_x11
