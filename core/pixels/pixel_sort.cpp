#include "pixels/pixel_sort.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "base/utf8_path.h"

namespace mipro {

namespace {

constexpr int kStartPauseMs = 500;
constexpr int kPollPauseMs = 200;
// Five minutes of polls: the sort of the largest list takes seconds, so a sort still running then
// has hung (a stalled disk, a shell waiting for input) and the step ends instead of waiting forever.
constexpr int kMostPolls = 5 * 60 * 1000 / kPollPauseMs;

std::int64_t CountLines(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    if (!in) return -1;
    std::int64_t lines = 0;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        if (*it == '\n') ++lines;
    }
    return lines;
}

// Polls until the sort has ended; one that takes too long is stopped, so that nothing it would
// still do can touch the files of a later try.
bool WaitForSort(Wizard& w, SortRun& sort, StatusBlink& blink) {
    for (int polls = 0; !sort.hasEnded(); ++polls) {
        if (polls == kMostPolls) {
            sort.stop();
            return false;
        }
        blink.tick();
        w.pf.window.doEvents();
        w.pf.clock.sleep(kPollPauseMs);
    }
    return sort.succeeded();
}

}  // namespace

SortOutcome SortPixelList(Wizard& w, StatusBlink& blink) {
    State& st = w.st;
    const std::unique_ptr<SortRun> sort = w.pf.files.startSort(st.PixFile, st.SortFile);
    if (!sort) return SortOutcome::ShellNotStarted;
    w.pf.clock.sleep(kStartPauseMs);
    blink.restart();

    if (!WaitForSort(w, *sort, blink)) return SortOutcome::NoResult;
    return CountLines(st.SortFile) == st.PixCount ? SortOutcome::Sorted : SortOutcome::NoResult;
}

}  // namespace mipro
