#include "platform/sim/sim_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace mipro::sim {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// One argument of a batch line: quoted or up to the next blank, with %% read as %.
std::string TakeArgument(std::istringstream& in) {
    in >> std::ws;
    std::string arg;
    if (in.peek() == '"') {
        in.get();
        std::getline(in, arg, '"');
    } else {
        in >> arg;
    }
    std::string plain;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        plain += arg[i];
        if (arg[i] == '%' && i + 1 < arg.size() && arg[i + 1] == '%') ++i;
    }
    return plain;
}

}  // namespace

SimFiles::SimFiles(std::string tempDir) : temp_dir_(std::move(tempDir)) {
    if (!temp_dir_.empty() && temp_dir_.back() != '/') temp_dir_ += '/';
    shell = RunBatchCommands;
}

std::string SimFiles::tempFileName(const std::string& dir, const std::string& prefix) {
    for (;;) {
        char name[16];
        std::snprintf(name, sizeof name, "%X", next_unique_++ & 0xFFFF);
        const std::string path = dir + prefix + name + ".TMP";
        if (fs::exists(path)) continue;
        std::ofstream created(path, std::ios::binary);
        return created ? path : std::string();
    }
}

bool SimFiles::fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

bool SimFiles::renameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (fs::exists(to, ec)) return false;
    fs::rename(from, to, ec);
    return !ec;
}

bool SimFiles::deleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

bool SimFiles::writeShellScript(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
    return static_cast<bool>(out);
}

std::unique_ptr<Process> SimFiles::runHidden(const std::string& batchFile) {
    ++processesStarted;
    if (!shell(batchFile)) return nullptr;
    return std::make_unique<SimProcess>(true);
}

bool RunBatchCommands(const std::string& batchFile) {
    if (!fs::exists(batchFile)) return false;
    for (const std::string& line : ReadLines(batchFile)) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        std::transform(command.begin(), command.end(), command.begin(), ::tolower);
        if (command == "del") {
            std::error_code ec;
            fs::remove(TakeArgument(in), ec);
        } else if (command == "sort") {
            const std::string source = TakeArgument(in);
            TakeArgument(in);  // ">"
            const std::string target = TakeArgument(in);
            std::vector<std::string> lines = ReadLines(source);
            std::sort(lines.begin(), lines.end());
            std::ofstream out(target, std::ios::binary | std::ios::trunc);
            for (const std::string& l : lines) out << l << "\r\n";
        } else if (command == "type") {
            TakeArgument(in);  // "nul"
            TakeArgument(in);  // ">"
            std::ofstream created(TakeArgument(in), std::ios::binary | std::ios::trunc);
        }
    }
    return true;
}

}  // namespace mipro::sim
