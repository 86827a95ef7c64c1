// Not a test: times the core's extraction of a 600 x 600 picture without white (360 000 lines
// written to the pixel list) on the simulated desktop, and the sort of that list by the
// simulated shell for comparison. Build the target pixels_bench and run it; it prints the
// fastest and the median of its runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "picture/image_load.h"
#include "pixels/pixel_list.h"
#include "pixels/status_blink.h"
#include "pixels/work_files.h"
#include "tests/sim/sim_desktop.h"
#include "wizard/wizard.h"

namespace {

constexpr int kSide = 600;
constexpr int kRuns = 15;

mipro::Picture NoWhitePicture() {
    mipro::Picture p(kSide, kSide, 0);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) p.setPoint(x, y, (x * 7 + y * 13) % 255 | (x % 200) << 8 | (y % 250) << 16);
    return p;
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: fastest %.1f ms, median %.1f ms over %zu runs\n", what, ms.front(), ms[ms.size() / 2], ms.size());
}

}  // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    const auto dir = std::filesystem::temp_directory_path() / "mipro-pixels-bench";
    std::filesystem::create_directories(dir);
    mipro::sim::DesktopOptions options;
    options.tempDir = dir.string() + "/";
    mipro::sim::SimDesktop desk(options);
    mipro::Wizard w(desk.platform);
    w.st.StepNo = 3;
    w.st.picIMG = NoWhitePicture();
    w.st.ImgWidth = kSide;
    w.st.ImgHeight = kSide;
    w.st.ThumbScale = mipro::ComputeThumbScale(kSide, kSide);
    if (!mipro::MakeWorkFileNames(w)) return 1;

    std::vector<double> extraction, sort;
    for (int run = 0; run < kRuns; ++run) {
        mipro::StatusBlink blink(w);
        const auto start = Clock::now();
        if (!mipro::WritePixelList(w, w.st.picIMG, blink)) return 1;
        const auto written = Clock::now();
        const auto sorting = desk.files.startSort(w.st.PixFile, w.st.SortFile);
        if (!sorting || !sorting->hasEnded() || !sorting->succeeded()) return 1;
        extraction.push_back(std::chrono::duration<double, std::milli>(written - start).count());
        sort.push_back(std::chrono::duration<double, std::milli>(Clock::now() - written).count());
    }
    std::printf("lines per run: %d\n", w.st.PixCount);
    Report("extraction to the pixel list", extraction);
    Report("simulated sort (for comparison)", sort);
    std::filesystem::remove_all(dir);
    return 0;
}
