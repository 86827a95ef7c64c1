// Whole runs into the simulated practice boards with the canvas's rectangle found on the screen:
// the check and repair passes, a hand in the middle of a colour change or a reset, a busy board
// that misses presses, lines for runs, a canvas smaller than the picture, and the canvas size on
// page 6.
#include "canvas_run_fixture.h"

#include "app/frame.h"
#include "board/board_picture.h"
#include "drawing/canvas_check.h"
#include "drawing/desk_position.h"
#include "drawing/draw_run.h"
#include "magnifier_driver.h"
#include "targeting/canvas_extent.h"

namespace mipro::testing {
namespace {

using board::Kind;

enum class Event { None, HandInColourChange, HandInReset, Busy };

const char* NameOf(Event e) {
    switch (e) {
        case Event::None: return "nothing";
        case Event::HandInColourChange: return "a hand in a colour change";
        case Event::HandInReset: return "a hand in the reset";
        case Event::Busy: return "a busy board";
    }
    return "";
}

// --- The table: board kind x lines for runs x check x what happens during the run ---

struct RunCase {
    Kind kind;
    bool strokes;
    bool check;
    Event event;
};

std::vector<RunCase> AllCases() {
    std::vector<RunCase> cases;
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS})
        for (bool strokes : {false, true})
            for (bool check : {false, true})
                for (Event e : {Event::None, Event::HandInColourChange, Event::HandInReset, Event::Busy})
                    cases.push_back({kind, strokes, check, e});
    return cases;
}

TEST_F(CanvasRunTest, EveryKindOfRunEndsExactUnlessABusyBoardGoesUnchecked) {
    for (const RunCase& c : AllCases()) {
        const bool oekaki = c.kind == Kind::OekakiBBS;
        SCOPED_TRACE(std::string(oekaki ? "oekakiBBS" : "PaintBBS") + (c.strokes ? ", lines" : ", clicks") +
                     (c.check ? ", checked, " : ", unchecked, ") + NameOf(c.event));
        // A fresh board and record for every case.
        board.reset();
        desk.log.clear();
        desk.dialogs.shown.clear();
        desk.dialogs.answers.clear();
        desk.pointer.onButton = nullptr;
        handMoved = false;
        canvasPressesSeen = colourPressesSeen = 0;
        w.st.poo = {};
        w.st.shi = {};

        sim::SimBoardOptions options{c.kind, {40, 30}, {64, 48}};
        if (c.event == Event::Busy) options.busy = {5, 1000};
        PutUp(options);
        w.st.CheckAfterDraw = ToBoolean(c.check);
        w.st.StrokeRuns = ToBoolean(c.strokes);
        switch (c.event) {
            case Event::HandInColourChange:
                HandAtColourPress(3, 2);
                desk.dialogs.answers = {kYes};
                break;
            case Event::HandInReset:
                // oekakiBBS's reset finds the hand itself and asks whether to stop; PaintBBS's
                // sliders are found out at the first pixel.
                HandAtColourPress(oekaki ? 40 : 2, 0);
                desk.dialogs.answers = {oekaki ? kNo : kYes};
                break;
            case Event::None:
            case Event::Busy: break;
        }
        const Picture p = BandedPicture();
        DrawPicture(p);

        const bool exact = !(c.event == Event::Busy && !c.check);
        if (exact) {
            EXPECT_EQ(Mismatches(p, !oekaki), 0);
        } else {
            EXPECT_GT(Mismatches(p, !oekaki), 0);
        }
        EXPECT_EQ(board->colour(), board::kBlack);
        EXPECT_EQ(PressesBesideTheCanvas(), 0);
        if (c.event == Event::HandInColourChange || c.event == Event::HandInReset) {
            EXPECT_TRUE(handMoved);
        }
        // Only the questions the hand raised; no report of pixels left wrong.
        EXPECT_EQ(desk.dialogs.shown.size(), Questions().size());
        EXPECT_TRUE(desk.dialogs.answers.empty());
        ExpectResourcesGivenBack();
    }
}

// --- The check ---

TEST_F(CanvasRunTest, TheRepairPassesShowInTheCaptionAndMendWhatTheBusyBoardMissed) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}, "SunAwtCanvas", {3, 1000}});
    std::vector<std::string> captions;
    desk.window.onDoEvents = [&] { captions.push_back(desk.window.windowCaption()); };
    // The run's end shows as the last caption with the pointer at rest left of the canvas: the
    // check must not look like that while it parks the pointer for its reads.
    int endsSeen = 0;
    desk.pointer.onMove = [&] {
        if (desk.pointer.position() == StartPoint(w.st) && desk.window.windowCaption() == " 描画 100% 完了...") {
            ++endsSeen;
        }
    };
    const Picture p = BandedPicture();
    DrawPicture(p);
    desk.pointer.onMove = nullptr;
    EXPECT_EQ(endsSeen, 1);
    EXPECT_GT(board->missedPresses(), 0);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_NE(std::find(captions.begin(), captions.end(), " 描画を確認しています..."), captions.end());
    EXPECT_NE(std::find(captions.begin(), captions.end(), " 修正 1 回目 100% 完了..."), captions.end());
    EXPECT_EQ(desk.window.windowCaption(), " 描画 100% 完了...");
}

// Once the last colour (255,0,0) is set, the board takes one press on blue's tens-up arrow that
// mipro never sent (as a busy board that took a press twice): the rest of that colour comes out as
// 255,0,10 while mipro believes the board holds 255,0,0. A repair from that belief would click
// nothing; one from a colour known again mends it.
TEST_F(CanvasRunTest, AColourTheBoardTookOtherwiseIsMendedFromAColourKnownAgain) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    bool pressed = false;
    desk.window.onDoEvents = [&] {
        const PooDigits& d = w.st.poo;
        const bool lastColourSet = d.PooRTens == 25 && d.PooROnes == 5 && d.PooGTens == 0 && d.PooGOnes == 0 &&
                                   d.PooBTens == 0 && d.PooBOnes == 0;
        if (pressed || !lastColourSet || board->value(board::Channel::Blue) != 0) return;
        BoardTakesAPressOnBluesTensUp();
        pressed = true;
    };
    const Picture p = BandedPicture();
    DrawPicture(p);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_TRUE(desk.dialogs.shown.empty());
    EXPECT_EQ(desk.window.windowCaption(), " 描画 100% 完了...");
}

TEST_F(CanvasRunTest, WhatCannotBeMendedIsReportedWithItsPlacesNotHiddenBehindDone) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    // Once the run has begun, the screen shows one canvas pixel in a colour no click changes.
    const ScreenPoint stuck = board->toScreen({140 + 2, 12 + 0});
    desk.screen.setPixelSource(board->window(), [&](ScreenPoint at) {
        if (at == stuck && CanvasPresses() > 0) return 0x030201;
        return board->pixelAt(at);
    });
    Picture p(4, 2);
    p.setPoint(1, 0, 0x000000);
    p.setPoint(3, 1, 0x0000FF);
    DrawPicture(p);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    const std::string report = desk.dialogs.shown[0].text;
    EXPECT_NE(report.find("1 ピクセル"), std::string::npos) << report;
    EXPECT_NE(report.find("(2, 0)"), std::string::npos) << report;
    EXPECT_EQ(desk.window.windowCaption().find("完了"), std::string::npos);
    // The first pass tried once; a pass that mends nothing ends the repairs.
    EXPECT_EQ(CanvasPresses(), 3);
}

TEST_F(CanvasRunTest, AWindowOverTheCanvasAtTheCheckRedrawsNothingAndSaysWhy) {
    PutUp({Kind::PaintBBS, {40, 30}, {64, 48}});
    desk.window.onDoEvents = [&] {
        if (desk.window.windowCaption() == " 描画を確認しています..." && CanvasPresses() > 0)
            desk.screen.addWindow({0, 0, 1024, 768}, "Notepad");
    };
    const Picture p = BandedPicture();
    DrawPicture(p);
    const int drawn = static_cast<int>(PixelLines(p).size());
    EXPECT_EQ(CanvasPresses(), drawn);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_NE(desk.dialogs.shown[0].text.find("描き直しはしませんでした"), std::string::npos);
}

TEST_F(CanvasRunTest, AScreenThatCannotBeReadIsSaidAndTheRunStillDraws) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    desk.screen.readsFail = true;
    const Picture p = BandedPicture();
    DrawPicture(p);
    EXPECT_EQ(Mismatches(p, false), 0);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_NE(desk.dialogs.shown[0].text.find("画面を読み取れなかった"), std::string::npos);
}

TEST_F(CanvasRunTest, PixelsLeftAloneGetTheirEarlierColourBack) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    // A stray pixel beside the picture, painted in the middle of the run as a hand's drag would.
    desk.window.onDoEvents = [&] {
        if (handMoved || CanvasPresses() == 0) return;
        handMoved = true;
        desk.pointer.setCursorPos(board->toScreen({140 + 40, 12 + 30}));
        desk.pointer.leftButtonDown();
        desk.pointer.leftButtonUp();
    };
    const Picture p = BandedPicture();
    DrawPicture(p);
    EXPECT_EQ(board->canvas().at(40, 30), board::kWhite);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

// --- A canvas smaller than the picture ---

TEST_F(CanvasRunTest, ACanvasSmallerThanThePictureIsDrawnExactlyWithNoPressOutsideIt) {
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        SCOPED_TRACE(kind == Kind::OekakiBBS ? "oekakiBBS" : "PaintBBS");
        board.reset();
        desk.log.clear();
        desk.dialogs.shown.clear();
        PutUp({kind, {40, 30}, {16, 10}});
        desk.dialogs.answers = {kYes};
        const Picture p = BandedPicture();
        DrawPicture(p);
        ASSERT_FALSE(desk.dialogs.shown.empty());
        const std::string question = desk.dialogs.shown[0].text;
        EXPECT_NE(question.find("(16 x 10)"), std::string::npos) << question;
        EXPECT_NE(question.find("% ("), std::string::npos) << question;
        EXPECT_EQ(desk.dialogs.shown.size(), 1u);
        EXPECT_EQ(Mismatches(p, kind == Kind::PaintBBS), 0);
        EXPECT_EQ(PressesBesideTheCanvas(), 0);
        EXPECT_EQ(board->colour(), board::kBlack);
    }
}

TEST_F(CanvasRunTest, NoToTheSmallerCanvasStopsBeforeAnyClick) {
    PutUp({Kind::OekakiBBS, {40, 30}, {16, 10}});
    desk.dialogs.answers = {kNo};
    DrawPicture(BandedPicture());
    EXPECT_TRUE(Presses().empty());
    EXPECT_FALSE(desk.window.minimized());
    ExpectResourcesGivenBack();
}

// --- Lines for runs ---

TEST_F(CanvasRunTest, LinesDrawEachRowOfOneColourAsOneDragAndASinglePixelAsAClick) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    w.st.StrokeRuns = True;
    Picture p(8, 2);
    for (int x = 0; x < 6; ++x) p.setPoint(x, 0, 0x0000FF);  // one run of six
    p.setPoint(7, 0, 0x0000FF);                             // a single pixel after a gap
    p.setPoint(3, 1, 0x00FF00);                             // a single pixel of another colour
    DrawPicture(p);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_EQ(CanvasPresses(), 3);
    // Every press is released on its own row, at the run's last pixel.
    const auto presses = Presses(), releases = Releases();
    const ScreenPoint o = board->canvasOrigin();
    EXPECT_NE(std::find(releases.begin(), releases.end(), ScreenPoint{o.x + 5, o.y}), releases.end());
    EXPECT_NE(std::find(presses.begin(), presses.end(), ScreenPoint{o.x + 7, o.y}), presses.end());
    EXPECT_NE(std::find(releases.begin(), releases.end(), ScreenPoint{o.x + 7, o.y}), releases.end());
}

TEST_F(CanvasRunTest, AHandDuringADragStopsItAtOnceReleasedOnItsOwnRun) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    w.st.StrokeRuns = True;
    w.st.CheckAfterDraw = False;
    Picture p(10, 3);
    for (int x = 0; x < 10; ++x) p.setPoint(x, 1, 0x0000FF);
    // The hand drags the pen as it goes: along the run's own row, off the canvas to its left.
    desk.pointer.onRead = [&] {
        if (!handMoved && board->model().buttonHeld() && OnCanvas(desk.pointer.position())) {
            handMoved = true;
            desk.pointer.userMoves({board->canvasOrigin().x - 30, board->canvasOrigin().y + 1});
        }
    };
    desk.dialogs.answers = {kYes};
    DrawPicture(p);
    EXPECT_TRUE(handMoved);
    const ScreenPoint o = board->canvasOrigin();
    const auto releases = Releases();
    // The stopped drag's release lies where it was pressed, then the run is drawn again whole.
    const auto stopped = std::find(releases.begin(), releases.end(), ScreenPoint{o.x, o.y + 1});
    EXPECT_NE(stopped, releases.end());
    EXPECT_EQ(Questions(), std::vector<std::string>{kGoOn});
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_EQ(PressesBesideTheCanvas(), 0);
}

// The hand takes the mouse just before the last click's press: the guard withholds the press,
// and the click is found out at once and made again, though no click follows it.
TEST_F(CanvasRunTest, AWithheldClickIsFoundOutEvenAsTheLastClick) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    w.st.CheckAfterDraw = False;
    Picture p(4, 2);
    p.setPoint(0, 0, 0x0000FF);
    p.setPoint(3, 1, 0x00FF00);
    const ScreenPoint last = board->toScreen({140 + 3, 12 + 1});
    desk.pointer.onButton = [&] {
        if (handMoved || desk.pointer.position() != last || board->model().buttonHeld()) return;
        handMoved = true;
        desk.pointer.userMoves({board->canvasOrigin().x - 30, board->canvasOrigin().y});
    };
    desk.dialogs.answers = {kYes};
    DrawPicture(p);
    EXPECT_TRUE(handMoved);
    EXPECT_EQ(Questions(), std::vector<std::string>{kGoOn});
    EXPECT_EQ(Mismatches(p, false), 0);
}

// The hand moves while a drag's button is down, after the pointer has reached the run's last
// pixel: the board drags its pen to the hand, the run asks at once and draws the run again, and
// with the check on the repair mends the hand's line.
TEST_F(CanvasRunTest, AHandMovingWhileADragIsHeldIsSeenBeforeTheRelease) {
    for (bool check : {false, true}) {
        SCOPED_TRACE(check ? "checked" : "unchecked");
        board.reset();
        desk.log.clear();
        desk.dialogs.shown.clear();
        handMoved = false;
        w.st.poo = {};
        PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
        w.st.StrokeRuns = True;
        w.st.CheckAfterDraw = ToBoolean(check);
        Picture p(10, 3);
        for (int x = 0; x < 10; ++x) p.setPoint(x, 2, 0x0000FF);
        const ScreenPoint runEnd = board->toScreen({140 + 9, 12 + 2});
        const ScreenPoint hand = board->toScreen({140 + 40, 12 + 30});
        desk.pointer.onMove = [&] {
            if (handMoved || desk.pointer.position() != runEnd || !board->model().buttonHeld()) return;
            handMoved = true;
            desk.pointer.userMoves(hand);
        };
        desk.dialogs.answers = {kYes};
        DrawPicture(p);
        desk.pointer.onMove = nullptr;
        EXPECT_TRUE(handMoved);
        EXPECT_EQ(Questions(), std::vector<std::string>{kGoOn});
        for (int x = 0; x < 10; ++x) EXPECT_EQ(board->canvas().at(x, 2), 0x0000FF) << x;
        if (check) {
            EXPECT_EQ(board->canvas().at(40, 30), board::kWhite);
            EXPECT_TRUE(desk.dialogs.answers.empty());
        }
    }
}

// --- Finding the canvas ---

TEST_F(CanvasRunTest, TheCanvasIsFoundOnBothBoardsAtEverySizeBlankOrDrawn) {
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        for (board::Size size : {board::Size{64, 48}, board::Size{300, 300}, board::Size{20, 200}}) {
            SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
            board.reset();
            PutUp({kind, {40, 30}, size});
            // Drawn up to its edges in black, the frame's own colour.
            Picture p(size.width, size.height);
            for (int x = 0; x < size.width; ++x) p.setPoint(x, 0, 0), p.setPoint(x, size.height - 1, 0);
            for (int y = 0; y < size.height; ++y) p.setPoint(0, y, 0), p.setPoint(size.width - 1, y, 0);
            w.st.CheckAfterDraw = False;
            DrawPicture(p);
            EXPECT_EQ(FindCanvasSize(w, board->canvasOrigin()), (CanvasSize{size.width, size.height}));
        }
    }
}

// --- Page 6 ---

TEST_F(CanvasRunTest, TheOriginCaptureShowsTheCanvasSizeOnPageSixAndTheUsersCorrectionHolds) {
    PutBoard(sim::SimBoardOptions{Kind::PaintBBS, {40, 30}, {120, 90}});
    w.st.StepNo = 6;
    w.st.StepDone(5, kBoardPaint) = True;
    MagnifierHand hand(desk);
    const ScreenPoint corner = board->canvasGuideCorner();
    hand.moveTo({corner.x + 268, corner.y + 50}).rest(1).key(MagnifierKey::Enter).rest(1);
    cmdGETHOME_Click(w);
    EXPECT_EQ(w.st.capture.ShiHome, board->canvasOrigin());
    EXPECT_EQ(desk.window.caption({Control::txtCANVASW}), "120");
    EXPECT_EQ(desk.window.caption({Control::txtCANVASH}), "90");

    desk.window.setCaption({Control::txtCANVASW}, "100");
    desk.window.setCaption({Control::txtCANVASH}, "9x");  // not a number: the found height stays
    cmdBACK_Click(w);
    cmdNEXT_Click(w);
    EXPECT_EQ(desk.window.caption({Control::txtCANVASW}), "100");
    cmdNEXT_Click(w);
    ASSERT_EQ(w.st.StepNo, 7);
    EXPECT_EQ(w.st.capture.ShiCanvas, (CanvasSize{100, 90}));
    EXPECT_EQ(desk.window.value({Control::chkCHECK}), 1);
    EXPECT_EQ(desk.window.value({Control::chkSTROKE}), 0);
}

// A canvas whose edges cannot be told (here a blank white window lies over the whole board): the
// picture's size stands, and the user is asked to check it. A canvas found says nothing.
TEST_F(CanvasRunTest, AnOriginWhoseCanvasSizeIsNotFoundAsksTheUserToCheckThePicturesSize) {
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "edges hidden" : "edges shown");
        board.reset();
        PutBoard(sim::SimBoardOptions{Kind::PaintBBS, {40, 30}, {120, 90}});
        if (hidden) {
            const WindowHandle blank = desk.screen.addWindow({0, 0, 1024, 768}, "Blank");
            desk.screen.setPixelSource(blank, [](ScreenPoint) { return ColourValue{0xFFFFFF}; });
        }
        desk.dialogs.shown.clear();
        w.st.StepNo = 6;
        w.st.StepDone(5, kBoardPaint) = True;
        w.st.StepDone(6, kBoardPaint) = False;
        w.st.ImgWidth = 24;
        w.st.ImgHeight = 16;
        MagnifierHand hand(desk);
        const ScreenPoint corner = board->canvasGuideCorner();
        hand.moveTo({corner.x + 268, corner.y + 50}).rest(1).key(MagnifierKey::Enter).rest(1);
        cmdGETHOME_Click(w);
        ASSERT_EQ(w.st.capture.ShiHome, board->canvasOrigin());
        if (!hidden) {
            EXPECT_TRUE(desk.dialogs.shown.empty());
            continue;
        }
        EXPECT_EQ(desk.window.caption({Control::txtCANVASW}), "24");
        ASSERT_EQ(desk.dialogs.shown.size(), 1u);
        EXPECT_NE(desk.dialogs.shown[0].text.find("描画エリアの大きさを画面から決められませんでした。"), std::string::npos);
        EXPECT_NE(desk.dialogs.shown[0].text.find("(24 x 16)"), std::string::npos);
    }
}

// --- The desktop ---

TEST_F(CanvasRunTest, DesktopPixelsOffTheScreenAreSkippedWithoutAQuestion) {
    desk.screen.addWindow({0, 0, 1024, 768}, "SysListView32");
    desk.pointer.guardsHand = false;
    w.st.ImgWidth = 4;
    w.st.ImgHeight = 3;
    WriteSortFile({"010020030000000", "200100050002003"});
    desk.dialogs.answers = {kYes};
    desk.window.onDoEvents = [&] {
        if (w.st.DeskWaiting == False) return;
        desk.pointer.userMoves({1023, 767});
        Form_MouseUp(w);
    };
    cmdDRAW_Click(w);
    const auto painted = desk.log.only(sim::EventKind::SetPixel);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].at, (ScreenPoint{1021, 766}));
    EXPECT_EQ(desk.dialogs.shown.size(), 2u);
}

}  // namespace
}  // namespace mipro::testing
