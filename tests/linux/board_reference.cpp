// The practice board's C++ model as a reference for other editions of the board:
//
//   board_reference EVENTS OUT.bmp [the board options of practice-board.exe: --board, --canvas, ...]
//
// builds a board as practice-board.exe does for those options, applies the input events of the
// file EVENTS, saves the board's picture as OUT.bmp and prints the board's report with the board
// at (0, 0), then a line "title" and the window title. The events, one a line:
//
//   down X Y [T]     the left button goes down at X Y (board pixels), at T ms (else the time before)
//   move X Y [T]     the pointer moves there
//   up X Y [T]       the left button goes up there
//   leave            the pointer leaves the board
//   keydown NAME     a named key goes down: Enter, Backspace, Delete, Shift or Control
//   keyup NAME       and up
//   type C           a key types the character of code point C (decimal)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "board/bmp_file.h"
#include "board/board.h"
#include "board/board_picture.h"
#include "board/options.h"
#include "board/report.h"

namespace {

using namespace mipro::board;

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

std::optional<Key> KeyNamed(const std::string& name) {
    const std::pair<const char*, Key> names[] = {{"Enter", Key::Enter},
                                                 {"Backspace", Key::Backspace},
                                                 {"Delete", Key::Delete},
                                                 {"Shift", Key::Shift},
                                                 {"Control", Key::Control}};
    for (const auto& [text, key] : names)
        if (name == text) return key;
    return std::nullopt;
}

bool ApplyPointerEvent(Board& board, const std::string& kind, std::istringstream& words) {
    Point p;
    if (!(words >> p.x >> p.y)) return false;
    std::optional<Millis> time;
    if (Millis t = 0; words >> t) time = t;
    if (kind == "down") board.buttonDown(p, time);
    else if (kind == "move") board.move(p, time);
    else board.buttonUp(p, time);
    return true;
}

bool ApplyEvent(Board& board, const std::string& line) {
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind)) return true;
    if (kind == "down" || kind == "move" || kind == "up") return ApplyPointerEvent(board, kind, words);
    if (kind == "leave") {
        board.leave();
        return true;
    }
    if (kind == "type") {
        long code = 0;
        if (!(words >> code) || code < 0) return false;
        board.typed(static_cast<char32_t>(code));
        return true;
    }
    std::string name;
    words >> name;
    const std::optional<Key> key = KeyNamed(name);
    if (!key || (kind != "keydown" && kind != "keyup")) return false;
    if (kind == "keydown") board.keyDown(*key);
    else board.keyUp(*key);
    return true;
}

// False at the first line that is not an event.
bool ApplyEvents(Board& board, std::istream& events) {
    std::string line;
    while (std::getline(events, line))
        if (!ApplyEvent(board, line)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: board_reference EVENTS OUT.bmp [--board KIND] [--canvas WxH] [--busy N,K] ...\n");
        return kUsageError;
    }
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 3, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "board_reference: %s\n", parsed.error.c_str());
        return kUsageError;
    }
    Board board(parsed.options.board);
    std::ifstream events(argv[1]);
    if (!events || !ApplyEvents(board, events)) {
        std::fprintf(stderr, "board_reference: cannot read the events in %s\n", argv[1]);
        return kFailure;
    }
    if (!SaveBmp24(argv[2], DrawBoard(board))) {
        std::fprintf(stderr, "board_reference: cannot write %s\n", argv[2]);
        return kFailure;
    }
    std::cout << ReportText(board, {0, 0}) << "title " << BoardTitle(parsed.options.board.kind) << '\n';
    return 0;
}
