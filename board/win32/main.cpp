// practice-board.exe: a stand-in for the drawing boards, oekakiBBS, PaintBBS and a board taking the
// colour as a code (see options.h for the command line and report.h for the report it writes).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "board/options.h"
#include "board/win32/board_window.h"

namespace {

std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) {
        const std::u8string utf8 = std::filesystem::path(argv[i]).u8string();
        args.emplace_back(utf8.begin(), utf8.end());
    }
    LocalFree(argv);
    return args;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Physical pixels, so the reported positions are those the pointer uses.
    SetProcessDPIAware();
    const mipro::board::ParsedOptions parsed = mipro::board::ParseOptions(Utf8Arguments());
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "practice-board: %s\n", parsed.error.c_str());
        return 2;
    }
    mipro::board::win32::BoardWindow board(parsed.options);
    if (!board.create(instance)) {
        std::fprintf(stderr, "practice-board: the window could not be created\n");
        return 1;
    }
    board.show(showCommand);
    board.saveReport();
    return RunMessageLoop();
}
