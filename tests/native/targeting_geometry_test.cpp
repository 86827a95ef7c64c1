#include "targeting/capture_record.h"
#include "targeting/magnifier_geometry.h"

#include <gtest/gtest.h>

namespace mipro::testing {

namespace {
const MagnifierGeometry kAt15 = MagnifierGeometryFor(15, 15);

Confirmation At(std::int32_t step, int kind, int subPos, TwipsPoint window, ScreenPoint pointer = {600, 400}) {
    return {step, kind, subPos, window, pointer};
}
}  // namespace

TEST(MagnifierGeometry, At15TwipsPerPixel) {
    EXPECT_DOUBLE_EQ(kAt15.width, 4605);
    EXPECT_DOUBLE_EQ(kAt15.height, 4605);
    EXPECT_EQ(kAt15.HalfW, 2302);  // 2302.5 goes to the even neighbour
    EXPECT_EQ(kAt15.HalfH, 2302);
    EXPECT_EQ(kAt15.HalfWPx, 153);
    EXPECT_EQ(kAt15.HalfHPx, 153);
    EXPECT_EQ(kAt15.SrcDX, -115);
    EXPECT_EQ(kAt15.SrcDY, 103);
}

TEST(MagnifierGeometry, At12TwipsPerPixelTheHalfRoundsUpToTheEvenNeighbour) {
    const MagnifierGeometry g = MagnifierGeometryFor(12, 12);
    EXPECT_DOUBLE_EQ(g.width, 3684);
    EXPECT_EQ(g.HalfW, 1842);
    EXPECT_EQ(g.HalfWPx, 154);
    EXPECT_EQ(g.HalfHPx, 154);
    EXPECT_EQ(g.SrcDY, 104);
}

TEST(MagnifierGeometry, HorizontalAndVerticalScalesAreIndependent) {
    const MagnifierGeometry g = MagnifierGeometryFor(15, 12);
    EXPECT_EQ(g.HalfWPx, 153);
    EXPECT_EQ(g.HalfHPx, 154);
    EXPECT_EQ(g.SrcDY, 104);
}

TEST(MagnifierGeometry, TheWindowIsCentredOnThePointer) {
    const TwipsPoint at = PlaceOnPointer(kAt15, 15, 15, {600, 400});
    EXPECT_DOUBLE_EQ(at.left, 6698);
    EXPECT_DOUBLE_EQ(at.top, 3698);
}

TEST(MagnifierGeometry, TheSourceSquareLiesLeftOfTheWindowCentredOnThePointer) {
    const TwipsPoint at = PlaceOnPointer(kAt15, 15, 15, {600, 400});
    EXPECT_EQ(SourcePoint(kAt15, 15, 15, at, 0, 0), (ScreenPoint{332, 350}));
    EXPECT_EQ(SourcePoint(kAt15, 15, 15, at, 99, 99), (ScreenPoint{431, 449}));
    EXPECT_EQ(SourceSquareAround(kAt15, {600, 400}), (ScreenRect{332, 350, 432, 450}));
}

TEST(CaptureRecord, OekakiRedControlAtTheWorkedPosition) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 0, {6698, 3698}));
    EXPECT_EQ(rec.PooRBtn1, (ScreenPoint{401, 391}));
    EXPECT_EQ(rec.PooRBtn2, (ScreenPoint{421, 402}));
    EXPECT_EQ(rec.PooRMag, (ScreenPoint{600, 400}));
}

TEST(CaptureRecord, TheOriginAtTheWorkedPosition) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(6, 0, 0, {6698, 3698}, {601, 402}));
    EXPECT_EQ(rec.PooHome, (ScreenPoint{382, 400}));
    EXPECT_EQ(rec.PooHomeMag, (ScreenPoint{601, 402}));
    RecordCapture(rec, kAt15, 15, 15, At(6, 1, 0, {6705, 3705}));
    EXPECT_EQ(rec.ShiHome, (ScreenPoint{382, 400}));
}

TEST(CaptureRecord, AtWholePixelPositions) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 0, {6705, 3705}));
    EXPECT_EQ(rec.PooRBtn1, (ScreenPoint{401, 391}));
    EXPECT_EQ(rec.PooRBtn2, (ScreenPoint{421, 402}));
    RecordCapture(rec, kAt15, 15, 15, At(5, 1, 0, {6705, 3705}));
    EXPECT_EQ(rec.ShiRBar, (ScreenPoint{358, 396}));
}

TEST(CaptureRecord, EachChannelWritesOnlyItsOwnRow) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 1, {6705, 3705}, {10, 20}));
    EXPECT_EQ(rec.PooGMag, (ScreenPoint{10, 20}));
    EXPECT_EQ(rec.PooGBtn1, (ScreenPoint{401, 391}));
    EXPECT_EQ(rec.PooGBtn2, (ScreenPoint{421, 402}));
    EXPECT_EQ(rec.PooRMag, (ScreenPoint{}));
    EXPECT_EQ(rec.PooBBtn1, (ScreenPoint{}));
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 2, {7005, 3705}, {30, 40}));
    EXPECT_EQ(rec.PooBMag, (ScreenPoint{30, 40}));
    EXPECT_EQ(rec.PooBBtn1, (ScreenPoint{421, 391}));
    EXPECT_EQ(rec.PooGBtn1, (ScreenPoint{401, 391}));
    RecordCapture(rec, kAt15, 15, 15, At(5, 1, 2, {6705, 3705}));
    EXPECT_EQ(rec.ShiBBar, (ScreenPoint{358, 396}));
    EXPECT_EQ(rec.ShiGBar, (ScreenPoint{}));
    EXPECT_EQ(rec.ShiRBar, (ScreenPoint{}));
}

TEST(CaptureRecord, OneBoardKindNeverTouchesTheOther) {
    CaptureRecord rec;
    for (int sub = 0; sub < 3; ++sub) RecordCapture(rec, kAt15, 15, 15, At(5, 0, sub, {6705, 3705}));
    RecordCapture(rec, kAt15, 15, 15, At(6, 0, 0, {6705, 3705}));
    EXPECT_EQ(rec.ShiRMag, (ScreenPoint{}));
    EXPECT_EQ(rec.ShiBBar, (ScreenPoint{}));
    EXPECT_EQ(rec.ShiHome, (ScreenPoint{}));
    EXPECT_EQ(rec.ShiHomeMag, (ScreenPoint{}));
    const CaptureRecord pooOnly = rec;
    for (int sub = 0; sub < 3; ++sub) RecordCapture(rec, kAt15, 15, 15, At(5, 1, sub, {9000, 6000}));
    EXPECT_EQ(rec.PooRBtn1, pooOnly.PooRBtn1);
    EXPECT_EQ(rec.PooBBtn2, pooOnly.PooBBtn2);
    EXPECT_EQ(rec.PooHome, pooOnly.PooHome);
    EXPECT_NE(rec.ShiRBar, (ScreenPoint{}));
}

TEST(CaptureRecord, AnyBoardKindOtherThanZeroIsPaintBBS) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 7, 0, {6705, 3705}));
    EXPECT_EQ(rec.ShiRBar, (ScreenPoint{358, 396}));
}

TEST(CaptureRecord, AConfirmationPastTheLastChannelOverwritesNothing) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 2, {6705, 3705}));
    const CaptureRecord before = rec;
    RecordCapture(rec, kAt15, 15, 15, At(5, 0, 3, {9000, 6000}));
    EXPECT_EQ(rec.PooBBtn1, before.PooBBtn1);
    EXPECT_EQ(rec.PooBMag, before.PooBMag);
}

TEST(CaptureRecord, DerivedPointsFollowTheScaleOfTheScreen) {
    const MagnifierGeometry g = MagnifierGeometryFor(12, 12);
    const TwipsPoint at = PlaceOnPointer(g, 12, 12, {600, 400});
    CaptureRecord rec;
    RecordCapture(rec, g, 12, 12, At(6, 1, 0, at));
    // 446.5 - 115 + 50 = 381.5 and 246.5 + 104 + 50 = 400.5: both halves go to the even neighbour.
    EXPECT_EQ(rec.ShiHome, (ScreenPoint{382, 400}));
}

TEST(StartPosition, NeverCapturedMeansXIsZero) {
    CaptureRecord rec;
    EXPECT_FALSE(CapturedMagPoint(rec, 5, 0, 0));
    rec.PooRMag = {0, 300};
    EXPECT_FALSE(CapturedMagPoint(rec, 5, 0, 0));
    rec.PooRMag = {1, 0};
    EXPECT_EQ(CapturedMagPoint(rec, 5, 0, 0), (ScreenPoint{1, 0}));
}

TEST(StartPosition, APointerAtXZeroIsForgottenByTheNextOpening) {
    CaptureRecord rec;
    RecordCapture(rec, kAt15, 15, 15, At(6, 1, 0, {-2302, 3705}, {0, 400}));
    EXPECT_EQ(rec.ShiHomeMag, (ScreenPoint{0, 400}));
    EXPECT_FALSE(CapturedMagPoint(rec, 6, 1, 0));
}

TEST(StartPosition, EachMomentLooksUpItsOwnMember) {
    CaptureRecord rec;
    rec.PooRMag = {1, 1}, rec.PooGMag = {2, 2}, rec.PooBMag = {3, 3}, rec.PooHomeMag = {4, 4};
    rec.ShiRMag = {5, 5}, rec.ShiGMag = {6, 6}, rec.ShiBMag = {7, 7}, rec.ShiHomeMag = {8, 8};
    EXPECT_EQ(MagPoint(rec, 5, 0, 0), rec.PooRMag);
    EXPECT_EQ(MagPoint(rec, 5, 0, 1), rec.PooGMag);
    EXPECT_EQ(MagPoint(rec, 5, 0, 2), rec.PooBMag);
    EXPECT_EQ(MagPoint(rec, 6, 0, 0), rec.PooHomeMag);
    EXPECT_EQ(MagPoint(rec, 5, 1, 0), rec.ShiRMag);
    EXPECT_EQ(MagPoint(rec, 5, 1, 1), rec.ShiGMag);
    EXPECT_EQ(MagPoint(rec, 5, 1, 2), rec.ShiBMag);
    EXPECT_EQ(MagPoint(rec, 6, 1, 0), rec.ShiHomeMag);
    EXPECT_EQ(MagPoint(rec, 6, 1, 2), rec.ShiHomeMag);  // the origin has one position only
}

}  // namespace mipro::testing
