// The practice board's windows: a frame titled "練習ボード - <kind>" holding one child window of a
// Java canvas class ("SunAwtCanvas" or "MSAWT_Comp_Class") that shows the whole board, colour
// controls and canvas, and turns the mouse and keyboard messages it receives into the board's
// input. The child keeps the keyboard focus while the frame is active; keys typed by SendInput
// (VK_PACKET) arrive as characters like any other.
#pragma once

#include <windows.h>

#include "board/board.h"
#include "board/options.h"

namespace mipro::board::win32 {

// Posted to the frame window by a test driver: write the canvas file and the report now.
constexpr UINT kSaveMessage = WM_APP + 1;
// The frame window's class, for drivers that look for the board.
constexpr const wchar_t* kFrameClass = L"PracticeBoardFrame";

class BoardWindow {
public:
    explicit BoardWindow(Options options);
    BoardWindow(const BoardWindow&) = delete;
    BoardWindow& operator=(const BoardWindow&) = delete;

    bool create(HINSTANCE instance);
    void show(int showCommand);
    // Writes the canvas file and the report, where the options ask for them.
    void save();
    void saveReport();

private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onBoardMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void onPointer(HWND window, UINT message, LPARAM lParam);
    void onKey(UINT message, WPARAM wParam);
    void paint(HWND window);
    Millis eventTime();

    Options options_;
    Board board_;
    // GetMessageTime wraps around every 49.7 days; the board's clock counts from the window's start.
    DWORD lastMessageTime_;
    Millis clock_ = 0;
    bool trackingLeave_ = false;
    wchar_t highSurrogate_ = 0;  // the first half of a character beyond the BMP
    HWND frame_ = nullptr;
    HWND board_window_ = nullptr;
};

}  // namespace mipro::board::win32
