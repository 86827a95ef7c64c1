// Whether the board's pen draws a drag in full. A row of one colour drawn as one drag relies on
// the pen drawing the whole line; some boards end each drag short (a stabiliser) or draw it
// otherwise. So the first rows drawn as lines are read back: once one shows its first pixel but
// not the whole row, lines are given up for the rest of the run, and the user is told once.
#pragma once

#include "drawing/strokes.h"
#include "wizard/wizard.h"

namespace mipro {

class PenTrust {
public:
    static constexpr int kDragsChecked = 3;

    // Looks at the row a drag has just drawn, while looks are left; false when it shows the pen
    // cannot be trusted with lines. A row that shows nothing at all (a busy board missed the press)
    // tells nothing of the pen and is not counted.
    bool drawnInFull(Wizard& w, const Stroke& s);
    bool givenUp() const { return given_up_; }

private:
    int looks_left_ = kDragsChecked;
    bool given_up_ = false;
};

// The note at the end of a run whose lines were given up.
void TellLinesGivenUp(Wizard& w);

}  // namespace mipro
