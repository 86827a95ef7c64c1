// Whole draw runs into the simulated practice boards, with the control positions captured as the
// magnifier captures them: the canvas must end up holding the picture.
#include "board_run_fixture.h"

namespace mipro::testing {
namespace {

TEST_F(BoardRunTest, OekakiBbsReceivesThePictureExactly) {
    PutBoard(board::Kind::OekakiBBS);
    const Picture p = BandedPicture();
    Draw(p);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_EQ(board->colour(), board::kBlack);
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

TEST_F(BoardRunTest, PaintBbsReceivesThePictureToTheSliderRule) {
    PutBoard(board::Kind::PaintBBS);
    const Picture p = BandedPicture();
    Draw(p);
    EXPECT_EQ(Mismatches(p, true), 0);
    EXPECT_EQ(board->colour(), board::kBlack);
}

TEST_F(BoardRunTest, ManyColoursOnBothBoards) {
    for (board::Kind kind : {board::Kind::OekakiBBS, board::Kind::PaintBBS}) {
        board.reset();
        PutBoard(kind);
        const Picture p = RandomPicture(32, 32, 7);
        Draw(p);
        EXPECT_EQ(Mismatches(p, kind == board::Kind::PaintBBS), 0) << static_cast<int>(kind);
    }
}

TEST_F(BoardRunTest, ASecondRunStartsFromTheColourTheFirstLeft) {
    PutBoard(board::Kind::OekakiBBS);
    Draw(RandomPicture(8, 8, 1));
    const Picture second = RandomPicture(8, 8, 2);
    Draw(second);
    EXPECT_EQ(Mismatches(second, false), 0);
}

}  // namespace
}  // namespace mipro::testing
