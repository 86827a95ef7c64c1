// Not a test: times the reduction of a 600 x 600 photo-like picture (smooth light, texture and
// noise: some 190 000 colours) to 256 colours with dithering, and for comparison without it and to
// 32 colours. Built natively as the target reduction_bench and for Windows as
// reduction_bench.exe; it prints the fastest and the median of its runs.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/colour.h"
#include "pixels/colour_reduction.h"

namespace {

constexpr int kSide = 600;
constexpr int kRuns = 7;

int Clamped(int v) { return std::clamp(v, 0, 255); }

// A sky that brightens towards a sun, a darker textured hill below, and noise on every pixel.
mipro::Picture PhotoLike() {
    mipro::Picture p(kSide, kSide);
    std::uint32_t seed = 20240611;
    const auto noise = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 27) - 16;
    };
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int dx = x - 420, dy = y - 150;
            const int glow = std::max(0, 120 - (dx * dx + dy * dy) / 400);
            const bool hill = y > 380 + (x * x) / 3000 - x / 4;
            int r = hill ? 40 + (x * 7 + y * 3) % 50 : 70 + y / 4 + glow;
            int g = hill ? 90 + (x * 5 + y * 11) % 60 : 120 + y / 6 + glow;
            int b = hill ? 30 + (x + y) % 30 : 220 - y / 5 + glow / 3;
            p.setPoint(x, y, mipro::ColourFromRgb(Clamped(r + noise()), Clamped(g + noise()), Clamped(b + noise())));
        }
    }
    return p;
}

std::size_t Colours(const mipro::Picture& p) {
    std::vector<mipro::ColourValue> all;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) all.push_back(p.point(x, y));
    std::sort(all.begin(), all.end());
    return static_cast<std::size_t>(std::unique(all.begin(), all.end()) - all.begin());
}

void Time(const char* what, const mipro::Picture& picture, const mipro::ColourReduction& how) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    std::size_t colours = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        const mipro::Picture reduced = mipro::ReduceColours(picture, how);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        colours = Colours(reduced);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: fastest %.1f ms, median %.1f ms over %d runs (%zu colours)\n", what, ms.front(),
                ms[ms.size() / 2], kRuns, colours);
}

}  // namespace

int main() {
    const mipro::Picture picture = PhotoLike();
    std::printf("600 x 600 photo-like picture: %zu colours\n", Colours(picture));
    Time("256 colours, dithered", picture, {256, true, mipro::AnyColour});
    Time("256 colours, multiples of 5, dithered", picture, {256, true, mipro::MultipleOfFive});
    Time("256 colours", picture, {256, false, mipro::AnyColour});
    Time("32 colours, dithered", picture, {32, true, mipro::AnyColour});
    return 0;
}
