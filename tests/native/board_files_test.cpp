// The practice board's files and command line: the saved canvas, the report and the options.
#include <gtest/gtest.h>

#include <filesystem>

#include "board/bmp_file.h"
#include "board/board_picture.h"
#include "board/options.h"
#include "board/report.h"
#include "board/whole_file.h"

namespace mipro::board {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

Raster Sample(int w, int h) {
    Raster r(w, h, kWhite);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.set(x, y, Rgb(x * 40 % 256, y * 60 % 256, (x + y) * 17 % 256));
    return r;
}

std::filesystem::path TempPath(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("mipro-board-" + name);
}

TEST(BmpFile, HeaderDescribesAnUncompressed24BitBottomUpPicture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(Sample(3, 2));
    const std::size_t rowBytes = 12;  // 9 bytes of pixels padded to a multiple of four
    ASSERT_EQ(bytes.size(), 54 + rowBytes * 2);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 2), bytes.size());
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 18), 3u);
    EXPECT_EQ(Le32(bytes, 22), 2u);
    EXPECT_EQ(bytes[28], 24);
    // The first row stored is the picture's bottom row, blue byte first.
    const Colour bottomLeft = Sample(3, 2).at(0, 1);
    EXPECT_EQ(bytes[54], BlueOf(bottomLeft));
    EXPECT_EQ(bytes[55], GreenOf(bottomLeft));
    EXPECT_EQ(bytes[56], RedOf(bottomLeft));
}

TEST(BmpFile, RoundTripsPicturesOfEveryRowPadding) {
    for (int w = 1; w <= 5; ++w) {
        const Raster picture = Sample(w, 3);
        const auto back = DecodeBmp24(EncodeBmp24(picture));
        ASSERT_TRUE(back.has_value()) << w;
        EXPECT_EQ(*back, picture) << w;
    }
}

TEST(BmpFile, RefusesTruncatedAndForeignData) {
    std::vector<std::uint8_t> bytes = EncodeBmp24(Sample(4, 4));
    bytes.resize(bytes.size() - 1);
    EXPECT_FALSE(DecodeBmp24(bytes).has_value());
    EXPECT_FALSE(DecodeBmp24({'P', '6', ' ', '1'}).has_value());
    std::vector<std::uint8_t> eightBit = EncodeBmp24(Sample(4, 4));
    eightBit[28] = 8;
    EXPECT_FALSE(DecodeBmp24(eightBit).has_value());
}

TEST(BmpFile, SavedFileLoadsBackAndReplacesAnOldOne) {
    const auto path = TempPath("save.bmp");
    ASSERT_TRUE(SaveBmp24(path, Sample(7, 5)));
    ASSERT_TRUE(SaveBmp24(path, Sample(2, 9)));
    const auto back = LoadBmp24(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, Sample(2, 9));
    auto partial = path;
    partial += ".partial";
    EXPECT_FALSE(std::filesystem::exists(partial));
    std::filesystem::remove(path);
}

TEST(WholeFile, WriteFailsIntoAMissingFolder) {
    EXPECT_FALSE(WriteWholeFile(TempPath("no-such-folder") / "x.txt", "text"));
    EXPECT_FALSE(ReadWholeFile(TempPath("no-such-folder") / "x.txt").has_value());
}

TEST(Report, GivesScreenPositionsOfCanvasAndControls) {
    Board b(Kind::OekakiBBS, {64, 48});
    const Point origin{300, 200};
    const Report r = ParseReport(ReportText(b, origin));
    const Point canvas = origin + b.layout().canvasOrigin();
    EXPECT_EQ(r.find("kind"), std::vector<long>{0});
    EXPECT_EQ(r.find("canvas"), (std::vector<long>{canvas.x, canvas.y, 64, 48}));
    EXPECT_EQ(r.find("canvas_guide"), (std::vector<long>{canvas.x - 50, canvas.y - 50}));
    const Point greenOnesDown = origin + b.layout().arrowPoint(Channel::Green, Arrow::OnesDown);
    EXPECT_EQ(r.find("green_ones_down"), (std::vector<long>{greenOnesDown.x, greenOnesDown.y}));
    const Point blueGuide = origin + b.layout().guideCorner(Channel::Blue);
    EXPECT_EQ(r.find("blue_guide"), (std::vector<long>{blueGuide.x, blueGuide.y}));
    EXPECT_TRUE(r.find("red_slider").empty());
    EXPECT_EQ(r.find("board")[2], b.layout().boardSize().width);
}

TEST(Report, PaintBoardGivesSliderPointsValuesAndEvents) {
    Board b(Kind::PaintBBS, {64, 48});
    const Point zero = b.layout().paintControl(Channel::Blue).zero;
    b.move(zero);
    b.buttonDown(zero + Point{3, 0});
    b.buttonUp(zero + Point{3, 0});
    const Point origin{10, 20};
    const Report r = ParseReport(ReportText(b, origin));
    EXPECT_EQ(r.find("kind"), std::vector<long>{1});
    EXPECT_EQ(r.find("blue_slider"), (std::vector<long>{origin.x + zero.x, origin.y + zero.y}));
    EXPECT_TRUE(r.find("red_tens_up").empty());
    EXPECT_EQ(r.find("values"), (std::vector<long>{0, 0, 20}));
    EXPECT_EQ(r.find("input"), (std::vector<long>{1, 1, 1}));
    const auto events = r.all("event");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].numbers, (std::vector<long>{1, origin.x + zero.x + 3, origin.y + zero.y}));
}

TEST(Report, ColourCodeBoardGivesItsControlsKeysAndCodes) {
    struct Case { CodeOpener opener; bool open; bool close; };
    const Case cases[] = {{CodeOpener::None, false, false}, {CodeOpener::Button, true, false}, {CodeOpener::Window, true, true}};
    for (const Case& c : cases) {
        BoardSetup setup;
        setup.kind = Kind::ColourCode;
        setup.canvas = {120, 90};
        setup.opener = c.opener;
        setup.stabiliser = 6;
        setup.busyMs = 40;
        Board b(setup);
        const Layout& l = b.layout();
        const Point origin{100, 50};
        const Report r = ParseReport(ReportText(b, origin));
        EXPECT_EQ(r.find("kind"), std::vector<long>{2});
        const std::vector<long> field = r.find("code_field");
        ASSERT_EQ(field.size(), 2u);
        EXPECT_TRUE(l.codeField().contains({static_cast<int>(field[0]) - origin.x, static_cast<int>(field[1]) - origin.y}));
        EXPECT_EQ(r.find("code_open").size(), c.open ? 2u : 0u);
        EXPECT_EQ(r.find("code_close").size(), c.close ? 2u : 0u);
        if (c.close) {
            const std::vector<long> close = r.find("code_close");
            EXPECT_TRUE(l.codeClose().contains({static_cast<int>(close[0]) - origin.x, static_cast<int>(close[1]) - origin.y}));
        }
        const std::vector<long> swatch = r.find("swatch");
        ASSERT_EQ(swatch.size(), 2u);
        const Point inSwatch{static_cast<int>(swatch[0]) - origin.x, static_cast<int>(swatch[1]) - origin.y};
        EXPECT_EQ(DrawBoard(b).at(inSwatch.x, inSwatch.y), b.colour());
        EXPECT_TRUE(r.find("red_guide").empty());
        EXPECT_TRUE(r.find("red_slider").empty());
        EXPECT_EQ(r.find("stabiliser"), std::vector<long>{6});
        EXPECT_EQ(r.find("busy_ms"), (std::vector<long>{40, 0}));
    }
}

TEST(Report, CountsKeysCodesAndWindowPresses) {
    BoardSetup setup;
    setup.kind = Kind::ColourCode;
    setup.canvas = {120, 90};
    setup.opener = CodeOpener::Window;
    setup.busyMs = 1000;
    Board b(setup);
    const Point opener{b.layout().codeOpener().left + 2, b.layout().codeOpener().top + 2};
    b.buttonDown(opener);
    b.buttonUp(opener);
    for (char c : std::string("#0000ff")) b.typed(static_cast<unsigned char>(c));
    b.keyDown(Key::Enter);
    b.buttonDown(b.layout().canvasOrigin());  // on the window
    b.buttonUp(b.layout().canvasOrigin());
    b.buttonDown(b.layout().canvasOrigin() + Point{110, 80});  // on the canvas, taking the focus
    b.buttonUp(b.layout().canvasOrigin() + Point{110, 80});
    b.buttonDown(b.layout().canvasOrigin() + Point{111, 80}, 999);  // too soon
    b.buttonUp(b.layout().canvasOrigin() + Point{111, 80});
    b.typed(U'b');
    b.keyDown(Key::Delete);
    const Report r = ParseReport(ReportText(b, {0, 0}));
    EXPECT_EQ(r.find("keys"), (std::vector<long>{7, 1, 2, 1}));
    EXPECT_EQ(r.find("codes"), std::vector<long>{2});
    EXPECT_EQ(r.find("values"), (std::vector<long>{0, 0, 255}));
    EXPECT_EQ(r.find("window_presses"), std::vector<long>{1});
    EXPECT_EQ(r.find("presses"), (std::vector<long>{2, 1, 0, 0, 0}));
    EXPECT_EQ(r.find("busy_ms"), (std::vector<long>{1000, 1}));
    EXPECT_EQ(r.find("busy"), (std::vector<long>{0, 0, 0}));
    EXPECT_EQ(r.find("tool"), std::vector<long>{1});
}

TEST(Options, ReadsEveryOption) {
    const auto parsed = ParseOptions({"--board", "PaintBBS", "--canvas", "600x480", "--pos", "-20,35", "--class",
                                      "MSAWT_Comp_Class", "--save-canvas", "C:\\t\\キャンバス.bmp", "--report", "r.txt",
                                      "--busy", "3,120", "--busy-ms", "45", "--stabiliser", "12", "--pen-cursor", "on",
                                      "--opener", "window", "--drop-focus", "2"});
    ASSERT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.board.kind, Kind::PaintBBS);
    EXPECT_EQ(o.board.canvas, (Size{600, 480}));
    ASSERT_TRUE(o.position.has_value());
    EXPECT_EQ(*o.position, (Point{-20, 35}));
    EXPECT_EQ(o.className, "MSAWT_Comp_Class");
    EXPECT_EQ(o.saveCanvasPath, "C:\\t\\キャンバス.bmp");
    EXPECT_EQ(o.reportPath, "r.txt");
    EXPECT_EQ(o.board.busy, (BusyPattern{3, 120}));
    EXPECT_EQ(o.board.busyMs, 45);
    EXPECT_EQ(o.board.stabiliser, 12);
    EXPECT_EQ(o.board.penCursor, true);
    EXPECT_EQ(o.board.opener, CodeOpener::Window);
    EXPECT_EQ(o.board.dropFocus, 2);
}

TEST(Options, ColourCodeBoardsAndTheirOpeners) {
    struct Case { std::vector<std::string> args; Kind kind; CodeOpener opener; bool cursor; };
    const Case cases[] = {
        {{"--board", "ColourCode"}, Kind::ColourCode, CodeOpener::None, true},
        {{"--board", "ColourCode", "--opener", "button"}, Kind::ColourCode, CodeOpener::Button, true},
        {{"--opener", "none", "--board", "ColourCode", "--pen-cursor", "off"}, Kind::ColourCode, CodeOpener::None, false},
        {{"--board", "oekakiBBS"}, Kind::OekakiBBS, CodeOpener::None, false},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseOptions(c.args);
        ASSERT_EQ(parsed.error, "") << c.args[1];
        EXPECT_EQ(parsed.options.board.kind, c.kind);
        EXPECT_EQ(parsed.options.board.opener, c.opener);
        EXPECT_EQ(parsed.options.board.showsPenCursor(), c.cursor);
    }
}

TEST(Options, DefaultsWithoutArguments) {
    const auto parsed = ParseOptions({});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.board.kind, Kind::OekakiBBS);
    EXPECT_EQ(parsed.options.className, "SunAwtCanvas");
    EXPECT_FALSE(parsed.options.position.has_value());
    EXPECT_TRUE(parsed.options.saveCanvasPath.empty());
    EXPECT_EQ(parsed.options.board.busy, BusyPattern{});
    EXPECT_EQ(parsed.options.board.busyMs, 0);
    EXPECT_EQ(parsed.options.board.stabiliser, 0);
    EXPECT_EQ(parsed.options.board.dropFocus, 0);
    EXPECT_EQ(parsed.options.board.opener, CodeOpener::None);
    EXPECT_FALSE(parsed.options.board.penCursor.has_value());
}

TEST(Options, RefusesWhatItDoesNotUnderstand) {
    const std::vector<std::vector<std::string>> bad = {
        {"--board", "oekaki"}, {"--canvas", "0x10"},    {"--canvas", "10x"},   {"--canvas", "2001x10"},
        {"--pos", "10"},       {"--pos", "1,2,3"},      {"--class", "Edit"},   {"--colour", "red"},
        {"--board"},           {"--canvas", "10x10x"},  {"--busy", "0,5"},    {"--busy", "3"},
        {"--busy", "2,-1"},    {"--busy-ms", "-1"},     {"--busy-ms", "5ms"},  {"--stabiliser", "-2"},
        {"--pen-cursor", "1"}, {"--opener", "Window"},  {"--opener", ""},      {"--drop-focus", "x"},
        {"--board", "colourcode"},
    };
    for (const auto& args : bad) EXPECT_NE(ParseOptions(args).error, "") << args[0] << " " << (args.size() > 1 ? args[1] : "");
}

TEST(Options, TitleNamesTheBoardKind) {
    EXPECT_EQ(BoardTitle(Kind::OekakiBBS), "練習ボード - oekakiBBS");
    EXPECT_EQ(BoardTitle(Kind::PaintBBS), "練習ボード - PaintBBS");
    EXPECT_EQ(BoardTitle(Kind::ColourCode), "練習ボード - ColourCode");
}

}  // namespace
}  // namespace mipro::board
