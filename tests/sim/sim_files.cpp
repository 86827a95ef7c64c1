#include "tests/sim/sim_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/utf8_path.h"

namespace mipro::sim {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    for (const std::string& l : lines) out << l << "\r\n";
}

// The lines of the pixel list in byte order, ended by CR LF as the system's sort writes them.
class SimSortRun : public SortRun {
public:
    SimSortRun(std::string pixFile, std::string sortFile, SimSorter sorter, int& runsStopped)
        : pix_(std::move(pixFile)), sort_(std::move(sortFile)), sorter_(sorter), runs_stopped_(runsStopped) {}
    ~SimSortRun() override {
        if (!ended_) stop();
    }
    SimSortRun(const SimSortRun&) = delete;
    SimSortRun& operator=(const SimSortRun&) = delete;

    bool hasEnded() override {
        if (ended_) return true;
        if (polls_++ < sorter_.pollsBeforeEnd) return false;
        ended_ = true;
        succeeded_ = sorter_.succeeds && Sort();
        return true;
    }
    bool succeeded() override { return succeeded_; }
    void stop() override {
        if (ended_) return;
        ended_ = true;
        ++runs_stopped_;
    }

private:
    bool Sort() {
        std::error_code ec;
        if (!fs::exists(Utf8Path(pix_), ec)) return false;
        std::vector<std::string> lines = ReadLines(pix_);
        std::sort(lines.begin(), lines.end());
        lines.resize(lines.size() - std::min<std::size_t>(lines.size(), sorter_.sortDropsLines));
        WriteLines(sort_, lines);
        return true;
    }

    std::string pix_, sort_;
    SimSorter sorter_;
    int& runs_stopped_;
    int polls_ = 0;
    bool ended_ = false;
    bool succeeded_ = false;
};

}  // namespace

SimFiles::SimFiles(std::string tempDir) : temp_dir_(std::move(tempDir)) {
    if (!temp_dir_.empty() && temp_dir_.back() != '/') temp_dir_ += '/';
}

std::string SimFiles::tempFileName(const std::string& dir, const std::string& prefix) {
    for (;;) {
        char name[16];
        std::snprintf(name, sizeof name, "%X", next_unique_++ & 0xFFFF);
        const std::string path = dir + prefix + name + ".TMP";
        std::error_code ec;
        if (fs::exists(Utf8Path(path), ec)) continue;
        std::ofstream created(Utf8Path(path), std::ios::binary);
        return created ? path : std::string();
    }
}

bool SimFiles::fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(Utf8Path(path), ec);
}

bool SimFiles::deleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(Utf8Path(path), ec);
}

std::unique_ptr<SortRun> SimFiles::startSort(const std::string& pixFile, const std::string& sortFile) {
    if (!sorter.starts) return nullptr;
    ++sortsStarted;
    return std::make_unique<SimSortRun>(pixFile, sortFile, sorter, runsStopped);
}

}  // namespace mipro::sim
