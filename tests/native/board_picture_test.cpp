// The practice board's picture against mipro's magnifier guide frames: the guide shows a
// 100 x 100 screen square at three times its size, so a guide pixel v covers the square's pixel v / 3.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "board/board.h"
#include "board/board_picture.h"
#include "board/code_picture.h"

namespace mipro::board {
namespace {

constexpr int kZoom = 3;

// A box of guide (view) pixels turned into the square's pixels it covers.
Rect FromGuide(int left, int top, int right, int bottom) {
    return {left / kZoom, top / kZoom, right / kZoom, bottom / kZoom};
}

int InkInside(const Raster& r, Rect box) {
    int n = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) n += r.at(x, y) == kInkColour;
    return n;
}


Board OekakiWithValues(int red, int green, int blue) {
    Board b(Kind::OekakiBBS, {50, 50});
    const int values[] = {red, green, blue};
    for (Channel c : kChannels) {
        const int v = values[static_cast<int>(c)];
        for (int i = 0; i < v / 10; ++i) {
            b.buttonDown(b.layout().arrowPoint(c, Arrow::TensUp));
            b.buttonUp(b.layout().arrowPoint(c, Arrow::TensUp));
        }
    }
    return b;
}

TEST(OekakiPicture, ClickPointsFallOnTheDrawnTriangles) {
    const Board b(Kind::OekakiBBS, {50, 50});
    const Raster r = DrawBoard(b);
    for (Channel c : kChannels) {
        const Point corner = b.layout().guideCorner(c);
        EXPECT_EQ((corner + Point{69, 41}), b.layout().arrowPoint(c, Arrow::TensUp));
        EXPECT_EQ((corner + Point{89, 52}), b.layout().arrowPoint(c, Arrow::OnesDown));
        for (Arrow a : kArrows) {
            const Point p = b.layout().arrowPoint(c, a);
            EXPECT_EQ(r.at(p.x, p.y), kInkColour) << "arrow " << static_cast<int>(a);
        }
    }
}

TEST(OekakiPicture, TrianglesLieWithinTheGuideTrianglesAndFillThem) {
    const Board b(Kind::OekakiBBS, {50, 50});
    const Raster r = DrawBoard(b);
    const Rect guideUp[] = {FromGuide(195, 105, 221, 131), FromGuide(255, 105, 281, 131)};
    const Rect guideDown[] = {FromGuide(192, 147, 221, 176), FromGuide(252, 147, 281, 176)};
    for (Channel c : kChannels) {
        const Point corner = b.layout().guideCorner(c);
        // The whole right-hand area of the control: every ink pixel there is part of a triangle.
        const Rect arrowsArea = Rect{63, 33, 95, 60}.movedBy(corner);
        int inTriangles = 0;
        for (const Rect& g : guideUp) inTriangles += InkInside(r, g.movedBy(corner));
        for (const Rect& g : guideDown) inTriangles += InkInside(r, g.movedBy(corner));
        EXPECT_EQ(inTriangles, InkInside(r, arrowsArea));
        // Each triangle's widest row spans its guide box from side to side.
        for (const Rect& g : guideUp)
            EXPECT_EQ(InkInside(r, Rect{g.left, g.bottom, g.right, g.bottom}.movedBy(corner)), g.right - g.left + 1);
        for (const Rect& g : guideDown)
            EXPECT_EQ(InkInside(r, Rect{g.left, g.top, g.right, g.top}.movedBy(corner)), g.right - g.left + 1);
    }
}

TEST(OekakiPicture, BarOutlineAndLetterSitWhereTheGuideDrawsThem) {
    const Board b = OekakiWithValues(0, 120, 250);
    const Raster r = DrawBoard(b);
    const Rect bar = FromGuide(18, 162, 188, 194);
    const Rect letter = FromGuide(27, 117, 53, 146);
    for (Channel c : kChannels) {
        const Point corner = b.layout().guideCorner(c);
        const Rect onBoard = bar.movedBy(corner);
        for (int x = onBoard.left; x <= onBoard.right; ++x) {
            EXPECT_EQ(r.at(x, onBoard.top), kInkColour);
            EXPECT_EQ(r.at(x, onBoard.bottom), kInkColour);
        }
        EXPECT_EQ(r.at(onBoard.right, onBoard.top + 3), kInkColour);
        // The bar's left end is filled as in the guide (guide x 18 to 32).
        EXPECT_EQ(InkInside(r, Rect{onBoard.left, onBoard.top, onBoard.left + 4, onBoard.bottom}), 5 * 11);
        int letterPixels = 0;
        const Rect l = letter.movedBy(corner);
        for (int y = l.top - 2; y <= l.bottom + 2; ++y)
            for (int x = l.left - 2; x <= l.right + 2; ++x)
                if (r.at(x, y) == ChannelColour(c)) {
                    EXPECT_TRUE(l.contains({x, y})) << x << "," << y;
                    ++letterPixels;
                }
        EXPECT_GT(letterPixels, 20);
    }
}

TEST(OekakiPicture, BarFillGrowsWithTheValue) {
    const Board b = OekakiWithValues(0, 120, 250);
    const Raster r = DrawBoard(b);
    int filled[3] = {};
    for (Channel c : kChannels) {
        const Rect bar = b.layout().oekakiControl(c).bar;
        for (int x = bar.left; x <= bar.right; ++x) filled[static_cast<int>(c)] += r.at(x, bar.top + 4) == ChannelColour(c);
    }
    EXPECT_EQ(filled[0], 0);
    EXPECT_GT(filled[1], 15);
    EXPECT_GT(filled[2], filled[1] + 15);
}

TEST(PaintPicture, SliderZeroIsJustInsideTheBracketBelowItsTopLine) {
    const Board b(Kind::PaintBBS, {50, 50});
    const Raster r = DrawBoard(b);
    for (Channel c : kChannels) {
        const Point corner = b.layout().guideCorner(c);
        const Point zero = b.layout().paintControl(c).zero;
        EXPECT_EQ(zero, (corner + Point{26, 46}));
        const Rect top = FromGuide(75, 129, 224, 131).movedBy(corner);
        EXPECT_EQ(InkInside(r, top), top.right - top.left + 1) << "bracket top line";
        const Rect leftSide = FromGuide(75, 129, 77, 154).movedBy(corner);
        const Rect rightSide = FromGuide(222, 129, 224, 154).movedBy(corner);
        EXPECT_EQ(InkInside(r, leftSide), leftSide.bottom - leftSide.top + 1);
        EXPECT_EQ(InkInside(r, rightSide), rightSide.bottom - rightSide.top + 1);
        EXPECT_EQ(zero.x, leftSide.left + 1);
        EXPECT_EQ(zero.y, top.top + 3);
        EXPECT_NE(r.at(zero.x, zero.y), kInkColour) << "the track, not the bracket";
    }
}

TEST(PaintPicture, LetterInsideTheGuideLetterBox) {
    const Board b(Kind::PaintBBS, {50, 50});
    const Raster r = DrawBoard(b);
    for (Channel c : kChannels) {
        const Point corner = b.layout().guideCorner(c);
        const Rect letter = FromGuide(189, 139, 215, 168).movedBy(corner);
        const Rect around = Rect{55, 44, 73, 58}.movedBy(corner);  // the track's right part, inside the bracket
        const int inside = InkInside(r, letter);
        EXPECT_GT(inside, 20);
        EXPECT_EQ(inside, InkInside(r, around));
    }
}

TEST(PaintPicture, TrackFillShowsTheValue) {
    Board b(Kind::PaintBBS, {50, 50});
    const Point zero = b.layout().paintControl(Channel::Green).zero;
    b.buttonDown(zero + Point{9, 0});  // 50
    b.buttonUp(zero + Point{9, 0});
    const Raster r = DrawBoard(b);
    const Colour green = ChannelColour(Channel::Green);
    EXPECT_EQ(r.at(zero.x, zero.y + 5), green);
    EXPECT_EQ(r.at(zero.x + 9, zero.y + 5), green);
    EXPECT_EQ(r.at(zero.x + 10, zero.y + 5), kTrackColour);
}

class CanvasPicture : public ::testing::TestWithParam<Kind> {};

TEST_P(CanvasPicture, CornerMarkSitsJustOutsideTheFirstPixel) {
    Board b(GetParam(), {30, 20});
    const Point origin = b.layout().canvasOrigin();
    EXPECT_EQ((b.layout().canvasGuideCorner() + Point{50, 50}), origin);
    b.buttonDown(origin);
    b.buttonUp(origin);
    const Raster r = DrawBoard(b);
    EXPECT_EQ(r.at(origin.x, origin.y), b.colour());
    EXPECT_EQ(r.at(origin.x + 1, origin.y), kWhite);
    for (int d = -1; d < 20; ++d) EXPECT_EQ(r.at(origin.x - 1, origin.y + d), kBlack) << "left border " << d;
    for (int d = -1; d < 30; ++d) EXPECT_EQ(r.at(origin.x + d, origin.y - 1), kBlack) << "top border " << d;
    EXPECT_EQ(r.at(origin.x - 5, origin.y), kPanelColour) << "the start point is bare board";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CanvasPicture, ::testing::Values(Kind::OekakiBBS, Kind::PaintBBS, Kind::ColourCode));

// ---- the pen cursor ----

Board Made(Kind kind, std::optional<bool> cursor = std::nullopt, CodeOpener opener = CodeOpener::None) {
    BoardSetup setup;
    setup.kind = kind;
    setup.canvas = {120, 90};
    setup.penCursor = cursor;
    setup.opener = opener;
    return Board(setup);
}

// The pixels where the picture differs from the same board's picture with the pointer gone.
std::vector<Point> CursorPixels(const Board& b) {
    Board plain = b;
    plain.leave();
    const Raster with = DrawBoard(b);
    const Raster without = DrawBoard(plain);
    std::vector<Point> differ;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.at(x, y) != without.at(x, y)) differ.push_back({x, y});
    return differ;
}

TEST(PenCursor, ARingOfBlackAndWhiteAroundThePointerOnlyOverTheCanvasAndNeverInIt) {
    Board b = Made(Kind::ColourCode);
    const Point at = b.layout().canvasOrigin() + Point{20, 20};
    b.move(at);
    const std::vector<Point> ring = CursorPixels(b);
    ASSERT_EQ(ring.size(), 16u - 8u) << "the white half of the ring lies on the white canvas";
    const Raster r = DrawBoard(b);
    int black = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const Colour c = r.at(at.x + dx, at.y + dy);
            const bool outline = std::max(std::abs(dx), std::abs(dy)) == 2;
            EXPECT_EQ(c, outline && (dx + dy) % 2 == 0 ? kBlack : kWhite) << dx << "," << dy;
            black += c == kBlack;
        }
    }
    EXPECT_EQ(black, 8);
    EXPECT_EQ(b.canvas().at(20, 20), kWhite) << "the canvas holds no cursor";
}

TEST(PenCursor, ShowsOnADarkCanvasToo) {
    Board b = Made(Kind::ColourCode);
    const Point origin = b.layout().canvasOrigin();
    b.buttonDown(Centre(b.layout().toolButton(Tool::Brush)));
    b.buttonUp(Centre(b.layout().toolButton(Tool::Brush)));
    b.buttonDown(origin + Point{0, 8});  // black rows 7 to 9
    b.move(origin + Point{59, 8});
    b.buttonUp(origin + Point{59, 8});
    const Point at = origin + Point{10, 10};
    b.move(at);
    ASSERT_EQ(b.canvas().at(11, 8), kBlack);
    EXPECT_EQ(DrawBoard(b).at(at.x + 1, at.y - 2), kWhite);
    EXPECT_EQ(CursorPixels(b).size(), 5u + 4u) << "black pixels over the white rows, white ones over the black rows";
}

TEST(PenCursor, WhereItShows) {
    struct Case { const char* what; Kind kind; std::optional<bool> cursor; bool shown; };
    const Case cases[] = {
        {"ColourCode: on", Kind::ColourCode, std::nullopt, true},
        {"oekakiBBS: off", Kind::OekakiBBS, std::nullopt, false},
        {"PaintBBS: off", Kind::PaintBBS, std::nullopt, false},
        {"PaintBBS asked for one", Kind::PaintBBS, true, true},
        {"ColourCode asked for none", Kind::ColourCode, false, false},
    };
    for (const Case& c : cases) {
        Board b = Made(c.kind, c.cursor);
        b.move(b.layout().canvasOrigin() + Point{30, 30});
        EXPECT_EQ(!CursorPixels(b).empty(), c.shown) << c.what;
        EXPECT_EQ(b.penCursor().has_value(), c.shown) << c.what;
    }
}

TEST(PenCursor, FollowsEveryPointerEventAndGoesOffTheCanvas) {
    Board b = Made(Kind::ColourCode);
    const Point origin = b.layout().canvasOrigin();
    EXPECT_FALSE(b.penCursor()) << "no pointer seen yet";
    b.buttonDown(origin + Point{5, 5});
    EXPECT_EQ(b.penCursor(), (origin + Point{5, 5}));
    b.move(origin + Point{9, 7});
    EXPECT_EQ(b.penCursor(), (origin + Point{9, 7}));
    b.buttonUp(origin + Point{-1, 7});
    EXPECT_FALSE(b.penCursor()) << "on the border";
    b.move(origin + Point{119, 89});
    EXPECT_EQ(b.penCursor(), (origin + Point{119, 89}));
    EXPECT_EQ(CursorPixels(b).size(), 3u) << "the black corner of the ring on the canvas";
    for (Point p : CursorPixels(b)) EXPECT_TRUE(b.layout().canvasRect().contains(p)) << "clipped to the canvas";
    b.leave();
    EXPECT_FALSE(b.penCursor());
    EXPECT_TRUE(CursorPixels(b).empty());
}

TEST(PenCursor, HiddenUnderTheCodeWindow) {
    Board b = Made(Kind::ColourCode, std::nullopt, CodeOpener::Window);
    b.buttonDown(Centre(b.layout().codeOpener()));
    b.buttonUp(Centre(b.layout().codeOpener()));
    const Rect window = b.layout().codeWindow();
    b.move({window.left + 10, window.bottom});
    EXPECT_FALSE(b.penCursor());
    EXPECT_TRUE(CursorPixels(b).empty());
    b.move({window.left + 10, window.bottom + 3});
    EXPECT_TRUE(b.penCursor());
    for (Point p : CursorPixels(b)) EXPECT_FALSE(window.contains(p)) << "the window lies over the cursor";
}

// ---- the ColourCode controls ----

int CountColour(const Raster& r, Rect box, Colour c) {
    int n = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) n += r.at(x, y) == c;
    return n;
}

TEST(CodePicture, TheFieldShowsItsFocusItsSelectionAndItsCaret) {
    Board b = Made(Kind::ColourCode, std::nullopt, CodeOpener::Button);
    const Rect field = b.layout().codeField();
    EXPECT_EQ(CountColour(DrawBoard(b), field, kFieldColour), 0) << "hidden until opened";
    const Point opener = Centre(b.layout().codeOpener());
    b.buttonDown(opener);
    b.buttonUp(opener);
    const Raster selected = DrawBoard(b);
    const Rect inside{field.left + 2, field.top + 2, field.right - 2, field.bottom - 2};
    EXPECT_EQ(selected.at(field.left, field.top), kFocusColour);
    EXPECT_GT(CountColour(selected, inside, kSelectionColour), 7 * 20) << "the selected code, inverted";
    EXPECT_GT(CountColour(selected, inside, kSelectedTextColour), 7 * 8);
    b.buttonDown(Centre(field));
    b.buttonUp(Centre(field));
    const Raster caret = DrawBoard(b);
    EXPECT_EQ(CountColour(caret, inside, kSelectionColour), 0);
    EXPECT_GT(CountColour(caret, inside, kInkColour), 7 * 8) << "the code and the caret";
    b.buttonDown(b.layout().canvasOrigin());
    b.buttonUp(b.layout().canvasOrigin());
    const Raster unfocused = DrawBoard(b);
    EXPECT_EQ(unfocused.at(field.left, field.top), kInkColour);
    EXPECT_EQ(CountColour(unfocused, inside, kInkColour), CountColour(caret, inside, kInkColour) - 9) << "no caret";
}

TEST(CodePicture, TheSwatchShowsTheCurrentColourAroundAnIconThatStandsOut) {
    for (int swatch : {0, 1, 3, 7}) {
        Board b(Kind::ColourCode, {60, 50});
        b.buttonDown(Centre(b.layout().swatch(swatch)));
        b.buttonUp(Centre(b.layout().swatch(swatch)));
        const Raster r = DrawBoard(b);
        const Rect colourSwatch = b.layout().colourSwatch();
        EXPECT_EQ(r.at(colourSwatch.left + 3, colourSwatch.top + 3), b.colour()) << swatch;
        const Rect icon = b.layout().swatchIcon();
        const int iconPixels = (icon.right - icon.left + 1) * (icon.bottom - icon.top + 1);
        EXPECT_GT(iconPixels - CountColour(r, icon, b.colour()), 10) << swatch;
    }
}

TEST(CodePicture, TheWindowCoversTheCanvasCornerInThePictureOnly) {
    Board b = Made(Kind::ColourCode, std::nullopt, CodeOpener::Window);
    const Point origin = b.layout().canvasOrigin();
    b.buttonDown(origin + Point{1, 1});
    b.buttonUp(origin + Point{1, 1});
    b.buttonDown(Centre(b.layout().codeOpener()));
    b.buttonUp(Centre(b.layout().codeOpener()));
    const Raster r = DrawBoard(b);
    EXPECT_EQ(r.at(origin.x + 70, origin.y + 40), kWindowColour);
    const Rect field = b.layout().codeField();
    EXPECT_EQ(r.at(field.right - 3, field.bottom - 3), kFieldColour) << "the field's inside";
    EXPECT_EQ(r.at(origin.x - 1, origin.y + 40), kWindowColour) << "over the canvas's frame";
    EXPECT_EQ(b.canvas().at(1, 1), kBlack);
}

}  // namespace
}  // namespace mipro::board
