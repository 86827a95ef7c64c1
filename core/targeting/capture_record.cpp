#include "targeting/capture_record.h"

#include <vector>

#include "targeting/guide_picture.h"

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

// A point the guide's mark is put on.
CaptureRow MarkedRow(Member mag, Member point) { return {mag, {{point, kMarkDX, kMarkDY}}}; }

// Each kind's colour-control slots, then its canvas origin.
struct KindRows {
    std::vector<CaptureRow> slots;
    CaptureRow origin;
    int firstGuide;  // the guide frame of slot 0
};

const KindRows& RowsOf(int boardKind) {
    using R = CaptureRecord;
    static const KindRows kOekaki{{PooChannelRow(&R::PooRMag, &R::PooRBtn1, &R::PooRBtn2),
                                   PooChannelRow(&R::PooGMag, &R::PooGBtn1, &R::PooGBtn2),
                                   PooChannelRow(&R::PooBMag, &R::PooBBtn1, &R::PooBBtn2)},
                                  {&R::PooHomeMag, {{&R::PooHome, kCanvasDX, kCanvasDY}}},
                                  kGuideOekakiControls};
    static const KindRows kPaint{{ShiChannelRow(&R::ShiRMag, &R::ShiRBar), ShiChannelRow(&R::ShiGMag, &R::ShiGBar),
                                  ShiChannelRow(&R::ShiBMag, &R::ShiBBar)},
                                 {&R::ShiHomeMag, {{&R::ShiHome, kCanvasDX, kCanvasDY}}},
                                 kGuidePaintSliders};
    static const KindRows kCode{{MarkedRow(&R::CodeOpenMag, &R::CodeOpen), MarkedRow(&R::CodeFieldMag, &R::CodeField),
                                 MarkedRow(&R::CodeSwatchMag, &R::CodeSwatch), MarkedRow(&R::CodeCloseMag, &R::CodeClose)},
                                {&R::CodeHomeMag, {{&R::CodeHome, kCanvasDX, kCanvasDY}}},
                                kGuideCodePoints};
    switch (KindIndex(boardKind)) {
        case kBoardOekaki: return kOekaki;
        case kBoardCode: return kCode;
        default: return kPaint;
    }
}

// Nothing for a slot the step has not.
const CaptureRow* RowFor(std::int32_t step, int boardKind, int slot) {
    const KindRows& rows = RowsOf(boardKind);
    if (step != kColourControlStep) return &rows.origin;
    if (slot < 0 || slot >= static_cast<int>(rows.slots.size())) return nullptr;
    return &rows.slots[static_cast<std::size_t>(slot)];
}

}  // namespace

void RecordCapture(CaptureRecord& rec, const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY,
                   const Confirmation& c) {
    // A confirmation past the last slot has no row of its own and must not overwrite another.
    const CaptureRow* row = RowFor(c.step, c.boardKind, c.slot);
    if (!row) return;
    rec.*row->mag = c.pointer;
    for (const DerivedPoint& d : row->derived) rec.*d.member = SourcePoint(g, twipsX, twipsY, c.window, d.dx, d.dy);
}

std::vector<int> CaptureSlots(std::int32_t step, int boardKind, const CodeChoices& choices) {
    if (step != kColourControlStep) return {0};
    if (KindIndex(boardKind) != kBoardCode) return {0, 1, 2};
    std::vector<int> slots;
    if (choices.CodeOpens != False) slots.push_back(kCodeOpenSlot);
    slots.push_back(kCodeFieldSlot);
    slots.push_back(kCodeSwatchSlot);
    if (choices.CodeCloses != False) slots.push_back(kCodeCloseSlot);
    return slots;
}

int GuideFrameFor(std::int32_t step, int boardKind, int slot) {
    if (step != kColourControlStep) return kGuideOrigin;
    return RowsOf(boardKind).firstGuide + slot;
}

ScreenPoint MagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int slot) {
    const CaptureRow* row = RowFor(step, boardKind, slot);
    return row ? rec.*row->mag : ScreenPoint{};
}

std::optional<ScreenPoint> CapturedMagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int slot) {
    const ScreenPoint p = MagPoint(rec, step, boardKind, slot);
    if (p.x == 0) return std::nullopt;
    return p;
}

bool AllSlotsCaptured(const CaptureRecord& rec, std::int32_t step, int boardKind, const CodeChoices& choices) {
    for (const int slot : CaptureSlots(step, boardKind, choices))
        if (!CapturedMagPoint(rec, step, boardKind, slot)) return false;
    return true;
}

}  // namespace mipro
