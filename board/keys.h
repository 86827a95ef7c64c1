// The keyboard as a board sees it. A window system reports a key in two ways, and so does the
// board's key input: the named keys below go down and up (Board::keyDown, Board::keyUp), and a
// key that types a character arrives as that character (Board::typed), as injected Unicode input
// arrives too. The board keeps its own record of Shift and Control from their downs and ups.
#pragma once

namespace mipro::board {

enum class Key { Enter, Backspace, Delete, Shift, Control };

// The keys the board received: characters typed into a field, Enter pressed in a field, keys
// other than Shift and Control that reached the board with no field focused and, of those,
// Backspace and Delete.
struct KeyRecord {
    long fieldCharacters = 0;
    long fieldEnters = 0;
    long boardKeys = 0;
    long boardErases = 0;
};

}  // namespace mipro::board
