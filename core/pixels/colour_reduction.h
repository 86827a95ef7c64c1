// Fewer colours for a picture, chosen for the board that will show them: a palette of at most N
// colours is built from the picture's own (pixels/colour_clusters.h: boxes cut as by median cut,
// refined by k-means, in OKLab), each palette colour is made one the board can show, and every
// pixel takes its nearest palette colour, or with dithering the one nearest to it plus the error
// its neighbours left (Floyd and Steinberg's weights, rows in turn from left and from right).
//
// White: a pure white pixel is the canvas left alone. It stays white, counts for no colour and
// takes no part in the dithering: it neither takes error from its neighbours nor passes any on.
// A pixel that is not pure white becomes white only when it was nearly white already (every
// component 250 or more); for any other pixel the white of the palette does not exist, and a
// palette colour that would come out white while it stands for others too is lowered to the
// nearest colour the board can show with no component above 249.
//
// The same picture gives the same result every time and in both editions: no random seeds, ties
// go to the lower index, and the colour arithmetic is exact IEEE arithmetic (pixels/oklab.h).
#pragma once

#include "base/picture.h"

namespace mipro {

// The colour a board shows for a palette colour.
using ShowableColour = ColourValue (*)(ColourValue colour);

// A board that shows every colour.
ColourValue AnyColour(ColourValue colour);
// Each component to the nearest multiple of 5, as PaintBBS's sliders set it.
ColourValue MultipleOfFive(ColourValue colour);

constexpr int kFewestColours = 16;
constexpr int kMostColours = 256;

struct ColourReduction {
    int colours = kMostColours;  // kFewestColours to kMostColours
    bool dither = false;
    ShowableColour showable = AnyColour;
};

// The picture in at most `how.colours` colours besides pure white. A picture that has that many or
// fewer comes back unchanged.
Picture ReduceColours(const Picture& picture, const ColourReduction& how);

}  // namespace mipro
