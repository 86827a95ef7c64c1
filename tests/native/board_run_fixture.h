// Whole draw runs into simulated practice boards: pictures, their sorted pixel lists, the board
// put up and its controls captured as the magnifier captures them, and the canvas compared.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "drawing/draw_step.h"
#include "drawing_fixture.h"
#include "targeting/capture_record.h"
#include "tests/sim/sim_board.h"

namespace mipro::testing {

using board::Channel;

inline constexpr ColourValue kWhite = 0xFFFFFF;

struct Rgb {
    int r, g, b;
};
inline ColourValue ValueOf(Rgb c) { return c.r | c.g << 8 | c.b << 16; }
inline Rgb Split(ColourValue v) { return {v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF}; }

// A 24 x 16 picture: bands of colours that test the digit and slider edges, a white column
// and a near-white pixel.
inline Picture BandedPicture() {
    const std::vector<Rgb> colours = {{255, 0, 0},   {0, 255, 0},     {0, 0, 255},   {249, 128, 7},
                                      {199, 3, 254}, {12, 250, 253},  {0, 0, 0},     {254, 255, 255}};
    Picture p(24, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) p.setPoint(x, y, ValueOf(colours[(x / 3 + y / 4) % colours.size()]));
    for (int y = 0; y < 16; ++y) p.setPoint(5, y, kWhite);
    return p;
}

inline Picture RandomPicture(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> component(0, 255);
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.setPoint(x, y, ValueOf({component(random), component(random), component(random)}));
    return p;
}

// The sorted pixel list of a picture: one line per non-white pixel.
inline std::vector<std::string> PixelLines(const Picture& p) {
    std::vector<std::string> lines;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            if (p.point(x, y) == kWhite) continue;
            const Rgb c = Split(p.point(x, y));
            char line[64];
            std::snprintf(line, sizeof line, "%03d%03d%03d%03d%03d", c.r, c.g, c.b, y, x);
            lines.push_back(line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The nearest multiple of 5, which is all a 5-units-per-pixel slider can show.
inline int SliderRounded(int v) { return 5 * ((v + 2) / 5); }

class BoardRunTest : public DrawingTest {
protected:
    void PutBoard(board::Kind kind) { PutBoard(sim::SimBoardOptions{kind, {40, 30}, {64, 48}}); }
    // The board put up and its places captured: the colour controls, or the code kind's places
    // (the buttons as the code choices say), and the canvas origin.
    void PutBoard(const sim::SimBoardOptions& options) {
        w.st.BoardKind = KindOf(options.kind);
        board = std::make_unique<sim::SimBoard>(desk, options);
        if (options.kind == board::Kind::ColourCode) {
            const CodeChoices& c = w.st.codeChoices;
            if (c.CodeOpens != False) ConfirmMark(kCodeOpenSlot, board->codeOpener());
            ConfirmMark(kCodeFieldSlot, board->codeField());
            ConfirmMark(kCodeSwatchSlot, board->swatch());
            if (c.CodeCloses != False) ConfirmMark(kCodeCloseSlot, board->codeClose());
        } else {
            for (int channel = 0; channel < kChannelCount; ++channel)
                Confirm(5, channel, board->guideCorner(static_cast<Channel>(channel)));
        }
        Confirm(6, 0, board->canvasGuideCorner());
    }
    static int KindOf(board::Kind kind) {
        switch (kind) {
            case board::Kind::OekakiBBS: return kBoardOekaki;
            case board::Kind::PaintBBS: return kBoardPaint;
            case board::Kind::ColourCode: return kBoardCode;
        }
        return kBoardOekaki;
    }

    // The user puts the guide's mark on `point` and presses Enter.
    void ConfirmMark(int slot, ScreenPoint point) { Confirm(5, slot, {point.x - kMarkDX, point.y - kMarkDY}); }

    // The user lines the magnifier's square up with `squareCorner` and presses Enter.
    void Confirm(std::int32_t step, int channel, ScreenPoint squareCorner) {
        const MagnifierGeometry g = MagnifierGeometryFor(w.st.TwipsX, w.st.TwipsY);
        const TwipsPoint window{double(squareCorner.x - g.SrcDX) * w.st.TwipsX,
                                double(squareCorner.y - g.SrcDY) * w.st.TwipsY};
        RecordCapture(w.st.capture, g, w.st.TwipsX, w.st.TwipsY,
                      {step, w.st.BoardKind, channel, window, {squareCorner.x + 150, squareCorner.y + 50}});
    }

    void Draw(const Picture& p) {
        WriteSortFile(PixelLines(p));
        cmdDRAW_Click(w);
    }

    // Pixels of the canvas that differ from what the picture should have left there; a picture
    // larger than the canvas is compared where the canvas is.
    int Mismatches(const Picture& p, bool sliderRule) const {
        int wrong = 0;
        for (int y = 0; y < std::min(p.height(), board->canvas().height()); ++y) {
            for (int x = 0; x < std::min(p.width(), board->canvas().width()); ++x) {
                Rgb want = Split(p.point(x, y));
                if (sliderRule && p.point(x, y) != kWhite)
                    want = {SliderRounded(want.r), SliderRounded(want.g), SliderRounded(want.b)};
                wrong += board->canvas().at(x, y) != ValueOf(want);
            }
        }
        return wrong;
    }

    std::unique_ptr<sim::SimBoard> board;
};

}  // namespace mipro::testing
