// The pointer shape over the program's windows: every top-level GTK window shows the shape the
// core set, windows realised while it is set show it too, and the default gives each window its
// own cursor back.
#include "platform/linux/pointer_shape.h"

#include <gtest/gtest.h>

namespace mipro::testing {

namespace {

using linux_x11::ApplyPointerShape;
using linux_x11::SetProgramPointerShape;

class PointerShapeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display for GTK";
    }
    void TearDown() override {
        SetProgramPointerShape(PointerShape::Default);
        for (GtkWidget* w : windows_) gtk_widget_destroy(w);
    }

    GtkWidget* Window() {
        GtkWidget* w = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        g_signal_connect(w, "realize", G_CALLBACK(+[](GtkWidget* widget, gpointer) { ApplyPointerShape(widget); }),
                         nullptr);
        windows_.push_back(w);
        return w;
    }

    static GdkCursor* CursorOf(GtkWidget* w) { return gdk_window_get_cursor(gtk_widget_get_window(w)); }

private:
    std::vector<GtkWidget*> windows_;
};

TEST_F(PointerShapeTest, EveryWindowShowsTheShapeSetAndLaterWindowsToo) {
    GtkWidget* early = Window();
    gtk_widget_realize(early);
    ASSERT_EQ(CursorOf(early), nullptr);

    SetProgramPointerShape(PointerShape::Hourglass);
    GdkCursor* hourglass = CursorOf(early);
    ASSERT_NE(hourglass, nullptr);
    GtkWidget* later = Window();
    gtk_widget_realize(later);
    EXPECT_EQ(CursorOf(later), hourglass);

    SetProgramPointerShape(PointerShape::SizeAll);
    EXPECT_NE(CursorOf(early), nullptr);
    EXPECT_NE(CursorOf(early), hourglass);
    EXPECT_EQ(CursorOf(later), CursorOf(early));

    SetProgramPointerShape(PointerShape::Default);
    EXPECT_EQ(CursorOf(early), nullptr);
    EXPECT_EQ(CursorOf(later), nullptr);
    GtkWidget* last = Window();
    gtk_widget_realize(last);
    EXPECT_EQ(CursorOf(last), nullptr);
}

}  // namespace

}  // namespace mipro::testing
