// The practice board's C++ model as a reference for other editions of the board:
//
//   board_reference EVENTS OUT.bmp [--board oekakiBBS|PaintBBS] [--canvas WxH] [--busy N,K]
//
// builds a board as practice-board.exe does for those options, applies the left-button events of the file EVENTS
// (one a line: "down X Y", "move X Y" or "up X Y", in board pixels), saves the board's picture as
// OUT.bmp and prints the board's report with the board at (0, 0), then a line "title" and the
// window title.
#include <cstdio>
#include <fstream>
#include <iostream>
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

// False at the first line that is not an event.
bool ApplyEvents(Board& board, std::istream& events) {
    std::string kind;
    Point p;
    while (events >> kind >> p.x >> p.y) {
        if (kind == "down") board.buttonDown(p);
        else if (kind == "move") board.move(p);
        else if (kind == "up") board.buttonUp(p);
        else return false;
    }
    return events.eof();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: board_reference EVENTS OUT.bmp [--board oekakiBBS|PaintBBS] [--canvas WxH] [--busy N,K]\n");
        return kUsageError;
    }
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 3, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "board_reference: %s\n", parsed.error.c_str());
        return kUsageError;
    }
    Board board(parsed.options.kind, parsed.options.canvas, parsed.options.busy);
    std::ifstream events(argv[1]);
    if (!events || !ApplyEvents(board, events)) {
        std::fprintf(stderr, "board_reference: cannot read the events in %s\n", argv[1]);
        return kFailure;
    }
    if (!SaveBmp24(argv[2], DrawBoard(board))) {
        std::fprintf(stderr, "board_reference: cannot write %s\n", argv[2]);
        return kFailure;
    }
    std::cout << ReportText(board, {0, 0}) << "title " << BoardTitle(parsed.options.kind) << '\n';
    return 0;
}
