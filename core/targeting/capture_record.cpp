#include "targeting/capture_record.h"

#include <vector>

namespace mipro {

namespace {

using Member = ScreenPoint CaptureRecord::*;

struct DerivedPoint {
    Member member;
    std::int32_t dx, dy;  // within the magnified square
};

struct CaptureRow {
    Member mag;
    std::vector<DerivedPoint> derived;
};

CaptureRow PooChannelRow(Member mag, Member btn1, Member btn2) {
    return {mag, {{btn1, kUpButtonDX, kUpButtonDY}, {btn2, kDownButtonDX, kDownButtonDY}}};
}

CaptureRow ShiChannelRow(Member mag, Member bar) { return {mag, {{bar, kSliderDX, kSliderDY}}}; }

// Channel is ignored outside the colour-control step.
CaptureRow RowFor(std::int32_t step, int boardKind, int channel) {
    const bool oekaki = boardKind == kBoardOekaki;
    if (step != kColourControlStep) {
        if (oekaki) return {&CaptureRecord::PooHomeMag, {{&CaptureRecord::PooHome, kCanvasDX, kCanvasDY}}};
        return {&CaptureRecord::ShiHomeMag, {{&CaptureRecord::ShiHome, kCanvasDX, kCanvasDY}}};
    }
    if (oekaki) {
        switch (channel) {
            case 0: return PooChannelRow(&CaptureRecord::PooRMag, &CaptureRecord::PooRBtn1, &CaptureRecord::PooRBtn2);
            case 1: return PooChannelRow(&CaptureRecord::PooGMag, &CaptureRecord::PooGBtn1, &CaptureRecord::PooGBtn2);
            default: return PooChannelRow(&CaptureRecord::PooBMag, &CaptureRecord::PooBBtn1, &CaptureRecord::PooBBtn2);
        }
    }
    switch (channel) {
        case 0: return ShiChannelRow(&CaptureRecord::ShiRMag, &CaptureRecord::ShiRBar);
        case 1: return ShiChannelRow(&CaptureRecord::ShiGMag, &CaptureRecord::ShiGBar);
        default: return ShiChannelRow(&CaptureRecord::ShiBMag, &CaptureRecord::ShiBBar);
    }
}

bool ValidChannel(std::int32_t step, int channel) {
    return step != kColourControlStep || (channel >= 0 && channel < kChannelCount);
}

}  // namespace

void RecordCapture(CaptureRecord& rec, const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY,
                   const Confirmation& c) {
    // A confirmation past the last channel has no row of its own and must not overwrite the blue one.
    if (!ValidChannel(c.step, c.subPos)) return;
    const CaptureRow row = RowFor(c.step, c.boardKind, c.subPos);
    rec.*row.mag = c.pointer;
    for (const DerivedPoint& d : row.derived) rec.*d.member = SourcePoint(g, twipsX, twipsY, c.window, d.dx, d.dy);
}

ScreenPoint MagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int channel) {
    if (!ValidChannel(step, channel)) return {};
    return rec.*RowFor(step, boardKind, channel).mag;
}

std::optional<ScreenPoint> CapturedMagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int channel) {
    const ScreenPoint p = MagPoint(rec, step, boardKind, channel);
    if (p.x == 0) return std::nullopt;
    return p;
}

}  // namespace mipro
