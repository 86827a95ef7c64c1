// The Windows edition's driver of a whole run, started by scripts/e2e (and scripts/screenshots):
// the scripted user (tests/e2e/scripted_user.h) on practice-board.exe and mipro.exe under Wine.
//
//   e2e_driver PICTURE CANVAS_BMP oekakiBBS|PaintBBS|ColourCode fast|normal|slow
//              [the options every driver knows, tests/e2e/run_options.h]
//              [--canvas WxH] [--busy N,K] [--busy-ms N] [--stabiliser N] [--drop-focus K]
//
// --canvas, --busy, --busy-ms, --stabiliser and --drop-focus go to practice-board.exe as they are
// (its canvas size, a busy board, a pen that ends drags short, a code field that misses the focus
// once); so does --opener, which the user also needs to know.
//
// With E2E_SHOT_DIR set, the user stops once the run has ended so that the board can be
// photographed from outside; with E2E_STEP_SHOT_DIR set, it stops at each step for the user
// guide's pictures, and a hand moves the mouse during the run (see tests/e2e/step_shots.h).
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/require.h"
#include "tests/e2e/scripted_user.h"
#include "wine_desktop.h"

namespace {

std::filesystem::path FolderFromEnvironment(const wchar_t* name) {
    wchar_t dir[MAX_PATH] = {};
    if (GetEnvironmentVariableW(name, dir, MAX_PATH) == 0) return {};
    return dir;
}

// The file dialog takes a whole path: a relative one is made whole here.
std::string WholePath(const std::filesystem::path& path) {
    const std::u8string u8 = std::filesystem::absolute(path).u8string();
    return std::string(u8.begin(), u8.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace mipro::testing;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::u8string u8 = std::filesystem::path(argv[i]).u8string();
        args.emplace_back(u8.begin(), u8.end());
    }
    return ExitStatusOf([&args] {
        std::wstring boardArgs;
        auto toBoard = [&boardArgs](const wchar_t* name) {
            return [&boardArgs, name](const std::string& v) {
                boardArgs += std::wstring(L" ") + name + L" " + PathFromUtf8(v).wstring();
            };
        };
        const std::vector<OptionRow> boardOptions = {{"--canvas", true, toBoard(L"--canvas")},
                                                     {"--busy", true, toBoard(L"--busy")},
                                                     {"--busy-ms", true, toBoard(L"--busy-ms")},
                                                     {"--stabiliser", true, toBoard(L"--stabiliser")},
                                                     {"--drop-focus", true, toBoard(L"--drop-focus")}};
        RunOptions options = ParseRunOptions(args, boardOptions);
        toBoard(L"--opener")(OpenerName(options.opener));
        options.picture = WholePath(PathFromUtf8(options.picture));
        options.canvasFile = WholePath(PathFromUtf8(options.canvasFile));
        options.endShotDir = FolderFromEnvironment(L"E2E_SHOT_DIR");
        options.stepShotDir = FolderFromEnvironment(L"E2E_STEP_SHOT_DIR");
        // The guide's pictures show the question a hand on the mouse causes.
        if (!options.stepShotDir.empty() && options.handAtPercent < 0) options.handAtPercent = 0;
        WineDesktop desktop(options, boardArgs);
        ScriptedUser(desktop, options).run();
    });
}
