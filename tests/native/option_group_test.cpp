// Option groups: their sizes agree with frmMAIN's design, and selecting one clears the others.
#include "wizard/option_group.h"

#include <gtest/gtest.h>

#include <map>

#include "app/form_layout.h"
#include "wizard_fixture.h"

namespace mipro::testing {
namespace {

TEST(OptionGroup, SizesAreThoseOfTheDesignsOptionArrays) {
    std::map<Control, int> designed;
    for (const ControlDesign& d : MainFormDesign())
        if (d.kind == ControlKind::OptionButton) ++designed[d.ref.id];
    ASSERT_FALSE(designed.empty());
    for (const auto& [id, count] : designed) EXPECT_EQ(OptionGroupSize(id), count) << static_cast<int>(id);
    EXPECT_EQ(OptionGroupSize(Control::chkSOUND), 0);
    EXPECT_EQ(OptionGroupSize(Control::cmdNEXT), 0);
}

class OptionGroupSelection : public WizardTest {};

TEST_F(OptionGroupSelection, SelectingOneClearsEveryOtherOfItsGroupOnly) {
    MainWindow& win = desk.window;
    for (int chosen = 0; chosen < OptionGroupSize(Control::optSPEED); ++chosen) {
        win.setValue({Control::optBOARD, 1}, 1);
        SelectOption(win, {Control::optSPEED, chosen});
        for (int i = 0; i < OptionGroupSize(Control::optSPEED); ++i)
            EXPECT_EQ(win.value({Control::optSPEED, i}), i == chosen ? 1 : 0) << chosen << " " << i;
        EXPECT_EQ(win.value({Control::optBOARD, 1}), 1) << "another group is left alone";
    }
}

}  // namespace
}  // namespace mipro::testing
