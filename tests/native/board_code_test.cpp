// The ColourCode board: its code field, the ways it is opened, the keys with and without a field
// focused, and a focus the busy page misses.
#include <gtest/gtest.h>

#include <string>

#include "board/board.h"
#include "board/code_field.h"

namespace mipro::board {
namespace {

constexpr Size kCanvas{200, 150};


Board CodeBoard(CodeOpener opener = CodeOpener::None, int dropFocus = 0) {
    BoardSetup setup;
    setup.kind = Kind::ColourCode;
    setup.canvas = kCanvas;
    setup.opener = opener;
    setup.dropFocus = dropFocus;
    return Board(setup);
}

void Click(Board& b, Point p) {
    b.buttonDown(p);
    b.buttonUp(p);
}

void Type(Board& b, const std::string& text) {
    for (char c : text) b.typed(static_cast<unsigned char>(c));
}

void Press(Board& b, Key k) {
    b.keyDown(k);
    b.keyUp(k);
}

void SelectAll(Board& b) {
    b.keyDown(Key::Control);
    b.typed(U'a');
    b.keyUp(Key::Control);
}

Point OnCanvas(const Board& b, int x, int y) { return b.layout().canvasOrigin() + Point{x, y}; }
Point FieldPoint(const Board& b) { return Centre(b.layout().codeField()); }
Point OpenerPoint(const Board& b) { return Centre(b.layout().codeOpener()); }
Point BareBoard(const Board& b) { return {b.layout().canvasRect().left - 5, b.layout().canvasRect().top}; }

const CodeField& Field(const Board& b) { return b.codePanel().field(); }

std::vector<long> KeysOf(const Board& b) {
    return {b.keys().fieldCharacters, b.keys().fieldEnters, b.keys().boardKeys, b.keys().boardErases};
}

int CountNotWhite(const Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.at(x, y) != kWhite;
    return n;
}

// ---- the codes ----

TEST(ColourCodes, ValidCodesAreSixHexDigitsWithOrWithoutTheMark) {
    struct Case { const char* text; std::optional<Colour> colour; };
    const Case cases[] = {
        {"#12ab34", Rgb(0x12, 0xab, 0x34)}, {"#12AB34", Rgb(0x12, 0xab, 0x34)}, {"12aB34", Rgb(0x12, 0xab, 0x34)},
        {"#000000", kBlack},                {"FFFFFF", kWhite},                 {"#fF00fF", Rgb(255, 0, 255)},
        {"#12ab3", std::nullopt},           {"#12ab345", std::nullopt},         {"12ab3g", std::nullopt},
        {"", std::nullopt},                 {"#", std::nullopt},                {"##12ab3", std::nullopt},
        {" 12ab34", std::nullopt},          {"#12ab3 ", std::nullopt},          {"0x12ab", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ColourOfCode(c.text), c.colour) << c.text;
}

TEST(ColourCodes, ACodeWrittenReadsBackAsTheSameColour) {
    for (Colour c : {kBlack, kWhite, Rgb(1, 2, 255), Rgb(0xa0, 0x0b, 0xc9)}) {
        const std::string code = CodeOf(c);
        EXPECT_EQ(code.size(), 7u);
        EXPECT_EQ(code[0], '#');
        EXPECT_EQ(ColourOfCode(code), c) << code;
    }
    EXPECT_EQ(CodeOf(Rgb(1, 2, 255)), "#0102ff");
}

// ---- the field ----

TEST(CodeField, EditingReplacesTheSelectionAppendsAtTheCaretAndKeepsSevenCharacters) {
    enum class Start { Selected, AtEnd, Unfocused };
    enum class Edit { Type, Backspace, Delete, SelectAll };
    struct Case { const char* what; const char* text; Start start; Edit edit; char32_t c; const char* after; bool changed; bool selected; };
    const Case cases[] = {
        {"typed over the selection", "#000000", Start::Selected, Edit::Type, U'1', "1", true, false},
        {"appended", "#0000", Start::AtEnd, Edit::Type, U'a', "#0000a", true, false},
        {"not past seven", "#000000", Start::AtEnd, Edit::Type, U'1', "#000000", false, false},
        {"space is printable", "#00", Start::AtEnd, Edit::Type, U' ', "#00 ", true, false},
        {"no control character", "#00", Start::AtEnd, Edit::Type, U'\r', "#00", false, false},
        {"no character beyond ASCII", "#00", Start::AtEnd, Edit::Type, U'\u00e9', "#00", false, false},
        {"not taken keeps the selection", "#00", Start::Selected, Edit::Type, U'\b', "#00", false, true},
        {"backspace takes the selection", "#000000", Start::Selected, Edit::Backspace, 0, "", true, false},
        {"backspace takes the last", "#0000", Start::AtEnd, Edit::Backspace, 0, "#000", true, false},
        {"backspace on nothing", "", Start::AtEnd, Edit::Backspace, 0, "", false, false},
        {"delete takes the selection", "#000000", Start::Selected, Edit::Delete, 0, "", true, false},
        {"nothing after the caret", "#0000", Start::AtEnd, Edit::Delete, 0, "#0000", false, false},
        {"select all when focused", "#0000", Start::AtEnd, Edit::SelectAll, 0, "#0000", false, true},
        {"no selection without the focus", "#0000", Start::Unfocused, Edit::SelectAll, 0, "#0000", false, false},
    };
    for (const Case& c : cases) {
        CodeField field;
        field.openWith(c.text);
        if (c.start == Start::AtEnd) field.focusAtEnd();
        if (c.start == Start::Unfocused) field.blur();
        bool changed = false;
        switch (c.edit) {
            case Edit::Type: changed = field.type(c.c); break;
            case Edit::Backspace: changed = field.backspace(); break;
            case Edit::Delete: changed = field.deleteForward(); break;
            case Edit::SelectAll: field.selectAll(); break;
        }
        EXPECT_EQ(field.text(), c.after) << c.what;
        EXPECT_EQ(changed, c.changed) << c.what;
        EXPECT_EQ(field.selected(), c.selected) << c.what;
    }
}

TEST(CodeBoard, PressOnTheFieldFocusesItAtTheEndAndAPressElsewhereTakesTheFocus) {
    Board b = CodeBoard();
    EXPECT_TRUE(b.codePanel().fieldShown());
    EXPECT_EQ(Field(b).text(), "#000000");
    EXPECT_FALSE(Field(b).focused());
    const Point elsewhere[] = {BareBoard(b), OnCanvas(b, 3, 3), Centre(b.layout().toolButton(Tool::Pen)),
                               Centre(b.layout().colourSwatch())};
    for (Point p : elsewhere) {
        Click(b, FieldPoint(b));
        EXPECT_TRUE(Field(b).focused());
        EXPECT_FALSE(Field(b).selected());
        Click(b, p);
        EXPECT_FALSE(Field(b).focused()) << p.x << "," << p.y;
    }
    EXPECT_EQ(b.presses().count(PressPlace::ColourControl), 4);
}

TEST(CodeBoard, SelectAllTypeAndEnterSetsTheColour) {
    Board b = CodeBoard();
    Click(b, FieldPoint(b));
    SelectAll(b);
    Type(b, "#12aB34");
    EXPECT_EQ(b.colour(), kBlack) << "the field applies on Enter";
    Press(b, Key::Enter);
    EXPECT_EQ(b.colour(), Rgb(0x12, 0xab, 0x34));
    EXPECT_EQ(b.codesApplied(), 1);
    EXPECT_EQ(KeysOf(b), (std::vector<long>{7, 1, 0, 0}));
    EXPECT_TRUE(Field(b).focused()) << "Enter keeps the focus";
    Click(b, OnCanvas(b, 5, 5));
    EXPECT_EQ(b.canvas().at(5, 5), Rgb(0x12, 0xab, 0x34));
}

TEST(CodeBoard, TypingWithoutSelectingFirstLeavesTheOldCode) {
    Board b = CodeBoard();
    Click(b, FieldPoint(b));
    Type(b, "#ff0000");  // the field is full already: nothing is taken
    Press(b, Key::Enter);
    EXPECT_EQ(Field(b).text(), "#000000");
    EXPECT_EQ(b.colour(), kBlack);
    EXPECT_EQ(b.codesApplied(), 1) << "the old code applied again";
    for (int i = 0; i < 7; ++i) Press(b, Key::Backspace);
    Type(b, "FF0000");
    Press(b, Key::Enter);
    EXPECT_EQ(b.colour(), Rgb(255, 0, 0));
    EXPECT_EQ(KeysOf(b), (std::vector<long>{13, 2, 0, 0})) << "Backspace in the field is no board key";
}

TEST(CodeBoard, AnInvalidCodeIsLeftAsItIsOnEnter) {
    Board b = CodeBoard();
    Click(b, FieldPoint(b));
    SelectAll(b);
    Type(b, "#12x");
    Press(b, Key::Enter);
    EXPECT_EQ(Field(b).text(), "#12x");
    EXPECT_EQ(b.colour(), kBlack);
    EXPECT_EQ(b.codesApplied(), 0);
    EXPECT_TRUE(Field(b).focused());
}

TEST(CodeBoard, ThePaletteWritesItsColourIntoTheField) {
    Board b = CodeBoard();
    Click(b, FieldPoint(b));
    Click(b, Centre(b.layout().swatch(3)));
    EXPECT_EQ(b.colour(), Rgb(255, 0, 0));
    EXPECT_EQ(Field(b).text(), "#ff0000");
    EXPECT_FALSE(Field(b).focused());
}

// ---- keys with and without a focused field ----

TEST(BoardKeys, LettersChooseToolsAndBackspaceOrDeleteClearTheCanvasOnlyWithoutFocus) {
    enum class Focus { None, Field };
    struct Case { const char* what; Focus focus; Kind kind; std::optional<Key> key; char32_t c; Tool tool; bool cleared; std::vector<long> keys; };
    const Case cases[] = {
        {"b: brush", Focus::None, Kind::ColourCode, {}, U'b', Tool::Brush, false, {0, 0, 1, 0}},
        {"E: eraser", Focus::None, Kind::ColourCode, {}, U'E', Tool::Eraser, false, {0, 0, 1, 0}},
        {"x: nothing", Focus::None, Kind::ColourCode, {}, U'x', Tool::Pen, false, {0, 0, 1, 0}},
        {"Backspace clears", Focus::None, Kind::ColourCode, Key::Backspace, 0, Tool::Pen, true, {0, 0, 1, 1}},
        {"Delete clears", Focus::None, Kind::ColourCode, Key::Delete, 0, Tool::Pen, true, {0, 0, 1, 1}},
        {"Enter does nothing", Focus::None, Kind::ColourCode, Key::Enter, 0, Tool::Pen, false, {0, 0, 1, 0}},
        {"Shift is no board key", Focus::None, Kind::ColourCode, Key::Shift, 0, Tool::Pen, false, {0, 0, 0, 0}},
        {"Control is no board key", Focus::None, Kind::ColourCode, Key::Control, 0, Tool::Pen, false, {0, 0, 0, 0}},
        {"PaintBBS: Delete clears", Focus::None, Kind::PaintBBS, Key::Delete, 0, Tool::Pen, true, {0, 0, 1, 1}},
        {"oekakiBBS: e erases", Focus::None, Kind::OekakiBBS, {}, U'e', Tool::Eraser, false, {0, 0, 1, 0}},
        {"b into the field", Focus::Field, Kind::ColourCode, {}, U'b', Tool::Pen, false, {1, 0, 0, 0}},
        {"e into the field", Focus::Field, Kind::ColourCode, {}, U'e', Tool::Pen, false, {1, 0, 0, 0}},
        {"Backspace edits the field", Focus::Field, Kind::ColourCode, Key::Backspace, 0, Tool::Pen, false, {0, 0, 0, 0}},
        {"Delete edits the field", Focus::Field, Kind::ColourCode, Key::Delete, 0, Tool::Pen, false, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        BoardSetup setup;
        setup.kind = c.kind;
        setup.canvas = kCanvas;
        Board b(setup);
        Click(b, OnCanvas(b, 4, 4));
        if (c.focus == Focus::Field) Click(b, FieldPoint(b));
        if (c.key) Press(b, *c.key);
        else b.typed(c.c);
        EXPECT_EQ(b.tool(), c.tool) << c.what;
        EXPECT_EQ(CountNotWhite(b.canvas()), c.cleared ? 0 : 1) << c.what;
        EXPECT_EQ(KeysOf(b), c.keys) << c.what;
    }
}

TEST(BoardKeys, ControlWithALetterIsAShortcutNotATool) {
    Board b = CodeBoard();
    b.keyDown(Key::Control);
    b.typed(U'b');
    b.typed(U'a');
    b.keyUp(Key::Control);
    EXPECT_EQ(b.tool(), Tool::Pen);
    EXPECT_EQ(KeysOf(b), (std::vector<long>{0, 0, 2, 0}));
    b.typed(U'b');
    EXPECT_EQ(b.tool(), Tool::Brush) << "Control was released";
}

TEST(BoardKeys, ControlAInTheFieldSelectsAndOtherShortcutsTypeNothing) {
    Board b = CodeBoard();
    Click(b, FieldPoint(b));
    b.keyDown(Key::Control);
    b.typed(U'x');
    EXPECT_FALSE(Field(b).selected());
    b.typed(U'A');
    EXPECT_TRUE(Field(b).selected());
    b.keyUp(Key::Control);
    EXPECT_EQ(Field(b).text(), "#000000");
    EXPECT_EQ(KeysOf(b), (std::vector<long>{0, 0, 0, 0}));
}

// ---- the openers ----

TEST(ButtonOpener, TheHashButtonShowsTheFieldFocusedWithTheCodeSelected) {
    Board b = CodeBoard(CodeOpener::Button);
    EXPECT_FALSE(b.codePanel().fieldShown());
    Click(b, FieldPoint(b));
    EXPECT_FALSE(Field(b).focused()) << "a hidden field takes no press";
    EXPECT_EQ(b.presses().count(PressPlace::BareBoard), 1);
    Click(b, Centre(b.layout().swatch(5)));
    Click(b, OpenerPoint(b));
    EXPECT_TRUE(b.codePanel().fieldShown());
    EXPECT_TRUE(Field(b).focused());
    EXPECT_TRUE(Field(b).selected());
    EXPECT_EQ(Field(b).text(), "#00ff00");
    Type(b, "#0000ff");
    Press(b, Key::Enter);
    EXPECT_EQ(b.colour(), Rgb(0, 0, 255));
    EXPECT_FALSE(b.codePanel().fieldShown()) << "Enter with a valid code closes it";
    EXPECT_FALSE(Field(b).focused());
}

TEST(ButtonOpener, AnInvalidCodeKeepsItOpenAndTheButtonOpensItAnew) {
    Board b = CodeBoard(CodeOpener::Button);
    Click(b, OpenerPoint(b));
    Type(b, "#0000f");
    Press(b, Key::Enter);
    EXPECT_TRUE(b.codePanel().fieldShown());
    EXPECT_EQ(Field(b).text(), "#0000f");
    Click(b, BareBoard(b));
    EXPECT_TRUE(b.codePanel().fieldShown()) << "a press elsewhere takes the focus only";
    EXPECT_FALSE(Field(b).focused());
    Click(b, FieldPoint(b));
    EXPECT_TRUE(Field(b).focused());
    EXPECT_FALSE(Field(b).selected());
    Click(b, OpenerPoint(b));
    EXPECT_EQ(Field(b).text(), "#000000");
    EXPECT_TRUE(Field(b).selected());
}

class WindowOpener : public ::testing::Test {
protected:
    void SetUp() override { Click(b, OpenerPoint(b)); }
    Board b = CodeBoard(CodeOpener::Window);
};

TEST_F(WindowOpener, TheWindowLiesOverTheCanvasCornerWithTheFieldFocusedAndSelected) {
    const Rect window = b.layout().codeWindow();
    EXPECT_TRUE(window.contains(OnCanvas(b, 0, 0)));
    EXPECT_TRUE(window.contains(OnCanvas(b, 59, 39)));
    EXPECT_TRUE(window.contains(FieldPoint(b)));
    EXPECT_TRUE(window.contains(Centre(b.layout().codeClose())));
    EXPECT_TRUE(b.codePanel().windowOpen());
    EXPECT_TRUE(Field(b).focused());
    EXPECT_TRUE(Field(b).selected());
    EXPECT_EQ(Field(b).text(), "#000000");
}

TEST_F(WindowOpener, TheCodeAppliesAsItIsTypedAndOnEnterWithoutClosing) {
    Type(b, "#12ab3");
    EXPECT_EQ(b.codesApplied(), 0);
    Type(b, "4");
    EXPECT_EQ(b.colour(), Rgb(0x12, 0xab, 0x34));
    EXPECT_EQ(b.codesApplied(), 1);
    Press(b, Key::Backspace);
    Type(b, "5");
    EXPECT_EQ(b.colour(), Rgb(0x12, 0xab, 0x35));
    Press(b, Key::Enter);
    EXPECT_EQ(b.codesApplied(), 3);
    EXPECT_TRUE(b.codePanel().windowOpen());
    EXPECT_TRUE(Field(b).focused());
}

TEST_F(WindowOpener, PressesOnTheWindowNeverReachTheCanvasAndKeepTheFocus) {
    const Point corner = OnCanvas(b, 2, 40);  // inside the window, on neither field nor close button
    b.buttonDown(corner);
    b.move(OnCanvas(b, 50, 45));
    b.buttonUp(OnCanvas(b, 50, 45));
    Click(b, OnCanvas(b, 0, 0));
    EXPECT_EQ(CountNotWhite(b.canvas()), 0);
    EXPECT_TRUE(Field(b).focused());
    EXPECT_EQ(b.presses().count(PressPlace::CodeWindow), 2);
    EXPECT_EQ(b.presses().count(PressPlace::Canvas), 0);
    EXPECT_EQ(b.presses().strays(), 0);
}

TEST_F(WindowOpener, APressElsewhereTakesTheFocusButLeavesTheWindowOpen) {
    Click(b, OnCanvas(b, 150, 100));
    EXPECT_EQ(b.canvas().at(150, 100), kBlack);
    EXPECT_TRUE(b.codePanel().windowOpen());
    EXPECT_FALSE(Field(b).focused());
    b.typed(U'e');
    EXPECT_EQ(b.tool(), Tool::Eraser) << "the key reached the board";
    Click(b, FieldPoint(b));
    EXPECT_TRUE(Field(b).focused());
    EXPECT_FALSE(Field(b).selected());
}

TEST_F(WindowOpener, ItClosesWithItsCloseButtonOrTheHashButtonAgain) {
    Click(b, Centre(b.layout().codeClose()));
    EXPECT_FALSE(b.codePanel().windowOpen());
    EXPECT_FALSE(Field(b).focused());
    Click(b, OnCanvas(b, 1, 1));
    EXPECT_EQ(b.canvas().at(1, 1), kBlack) << "the canvas is free again";
    Click(b, OpenerPoint(b));
    EXPECT_TRUE(b.codePanel().windowOpen());
    Click(b, OpenerPoint(b));
    EXPECT_FALSE(b.codePanel().windowOpen());
    EXPECT_EQ(b.presses().count(PressPlace::ColourControl), 3);
    EXPECT_EQ(b.presses().count(PressPlace::CodeWindow), 1);
}

// ---- the focus a busy page misses ----

TEST(DropFocus, TheKthRequestForTheFocusIsMissedOnce) {
    enum class Way { FieldPress, Opening };
    struct Case { CodeOpener opener; int dropAt; std::vector<Way> requests; std::vector<bool> focused; };
    const Case cases[] = {
        {CodeOpener::None, 0, {Way::FieldPress, Way::FieldPress, Way::FieldPress}, {true, true, true}},
        {CodeOpener::None, 1, {Way::FieldPress, Way::FieldPress, Way::FieldPress}, {false, true, true}},
        {CodeOpener::None, 2, {Way::FieldPress, Way::FieldPress, Way::FieldPress}, {true, false, true}},
        {CodeOpener::Button, 1, {Way::Opening, Way::FieldPress, Way::Opening}, {false, true, true}},
        {CodeOpener::Button, 2, {Way::Opening, Way::FieldPress, Way::Opening}, {true, false, true}},
        {CodeOpener::Button, 3, {Way::Opening, Way::FieldPress, Way::Opening}, {true, true, false}},
        {CodeOpener::Window, 1, {Way::Opening, Way::FieldPress}, {false, true}},
    };
    for (const Case& c : cases) {
        Board b = CodeBoard(c.opener, c.dropAt);
        std::vector<bool> focused;
        for (Way way : c.requests) {
            Click(b, BareBoard(b));
            Click(b, way == Way::Opening ? OpenerPoint(b) : FieldPoint(b));
            focused.push_back(Field(b).focused());
        }
        EXPECT_EQ(focused, c.focused) << "opener " << static_cast<int>(c.opener) << ", dropped at " << c.dropAt;
    }
}

TEST(DropFocus, KeysAfterAMissedFocusReachTheBoard) {
    Board b = CodeBoard(CodeOpener::Button, 1);
    Click(b, OnCanvas(b, 4, 4));
    Click(b, OpenerPoint(b));
    EXPECT_TRUE(b.codePanel().fieldShown());
    EXPECT_EQ(Field(b).text(), "#000000");
    Type(b, "#be");
    Press(b, Key::Backspace);
    EXPECT_EQ(b.tool(), Tool::Eraser);
    EXPECT_EQ(CountNotWhite(b.canvas()), 0) << "Backspace cleared the canvas";
    EXPECT_EQ(KeysOf(b), (std::vector<long>{0, 0, 4, 1}));
    EXPECT_EQ(Field(b).text(), "#000000");
}

}  // namespace
}  // namespace mipro::board
