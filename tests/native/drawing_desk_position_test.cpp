// Choosing where on the desktop the picture goes: the resting rectangle and the button release.
#include "drawing/desk_position.h"

#include <functional>

#include "drawing/draw_step.h"
#include "drawing_fixture.h"

namespace mipro::testing {
namespace {

class DeskPositionTest : public DrawingTest {
protected:
    DeskPositionTest() {
        w.st.ImgWidth = 40;
        w.st.ImgHeight = 20;
        w.st.ScreenDC = desk.screen.getDC(0);
        desk.window.onDoEvents = [this] {
            ++passes;
            if (script) script(passes);
        };
    }

    // The user's hand: called at every pass of the choosing loop with the pass number.
    std::function<void(int)> script;
    int passes = 0;

    void ReleaseAt(ScreenPoint p) {
        desk.pointer.userMoves(p);
        Form_MouseUp(w);
    }

    std::vector<ScreenRect> FocusRects() const {
        std::vector<ScreenRect> rects;
        for (const auto& e : desk.log.only(sim::EventKind::FocusRect)) rects.push_back(e.rect);
        return rects;
    }
};

TEST_F(DeskPositionTest, AReleaseBeforeAnyRestLeavesNoRectangleAndCentresThePicture) {
    w.st.ImgWidth = 5;
    script = [&](int pass) {
        if (pass == 3) ReleaseAt({100, 300});
    };
    SetPosDrawDeskTop(w);
    EXPECT_TRUE(FocusRects().empty());
    EXPECT_EQ(w.st.DeskPnt, (ScreenPoint{98, 290}));  // 97.5 goes to the even 98
    EXPECT_FALSE(desk.window.captured());
}

TEST_F(DeskPositionTest, HalvesGoToTheEvenNeighbour) {
    w.st.ImgWidth = 7;
    script = [&](int pass) {
        if (pass == 1) ReleaseAt({100, 300});
    };
    SetPosDrawDeskTop(w);
    EXPECT_EQ(w.st.DeskPnt.x, 96);  // 96.5 goes to the even 96
}

TEST_F(DeskPositionTest, TheChoiceStartsAtTheScreenCentreWithTheMouseCaptured) {
    bool capturedWhileChoosing = false;
    script = [&](int) {
        capturedWhileChoosing = desk.window.captured();
        Form_MouseUp(w);
    };
    SetPosDrawDeskTop(w);
    ASSERT_FALSE(Moves().empty());
    EXPECT_EQ(Moves().front(), (ScreenPoint{512, 384}));
    EXPECT_TRUE(capturedWhileChoosing);
    EXPECT_FALSE(desk.window.captured());
}

TEST_F(DeskPositionTest, ABigPictureReleasedAtTheCentre) {
    w.st.ImgWidth = 600;
    w.st.ImgHeight = 600;
    script = [&](int pass) {
        if (pass == 2) Form_MouseUp(w);
    };
    SetPosDrawDeskTop(w);
    EXPECT_EQ(w.st.DeskPnt, (ScreenPoint{212, 84}));
}

TEST_F(DeskPositionTest, RestingShowsTheRectangleMovingHidesItAndTheReleaseErasesIt) {
    const ScreenRect atCentre{492, 374, 532, 394};
    const ScreenRect atNewPlace{180, 290, 220, 310};
    int shownAfter = 0;
    script = [&](int pass) {
        if (pass == 150) {
            shownAfter = static_cast<int>(FocusRects().size());
            desk.pointer.userMoves({200, 300});
        }
        if (pass == 400) ReleaseAt({200, 300});
    };
    SetPosDrawDeskTop(w);
    EXPECT_EQ(shownAfter, 1);
    EXPECT_EQ(FocusRects(), (std::vector<ScreenRect>{atCentre, atCentre, atNewPlace, atNewPlace}));
    EXPECT_EQ(w.st.DeskRect, atNewPlace);
    EXPECT_EQ(w.st.DeskPnt, (ScreenPoint{180, 290}));
}

TEST_F(DeskPositionTest, TheRectangleWaitsForMoreThanAHundredRestingPasses) {
    int shownAtPass = 0;
    script = [&](int pass) {
        if (shownAtPass == 0 && !FocusRects().empty()) shownAtPass = pass;
        if (pass == 300) Form_MouseUp(w);
    };
    SetPosDrawDeskTop(w);
    // Every pass finds the pointer where it was put; the 101st draws the rectangle.
    EXPECT_EQ(shownAtPass, 101);
}

TEST_F(DeskPositionTest, AReleaseWhileNoPlaceIsAwaitedChangesNothing) {
    w.st.DeskPnt = {7, 8};
    desk.pointer.userMoves({300, 300});
    Form_MouseUp(w);
    EXPECT_EQ(w.st.DeskPnt, (ScreenPoint{7, 8}));
    EXPECT_EQ(w.st.DeskWaiting, False);
}

}  // namespace
}  // namespace mipro::testing
