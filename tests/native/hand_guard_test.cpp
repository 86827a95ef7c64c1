// Injected button events while a hand may hold the mouse: what is sent, and what the next reading
// reports, for a click, a drag, and a hand found at each of their events.
#include "base/hand_guard.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace mipro::testing {
namespace {

using Send = HandGuard::Send;

constexpr ScreenPoint kPut{100, 100}, kPutAgain{101, 100}, kOnePixelOff{101, 99}, kHand{140, 170};

enum class Step { Place, PlaceAgain, Press, Release };

struct Event {
    Step step;
    ScreenPoint pointer;  // where the pointer is read before the event
    std::optional<Send> sent;
};

struct Case {
    const char* what;
    std::vector<Event> events;
    ScreenPoint nextReading;  // what the reading after the events gives, the pointer being at kPutAgain
};

const Case kCases[] = {
    {"a click", {{Step::Place, {}, {}}, {Step::Press, kPut, Send::AtPlacement}, {Step::Release, kPut, Send::AtPlacement}},
     kPutAgain},
    {"a pointer a pixel off is unmoved",
     {{Step::Place, {}, {}}, {Step::Press, kOnePixelOff, Send::AtPlacement}, {Step::Release, kOnePixelOff, Send::AtPlacement}},
     kPutAgain},
    {"a hand at the press: nothing is clicked",
     {{Step::Place, {}, {}}, {Step::Press, kHand, Send::Nothing}, {Step::Release, kHand, Send::Nothing}},
     kHand},
    {"a hand during the hold: the release goes where the press went",
     {{Step::Place, {}, {}}, {Step::Press, kPut, Send::AtPlacement}, {Step::Release, kHand, Send::AtPlacement}},
     kHand},
    {"a hand during a drag: no second press, one release",
     {{Step::Place, {}, {}}, {Step::Press, kPut, Send::AtPlacement}, {Step::PlaceAgain, {}, {}},
      {Step::Press, kHand, Send::Nothing}, {Step::Release, kHand, Send::AtPlacement}},
     kHand},
    {"the hand is reported even after the program placed the pointer again",
     {{Step::Place, {}, {}}, {Step::Press, kHand, Send::Nothing}, {Step::Release, kHand, Send::Nothing},
      {Step::PlaceAgain, {}, {}}},
     kHand},
    {"before any placement the event happens where the pointer is",
     {{Step::Press, kHand, Send::Here}, {Step::Release, kHand, Send::Here}}, kPutAgain},
};

TEST(HandGuard, ClicksDragsAndAHandOnTheMouse) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        HandGuard guard;
        for (const Event& e : c.events) {
            switch (e.step) {
                case Step::Place: guard.placed(kPut); break;
                case Step::PlaceAgain: guard.placed(kPutAgain); break;
                case Step::Press: EXPECT_EQ(guard.press(e.pointer), *e.sent); break;
                case Step::Release: EXPECT_EQ(guard.release(e.pointer), *e.sent); break;
            }
        }
        EXPECT_EQ(guard.reading(kPutAgain), c.nextReading);
        // A hand is reported once; the reading after that is the pointer itself.
        EXPECT_EQ(guard.reading(kPutAgain), kPutAgain);
    }
}

}  // namespace
}  // namespace mipro::testing
