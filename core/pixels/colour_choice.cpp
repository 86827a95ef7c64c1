#include "pixels/colour_choice.h"

#include <array>

#include "pixels/img_analy_step.h"
#include "wizard/option_group.h"

namespace mipro {

namespace {

constexpr int kThisStep = 3;
constexpr std::array<int, 6> kColourCounts = {0, 16, 32, 64, 128, 256};
static_assert(kColourCounts.size() == OptionGroupSize(Control::optCOLOURS));

int IndexOfCount(int count) {
    for (std::size_t i = 0; i < kColourCounts.size(); ++i)
        if (kColourCounts[i] == count) return static_cast<int>(i);
    return 0;
}

// The list is made again from the picture, as on entering the step; only on page 3, where the
// controls are.
void ExtractAgain(Wizard& w) {
    if (w.st.StepNo != kThisStep) return;
    w.st.StepDone(kThisStep, 0) = False;
    ST03_ImgAnaly(w);
}

}  // namespace

int ColourCountOf(int Index) { return kColourCounts.at(static_cast<std::size_t>(Index)); }

bool ColoursOnBoardGrid(const State& st) { return st.BoardKind == kBoardPaint && st.ShiExact == False; }

ColourReduction ReductionOf(const State& st) {
    return {st.ColourCount, st.Dithering != False, ColoursOnBoardGrid(st) ? MultipleOfFive : AnyColour};
}

bool ReductionForOtherBoard(const State& st) {
    return st.ColourCount != 0 && (st.ListOnBoardGrid != False) != ColoursOnBoardGrid(st);
}

void ShowColourChoice(Wizard& w) {
    SelectOption(w.pf.window, {Control::optCOLOURS, IndexOfCount(w.st.ColourCount)});
    w.pf.window.setValue({Control::chkDITHER}, w.st.Dithering != False ? 1 : 0);
}

void EnableColourChoice(Wizard& w, bool enabled) {
    for (int i = 0; i < OptionGroupSize(Control::optCOLOURS); ++i) w.pf.window.setEnabled({Control::optCOLOURS, i}, enabled);
    w.pf.window.setEnabled({Control::chkDITHER}, enabled);
}

void optCOLOURS_Click(Wizard& w, int Index) {
    const int count = ColourCountOf(Index);
    if (count == w.st.ColourCount) return;
    w.st.ColourCount = count;
    ExtractAgain(w);
}

// Dithering changes nothing while the picture keeps its own colours.
void chkDITHER_Click(Wizard& w) {
    w.st.Dithering = ToBoolean(w.pf.window.value({Control::chkDITHER}) != 0);
    if (w.st.ColourCount != 0) ExtractAgain(w);
}

}  // namespace mipro
