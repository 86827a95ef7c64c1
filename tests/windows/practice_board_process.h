// A running practice-board.exe for tests: started with a report file and a canvas file of its own
// in the temporary folder, asked to write them on demand, and closed at the end.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "base/types.h"
#include "board/bmp_file.h"
#include "board/report.h"
#include "board/whole_file.h"
#include "board/win32/board_window.h"
#include "child_process.h"

namespace mipro::testing {

// The screen point a report gives under `name`; (-1, -1) when it has none.
inline ScreenPoint PointOf(const board::Report& r, const std::string& name) {
    const std::vector<long> n = r.find(name);
    if (n.size() < 2) return {-1, -1};
    return {static_cast<std::int32_t>(n[0]), static_cast<std::int32_t>(n[1])};
}

class PracticeBoardProcess {
public:
    // args: the command line after the program name, without --report and --save-canvas.
    PracticeBoardProcess(const std::wstring& args, const std::wstring& name)
        : report_(TempFile(name, L".txt")), canvas_(TempFile(name, L".bmp")) {
        Clear({report_, canvas_});
        process_.emplace(L"\"" + WindowsPathOf(PRACTICE_BOARD_EXE) + L"\" " + args + L" --report \"" +
                         report_.wstring() + L"\" --save-canvas \"" + canvas_.wstring() + L"\"");
    }

    // The board writes its files as it closes, so they are cleared once it has gone.
    ~PracticeBoardProcess() {
        process_.reset();
        Clear({report_, canvas_});
    }
    PracticeBoardProcess(const PracticeBoardProcess&) = delete;
    PracticeBoardProcess& operator=(const PracticeBoardProcess&) = delete;

    // The first report, written once the window is on the screen.
    std::optional<board::Report> waitUntilShown() {
        if (!process_->started()) return std::nullopt;
        const auto report = waitForFile(report_);
        if (report) process_->mainWindow = process_->findWindow(board::win32::kFrameClass);
        return report ? std::optional(board::ParseReport(*report)) : std::nullopt;
    }

    // Asks for a fresh report and canvas file; both are deleted first so a stale one cannot answer.
    std::optional<board::Report> requestSave() {
        Clear({report_, canvas_});
        PostMessageW(process_->mainWindow, board::win32::kSaveMessage, 0, 0);
        const auto report = waitForFile(report_);
        return report ? std::optional(board::ParseReport(*report)) : std::nullopt;
    }

    std::optional<board::Raster> canvas() const { return board::LoadBmp24(canvas_); }
    const std::filesystem::path& canvasPath() const { return canvas_; }
    HWND frame() const { return process_->mainWindow; }
    bool started() const { return process_->started(); }
    DWORD startError() const { return process_->startError(); }
    bool waitForEnd(DWORD milliseconds) const { return process_->waitForEnd(milliseconds); }

private:
    static std::filesystem::path TempFile(const std::wstring& name, const std::wstring& extension) {
        return std::filesystem::temp_directory_path() /
               (L"practice-board-" + name + L"-" + std::to_wstring(GetCurrentProcessId()) + extension);
    }

    static void Clear(std::initializer_list<std::filesystem::path> paths) {
        std::error_code ignored;
        for (const auto& p : paths) std::filesystem::remove(p, ignored);
    }

    static std::optional<std::string> waitForFile(const std::filesystem::path& path) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            if (auto text = board::ReadWholeFile(path)) return text;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    std::filesystem::path report_;
    std::filesystem::path canvas_;
    std::optional<ChildProcess> process_;
};

}  // namespace mipro::testing
