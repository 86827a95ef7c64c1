// How fast the practice board keeps up with a draw run: the model's handling of mipro's pixel
// clicks, and the full repaint the board window does after each of them.
// Run: build/<you>-native/tests/native/board_benchmark
#include <chrono>
#include <cstdio>

#include "board/board.h"
#include "board/board_picture.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsPer(Clock::duration total, int count) {
    return std::chrono::duration<double, std::micro>(total).count() / count;
}

}  // namespace

int main() {
    using namespace mipro::board;
    constexpr int kSide = 600;
    constexpr int kClicks = 360000;
    constexpr int kRepaints = 200;
    Board board(Kind::OekakiBBS, {kSide, kSide});
    const Point origin = board.layout().canvasOrigin();

    const auto clicksStart = Clock::now();
    for (int i = 0; i < kClicks; ++i) {
        const Point p{origin.x + i % kSide, origin.y + (i / kSide) % kSide};
        board.move(p);
        board.buttonDown(p);
        board.move(p);
        board.buttonUp(p);
    }
    const auto clicksTime = Clock::now() - clicksStart;

    long checksum = 0;
    const auto paintStart = Clock::now();
    for (int i = 0; i < kRepaints; ++i) checksum += DrawBoard(board).at(origin.x + i, origin.y);
    const auto paintTime = Clock::now() - paintStart;

    std::printf("canvas %dx%d\n", kSide, kSide);
    std::printf("pixel click (move, down, move, up): %.3f us each over %d clicks\n", MicrosecondsPer(clicksTime, kClicks), kClicks);
    std::printf("whole board picture: %.1f us each over %d repaints (checksum %ld)\n", MicrosecondsPer(paintTime, kRepaints), kRepaints, checksum);
    return 0;
}
