// The canvas's size found from what the screen shows around its origin: a table of layouts a
// painter page shows around a 20 x 12 canvas (frames of one to three pixels, of two colours,
// bevelled, with shadows; no frame on a panel or on the page; tools, palettes and text beside
// it), each with the size it must give or no size at all; and the band page 6 keeps around the
// canvas, compared with later reads.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "targeting/canvas_extent.h"

namespace mipro {

void PrintTo(const CanvasSize& s, std::ostream* os) { *os << s.width << " x " << s.height; }

namespace {

constexpr ColourValue kWhite = 0xFFFFFF, kBlack = 0x000000, kPanel = 0xC0C0C0, kPage = 0xF0F0F0;
constexpr ColourValue kDark = 0x404040, kGrey = 0x808080, kLight = 0xE0E0E0, kInk = 0x202020, kRed = 0x0000FF;
constexpr CanvasSize kCanvas{20, 12};

// A screen read around the origin, drawn in canvas coordinates (the origin at (0, 0)).
class Layout {
public:
    explicit Layout(ColourValue ground, int width = 60, int height = 40) : p_(width, height, ground) {}

    // A rectangle; what lies outside the read is left out.
    Layout& fill(int x, int y, int w, int h, ColourValue c) {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col) put(col, row, c);
        return *this;
    }
    Layout& canvas(ColourValue c = kWhite) { return fill(0, 0, kCanvas.width, kCanvas.height, c); }
    // Layer d around the canvas: its top and left sides in one colour, its right and bottom in another.
    Layout& layer(int d, ColourValue topLeft, ColourValue bottomRight) {
        const int left = -d, top = -d, right = kCanvas.width + d - 1, bottom = kCanvas.height + d - 1;
        fill(left, top, right - left, 1, topLeft);
        fill(left, top, 1, bottom - top, topLeft);
        fill(right, top, 1, bottom - top + 1, bottomRight);
        fill(left, bottom, right - left + 1, 1, bottomRight);
        return *this;
    }
    // A frame of one layer a colour, from the canvas outwards.
    Layout& frame(std::vector<ColourValue> layers) {
        for (std::size_t d = 0; d < layers.size(); ++d) layer(static_cast<int>(d) + 1, layers[d], layers[d]);
        return *this;
    }
    // The box of canvas and frame, cast `offset` pixels down and right: draw it before them.
    Layout& shadow(int frameWidth, int offset, ColourValue c) {
        return fill(offset - frameWidth, offset - frameWidth, kCanvas.width + 2 * frameWidth,
                    kCanvas.height + 2 * frameWidth, c);
    }
    // A column of outlined buttons `gap` pixels right of x, level with the canvas's top, the
    // ground between them.
    Layout& tools(int x, int gap) {
        for (int y = 0; y < 30; y += 8) {
            fill(x + gap, y, 8, 6, kInk);
            fill(x + gap + 1, y + 1, 6, 4, kLight);
        }
        return *this;
    }
    // A column of swatches touching one another, `gap` pixels right of x.
    Layout& palette(int x, int gap) {
        const ColourValue swatches[] = {kRed, 0x00FF00, 0xFF0000, 0x00FFFF, kBlack};
        for (int i = 0; i < 5; ++i) fill(x + gap, i * 4 - 2, 4, 4, swatches[i]);
        return *this;
    }
    // A line of letters three pixels wide a pixel apart, from x = 0 to `right`, its top at y.
    Layout& text(int y, int right) {
        for (int col = 0; col <= right; ++col)
            if (col % 4 != 3) fill(col, y + (col % 2), 1, 4, kInk);
        return *this;
    }
    Picture picture() const { return p_; }

private:
    void put(int x, int y, ColourValue c) {
        const int px = x + kAroundWidth, py = y + kAroundWidth;
        if (px >= 0 && py >= 0 && px < p_.width() && py < p_.height()) p_.setPoint(px, py, c);
    }
    Picture p_;
};

struct LayoutCase {
    std::string name;
    Picture around;
    std::optional<CanvasSize> want;
};

const std::optional<CanvasSize> kFound = kCanvas;
const std::optional<CanvasSize> kNoSize = std::nullopt;

std::vector<LayoutCase> Layouts() {
    const int W = kCanvas.width, H = kCanvas.height;
    return {
        // Frames.
        {"a 1-pixel frame on a panel", Layout(kPanel).canvas().frame({kBlack}).picture(), kFound},
        {"a 2-pixel frame of one colour", Layout(kPanel).canvas().frame({kBlack, kBlack}).picture(), kFound},
        {"a 3-pixel frame of one colour", Layout(kPanel).canvas().frame({kDark, kDark, kDark}).picture(), kFound},
        {"a 2-pixel frame of two colours", Layout(kPanel).canvas().frame({kBlack, kGrey}).picture(), kFound},
        {"a 3-pixel frame, two colours", Layout(kPanel).canvas().frame({kGrey, kBlack, kBlack}).picture(), kFound},
        {"a bevelled frame, dark above and left, light below and right",
         Layout(kPanel).canvas().layer(1, kDark, kLight).layer(2, kGrey, kWhite).picture(), kFound},
        {"a 1-pixel frame on a white page", Layout(kWhite).canvas().frame({kBlack}).picture(), kFound},
        {"a frame casting a shadow", Layout(kPanel).shadow(1, 3, kGrey).canvas().frame({kBlack}).picture(), kFound},
        {"a frame casting a shadow of its own colour",
         Layout(kPanel).shadow(1, 2, kBlack).canvas().frame({kBlack}).picture(), kFound},
        {"a 2-pixel frame casting a shadow",
         Layout(kPanel).shadow(2, 2, kGrey).canvas().frame({kDark, kDark}).picture(), kFound},
        {"a frame with tool buttons a pixel right of it, the panel between them",
         Layout(kPanel).canvas().frame({kBlack}).tools(W, 2).picture(), kFound},
        {"a frame with a palette touching it on the right",
         Layout(kPanel).canvas().frame({kBlack}).palette(W, 1).picture(), kFound},
        {"a frame with a palette a pixel left of it",
         Layout(kPanel).canvas().frame({kBlack}).palette(-7, 0).picture(), kFound},
        {"a frame with text a pixel below it, reaching past its right",
         Layout(kPanel).canvas().frame({kBlack}).text(H + 2, W + 10).picture(), kFound},
        {"a frame around a drawing in its colour along every edge",
         Layout(kPanel).canvas().fill(0, 0, W, 1, kBlack).fill(0, H - 1, W, 1, kBlack).fill(0, 0, 1, H, kBlack)
             .fill(W - 1, 0, 1, H, kBlack).frame({kBlack}).picture(), kFound},
        {"a frame around a drawing of two lines in its colour, a pixel in from the right and bottom",
         Layout(kPanel).canvas().fill(W - 2, 0, 1, H, kBlack).fill(0, H - 2, W, 1, kBlack).frame({kBlack}).picture(),
         kFound},
        {"a frame around a canvas filled with the panel's colour",
         Layout(kPanel).canvas(kPanel).frame({kBlack}).picture(), kFound},
        {"a canvas of one pixel in a frame",
         Layout(kPanel).fill(0, 0, 1, 1, kWhite).fill(-1, -1, 3, 1, kBlack).fill(-1, 1, 3, 1, kBlack)
             .fill(-1, 0, 1, 1, kBlack).fill(1, 0, 1, 1, kBlack).picture(), CanvasSize{1, 1}},
        {"a frame whose right side is the last column read",
         Layout(kPanel, kAroundWidth + W + 1).canvas().frame({kBlack}).picture(), kFound},
        {"a frame whose bottom is the last row read",
         Layout(kPanel, 60, kAroundWidth + H + 1).canvas().frame({kBlack}).picture(), kFound},
        {"a frame open at the bottom, its sides running on",
         Layout(kPanel).canvas().frame({kBlack}).fill(0, H, W, 1, kWhite).fill(-1, H + 1, 1, 8, kBlack)
             .fill(W, H + 1, 1, 8, kBlack).fill(0, H + 1, W, 8, kWhite).picture(), kNoSize},
        {"a frame open on the right, its top and bottom running on",
         Layout(kPanel).canvas().frame({kBlack}).fill(W, 0, 12, H, kWhite).fill(W + 1, -1, 12, 1, kBlack)
             .fill(W + 1, H, 12, 1, kBlack).picture(), kNoSize},
        {"a canvas running on past what was read", Layout(kPanel, kAroundWidth + W).canvas().frame({kBlack}).picture(),
         kNoSize},
        // No frame.
        {"no frame, on a panel with tools right and the panel's edge below",
         Layout(kPage).fill(-kAroundWidth, -kAroundWidth, W + 20, H + 6 + kAroundWidth, kPanel).canvas()
             .tools(W, 4).picture(), kFound},
        {"no frame, on a panel whose top is 2 pixels above the canvas",
         Layout(kPage).fill(-kAroundWidth, -2, W + 20, H + 8, kPanel).canvas().tools(W, 4).picture(), kFound},
        {"no frame, on a plain page with text below reaching past the right edge",
         Layout(kPage).canvas().text(H + 2, W + 10).picture(), kFound},
        {"no frame, a drawing with lines of the page's colour short of the edges",
         Layout(kPage).canvas().fill(0, 5, W - 1, 1, kPage).fill(8, 1, 1, H - 1, kPage).picture(), kFound},
        {"no frame, a canvas casting a shadow", Layout(kPanel).shadow(0, 3, kGrey).canvas().picture(), kNoSize},
        {"no frame, text right under the canvas reaching past its right edge",
         Layout(kPage).canvas().text(H, W + 10).picture(), kNoSize},
        {"no frame, a blank canvas of the page's colour", Layout(kWhite).canvas().picture(), kNoSize},
        {"no frame, a canvas of the largest side",
         Layout(kPage, kMaxCanvasSide + 10, 30).fill(0, 0, kMaxCanvasSide, H, kWhite).picture(),
         CanvasSize{kMaxCanvasSide, H}},
        {"no frame, a canvas wider than the largest side",
         Layout(kPage, kMaxCanvasSide + 10, 30).fill(0, 0, kMaxCanvasSide + 1, H, kWhite).picture(), kNoSize},
        {"a framed canvas of the largest side",
         Layout(kPanel, kMaxCanvasSide + 10, 30).fill(-1, -1, kMaxCanvasSide + 2, H + 2, kBlack)
             .fill(0, 0, kMaxCanvasSide, H, kWhite).picture(), CanvasSize{kMaxCanvasSide, H}},
        {"a plain screen", Layout(0x808000).picture(), kNoSize},
    };
}

TEST(CanvasExtent, EachLayoutGivesTheCanvasOrNoSize) {
    for (const LayoutCase& c : Layouts()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CanvasExtentIn(c.around), c.want);
    }
}

// The band page 6 keeps around the canvas, and a later read compared with it.
TEST(CanvasRing, ALaterReadShowsTheBandUnlessItChangedOutsideWhereTheRunDraws) {
    const Picture found = Layout(kPanel).canvas().frame({kBlack}).picture();
    const CanvasRing ring = RingIn(found, kCanvas);
    EXPECT_EQ(ring.pixels.size(), static_cast<std::size_t>((20 + 8) * (12 + 8) - 20 * 12));
    struct Case {
        std::string name;
        Picture read;
        CanvasSize drawn;  // where the run draws
        bool shown;
    };
    const std::vector<Case> cases = {
        {"the same screen, the canvas drawn on", Layout(kPanel).canvas(kRed).frame({kBlack}).picture(), kCanvas, true},
        {"the frame gone", Layout(kPanel).canvas().picture(), kCanvas, false},
        {"a pixel four away changed", Layout(kPanel).canvas().frame({kBlack}).fill(kCanvas.width + 3, 5, 1, 1, kRed)
             .picture(), kCanvas, false},
        {"a pixel five away changed", Layout(kPanel).canvas().frame({kBlack}).fill(-5, 0, 1, 1, kRed).picture(),
         kCanvas, true},
        {"the page scrolled a pixel up", Layout(kPanel).fill(0, -1, 20, 12, kWhite).fill(-1, -2, 22, 1, kBlack)
             .fill(-1, 11, 22, 1, kBlack).fill(-1, -2, 1, 14, kBlack).fill(20, -2, 1, 14, kBlack).picture(),
         kCanvas, false},
        {"read black", Picture(found.width(), found.height(), kBlack), kCanvas, false},
        {"a read that stops short of the band", Layout(kPanel, kAroundWidth + 22).canvas().frame({kBlack}).picture(),
         kCanvas, false},
        {"changed where a larger canvas, as the user corrected it, is drawn",
         Layout(kPanel).canvas().frame({kBlack}).fill(20, 0, 3, 12, kRed).picture(), CanvasSize{23, 12}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RingShown(c.read, ring, c.drawn), c.shown);
    }
    EXPECT_TRUE(RingShown(Picture(), CanvasRing{}, kCanvas));
}

TEST(CanvasExtent, NoSizeFromAReadTooSmallToHoldACanvas) {
    EXPECT_FALSE(CanvasExtentIn(Picture(kAroundWidth, kAroundWidth, kBlack)));
    EXPECT_FALSE(CanvasExtentIn(Picture()));
}

}  // namespace
}  // namespace mipro
