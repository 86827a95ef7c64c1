#include "pixels/sort_batch.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "base/utf8_path.h"
#include "pixels/temp_names.h"

namespace mipro {

namespace {

constexpr int kStartPauseMs = 500;
constexpr int kPollPauseMs = 200;
// Five minutes of polls: the sort of the largest list takes seconds, so a sort still running then
// has hung (a stalled disk, a shell waiting for input) and the step ends instead of waiting forever.
constexpr int kMostPolls = 5 * 60 * 1000 / kPollPauseMs;

// The directory in its short form where the system has one (the name stays as made: "MPR1A2B.TMP"
// is already short), so the batch reads in any code page.
std::string ShortForm(Wizard& w, const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return w.pf.files.shortPathName(path.substr(0, slash + 1)) + path.substr(slash + 1);
}

std::int64_t CountLines(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    if (!in) return -1;
    std::int64_t lines = 0;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        if (*it == '\n') ++lines;
    }
    return lines;
}

// Polls until the marker exists, or the sort has ended without it or taken too long.
bool WaitForMarker(Wizard& w, Process& batch, StatusBlink& blink) {
    const std::string& marker = w.st.DoneFile;
    for (int polls = 0; FileExists(w, marker) == False; ++polls) {
        // The marker may have come between the two tests: look once more after the end.
        if (batch.hasEnded()) return FileExists(w, marker) != False;
        if (polls == kMostPolls) return false;
        blink.tick();
        w.pf.window.doEvents();
        w.pf.clock.sleep(kPollPauseMs);
    }
    return true;
}

}  // namespace

std::string BatchArgument(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    return quoted + "\"";
}

std::vector<std::string> SortBatchLines(const std::string& doneFile, const std::string& pixFile,
                                        const std::string& sortFile) {
    return {
        "del " + BatchArgument(doneFile),
        "sort " + BatchArgument(pixFile) + " > " + BatchArgument(sortFile),
        "type nul > " + BatchArgument(doneFile),
    };
}

SortOutcome RunSortBatch(Wizard& w, StatusBlink& blink) {
    State& st = w.st;
    Files& files = w.pf.files;
    // Short names are asked for while all three files exist.
    const std::vector<std::string> lines =
        SortBatchLines(ShortForm(w, st.DoneFile), ShortForm(w, st.PixFile), ShortForm(w, st.SortFile));
    if (!files.writeShellScript(st.BatFile, lines)) return SortOutcome::NoResult;

    // The marker is deleted first so the wait cannot see a stale one.
    files.deleteFile(st.DoneFile);
    if (FileExists(w, st.DoneFile) != False) return SortOutcome::NoResult;

    const std::unique_ptr<Process> batch = files.runSort({st.BatFile, st.PixFile, st.SortFile, st.DoneFile});
    if (!batch) return SortOutcome::ShellNotStarted;
    w.pf.clock.sleep(kStartPauseMs);
    blink.restart();

    if (!WaitForMarker(w, *batch, blink)) return SortOutcome::NoResult;
    return CountLines(st.SortFile) == st.PixCount ? SortOutcome::Sorted : SortOutcome::NoResult;
}

}  // namespace mipro
