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

// "%%" becomes '%'; "%NAME%" and a lone '%' expand to nothing (no variable is set).
std::string ExpandPercents(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            out += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            const std::size_t close = line.find('%', i + 1);
            if (close != std::string::npos) i = close;
        }
    }
    return out;
}

// The words of a command line; '&' outside quotation marks ends the first command.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c == '&') {
            break;
        } else if (!quoted && (c == ' ' || c == '>')) {
            if (inWord) words.push_back(word);
            if (c == '>') words.push_back(">");
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    for (const std::string& l : lines) out << l << "\r\n";
}

void RunCommand(const std::vector<std::string>& w, int sortDropsLines) {
    if (w.empty()) return;
    std::string command = w[0];
    std::transform(command.begin(), command.end(), command.begin(), ::tolower);
    std::error_code ec;
    if (command == "del" && w.size() == 2) {
        fs::remove(Utf8Path(w[1]), ec);
    } else if (command == "sort" && w.size() == 4 && w[2] == ">") {
        if (!fs::exists(Utf8Path(w[1]), ec)) return;
        std::vector<std::string> lines = ReadLines(w[1]);
        std::sort(lines.begin(), lines.end());
        lines.resize(lines.size() - std::min<std::size_t>(lines.size(), sortDropsLines));
        WriteLines(w[3], lines);
    } else if (command == "type" && w.size() == 4 && w[1] == "nul" && w[2] == ">") {
        WriteLines(w[3], {});
    }
}

class SimProcess : public Process {
public:
    SimProcess(std::string batchFile, SimShell shell) : batch_(std::move(batchFile)), shell_(shell) {}

    // The batch's commands take effect when the process ends.
    bool hasEnded() override {
        if (ended_) return true;
        if (polls_++ < shell_.pollsBeforeEnd) return false;
        if (shell_.runsCommands) RunBatchCommands(batch_, shell_.sortDropsLines);
        ended_ = true;
        return true;
    }

private:
    std::string batch_;
    SimShell shell_;
    int polls_ = 0;
    bool ended_ = false;
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

bool SimFiles::renameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (fs::exists(Utf8Path(to), ec)) return false;
    fs::rename(Utf8Path(from), Utf8Path(to), ec);
    return !ec;
}

bool SimFiles::deleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(Utf8Path(path), ec);
}

std::string SimFiles::shortPathName(const std::string& path) {
    const auto known = shortNames.find(path);
    return known == shortNames.end() ? path : known->second;
}

bool SimFiles::writeShellScript(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    return static_cast<bool>(out);
}

std::unique_ptr<Process> SimFiles::runSort(const SortJob& job) {
    if (!shell.starts) return nullptr;
    ++processesStarted;
    return std::make_unique<SimProcess>(job.batchFile, shell);
}

void RunBatchCommands(const std::string& batchFile, int sortDropsLines) {
    for (const std::string& line : ReadLines(batchFile)) RunCommand(Words(ExpandPercents(line)), sortDropsLines);
}

}  // namespace mipro::sim
