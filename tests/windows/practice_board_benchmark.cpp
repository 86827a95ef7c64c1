// How the practice board keeps up with a draw run at mipro's fastest speed: pixel clicks paced as
// the draw run paces them (3 ms after the move, 3 ms between down and up, 3 ms after), then a
// count of the pixels that reached the canvas.
// Run (under Wine, with a display): wine build/<you>-windows/tests/windows/practice_board_benchmark.exe [pixels]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "practice_board_process.h"

namespace {

constexpr DWORD kSpeedWaitFast = 3;
constexpr int kCanvasSide = 100;

void ClickPixel(long x, long y) {
    SetCursorPos(static_cast<int>(x), static_cast<int>(y));
    Sleep(kSpeedWaitFast);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(kSpeedWaitFast);
    SetCursorPos(static_cast<int>(x), static_cast<int>(y));
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(kSpeedWaitFast);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace mipro;
    const int pixels = argc > 1 ? std::atoi(argv[1]) : 1000;
    testing::PracticeBoardProcess board(L"--board oekakiBBS --canvas 100x100 --pos 40,40", L"benchmark");
    const auto shown = board.waitUntilShown();
    if (!shown) {
        std::fprintf(stderr, "the board did not start\n");
        return 1;
    }
    const std::vector<long> canvas = shown->find("canvas");

    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < pixels; ++i) ClickPixel(canvas[0] + i % kCanvasSide, canvas[1] + (i / kCanvasSide) % kCanvasSide);
    const auto sent = std::chrono::steady_clock::now();

    long downs = 0;
    std::optional<board::Report> report;
    while (downs < pixels && std::chrono::steady_clock::now() - sent < std::chrono::seconds(30)) {
        report = board.requestSave();
        downs = report ? report->find("input").at(1) : 0;
    }
    const auto settled = std::chrono::steady_clock::now();
    const auto painted = board.canvas();
    int count = 0;
    for (int y = 0; painted && y < painted->height(); ++y)
        for (int x = 0; x < painted->width(); ++x) count += painted->at(x, y) != board::kWhite;

    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::printf("pixel clicks sent: %d in %.0f ms (%.2f ms each)\n", pixels, ms(sent - start), ms(sent - start) / pixels);
    std::printf("button-downs received: %ld, %.0f ms after the last was sent\n", downs, ms(settled - sent));
    for (int i = 0; painted && i < pixels; ++i)
        if (painted->at(i % kCanvasSide, (i / kCanvasSide) % kCanvasSide) == board::kWhite) std::printf("missing %d\n", i);
    std::printf("pixels painted: %d of %d\n", count, std::min(pixels, kCanvasSide * kCanvasSide));
    return 0;
}
