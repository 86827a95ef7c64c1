// The Windows edition's desktop for the scripted user: practice-board.exe and mipro.exe under
// Wine, their windows found by class, the controls pressed with BM_CLICK, the pointer set with
// SetCursorPos and Enter sent with SendInput.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "board/report.h"
#include "mipro_process.h"
#include "practice_board_process.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/run_options.h"

namespace mipro::testing {

class WineDesktop : public Desktop {
public:
    // boardArgs: practice-board.exe's options beyond its kind and place (--canvas, --busy).
    WineDesktop(const RunOptions& options, std::wstring boardArgs);

    BoardOnScreen showBoard() override;
    bool saveCanvas(const std::string& bmpPath) override;
    void describeBoard() override;
    std::vector<std::string> boardRecord() override;

    void startMipro() override;
    bool mainWindowShown() override;
    void endMipro() override;
    // The end of a session is proven by the Linux edition's runs only.
    long long endSession(const std::string& how) override;
    std::optional<ScreenRect> mainWindowRect() override;
    void moveMainWindow(ScreenPoint topLeft) override;
    std::string caption() override;
    std::optional<bool> keptAbove() override;
    void showMainActive() override;

    bool available(ControlRef c) override;
    void press(ControlRef c) override;
    std::string text(ControlRef c) override;

    bool fileDialogOpen() override;
    void typePathAndConfirm(const std::string& utf8Path) override;

    std::optional<ScreenRect> magnifierRect() override;
    int twipsPerPixel() override;

    std::optional<MessageBoxSeen> messageBox() override;
    void answer(const MessageBoxSeen& box, bool yes) override;
    void showActive(const MessageBoxSeen& box) override;
    // Under Wine a pointer read can still find the previous pixel's position.
    bool asksWithoutAHand() const override { return true; }

    ScreenRect screen() override;
    ScreenPoint pointer() override;
    void moveTo(ScreenPoint p) override;
    void clickAt(ScreenPoint p) override;
    std::int32_t pixelAt(ScreenPoint p) override;
    void pressEnter() override;

private:
    std::vector<ScreenPoint> PageFiveSquares(const board::Report& shown) const;
    HWND control(ControlRef c);
    HWND dialog();

    const RunOptions& options_;
    std::wstring boardArgs_;
    std::optional<PracticeBoardProcess> board_;
    std::optional<MiproProcess> mipro_;
    HWND main_ = nullptr;
};

}  // namespace mipro::testing
