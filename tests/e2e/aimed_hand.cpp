#include "tests/e2e/aimed_hand.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "tests/e2e/require.h"

namespace mipro::testing {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// How long one watch lasts, how often it reads the pointer and how often it looks for a question.
constexpr auto kWatchFor = 5s;
constexpr auto kLookEvery = 500us;
constexpr auto kBoxLookEvery = 50ms;
// The hand, once it has the mouse: a move every millisecond, to and fro by a few pixels below the
// canvas, until mipro asks; mipro clicking on under Wine with every press withheld takes a while.
constexpr auto kMoveEvery = 1ms;
constexpr int kMovesPerBoxLook = 25;
constexpr auto kHoldAtMost = 60s;
constexpr int kBelowCanvas = 40;
constexpr int kWiggle = 3;
// The magnifier's square of a colour control, from its guide corner.
constexpr int kGuideSquareSide = 100;

bool Inside(ScreenPoint p, const ScreenRect& r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

ScreenRect SquareAt(ScreenPoint corner) {
    return {corner.x, corner.y, corner.x + kGuideSquareSide, corner.y + kGuideSquareSide};
}

int DistanceToCentre(ScreenPoint p, ScreenPoint corner) {
    return std::abs(p.x - (corner.x + kGuideSquareSide / 2)) + std::abs(p.y - (corner.y + kGuideSquareSide / 2));
}

}  // namespace

AimedHand::AimedHand(Desktop& desktop, const BoardOnScreen& board, HandDuring during)
    : desktop_(desktop), board_(board), during_(during) {}

int AimedHand::timesWanted() const {
    switch (during_) {
        case HandDuring::Nothing: return 0;
        case HandDuring::ColourChange: return 1;
        case HandDuring::Reset: return 2;
    }
    return 0;
}

bool AimedHand::due() const { return taken_ < timesWanted(); }

void AimedHand::watch() {
    const auto end = Clock::now() + kWatchFor;
    auto nextBoxLook = Clock::now();
    while (Clock::now() < end) {
        const ScreenPoint p = desktop_.pointer();
        if (momentCame(p)) {
            takeTheMouse(p);
            return;
        }
        if (Clock::now() >= nextBoxLook) {
            if (desktop_.messageBox()) return;
            nextBoxLook = Clock::now() + kBoxLookEvery;
        }
        std::this_thread::sleep_for(kLookEvery);
    }
}

// The first time: a colour change after mipro has drawn on the canvas. The second: the reset
// after the question the first raised was answered.
bool AimedHand::momentCame(ScreenPoint pointer) {
    if (onCanvas(pointer)) canvasSeen_ = true;
    if (!onRedControl(pointer)) return false;
    return taken_ == 0 ? canvasSeen_ : answeredSinceTaken_;
}

bool AimedHand::onCanvas(ScreenPoint p) const { return Inside(p, board_.canvas); }

// Within the red control's square and nearer its centre than the green's and the blue's: the
// squares of neighbouring controls overlap.
bool AimedHand::onRedControl(ScreenPoint p) const {
    const auto& squares = board_.colourSquares;
    if (!Inside(p, SquareAt(squares[0]))) return false;
    const int red = DistanceToCentre(p, squares[0]);
    return red < DistanceToCentre(p, squares[1]) && red < DistanceToCentre(p, squares[2]);
}

void AimedHand::takeTheMouse(ScreenPoint foundAt) {
    ++taken_;
    answeredSinceTaken_ = false;
    std::printf("hand_took_mouse %d at %d %d\n", taken_, foundAt.x, foundAt.y);
    std::fflush(stdout);
    const ScreenPoint beside{board_.canvas.left, board_.canvas.bottom + kBelowCanvas};
    const auto giveUp = Clock::now() + kHoldAtMost;
    for (int move = 0;; ++move) {
        desktop_.moveTo({beside.x + (move % 2) * kWiggle, beside.y});
        std::this_thread::sleep_for(kMoveEvery);
        if (move % kMovesPerBoxLook == 0 && desktop_.messageBox()) return;
        Require(Clock::now() < giveUp, "mipro did not notice the hand that took the mouse");
    }
}

}  // namespace mipro::testing
