// The GTK windows' tests: GTK runs on the display of DISPLAY (an Xvfb in scripts/test); without
// one every test skips.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "tests/linux/gtk_test_support.h"

namespace mipro::testing {

bool gGtkReady = false;

}  // namespace mipro::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    mipro::testing::gGtkReady = gtk_init_check(&argc, &argv);
    return RUN_ALL_TESTS();
}
