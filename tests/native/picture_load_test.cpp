#include <filesystem>

#include "base/utf8_path.h"
#include "picture/file_checks.h"
#include "picture/image_decode.h"
#include "picture/image_load.h"
#include "picture_test_files.h"

namespace mipro::testing {

namespace {

const std::string kCannotOpen = "ファイルが開けません";

class PictureLoad : public PictureTest {
protected:
    void SetUp() override { EnterStepTwo(); }

    const Picture& Thumbnail() { return desk.window.thumbnail(2).image; }
    std::string InfoLabel() { return desk.window.caption({Control::lblSTINFO, 2}); }
};

const std::string kClipNote = "\r\n\r\n※600 pixel を超えた部分はクリップされます。";

// A picture's size and what loading it must give.
struct SizeCase {
    int width, height;
    int imgWidth, imgHeight;
    float thumbScale;
    int thumbWidth, thumbHeight;
    std::string infoText;
};

TEST_F(PictureLoad, SizesClipTextsScalesAndThumbnails) {
    const std::vector<SizeCase> cases{
        {320, 240, 320, 240, static_cast<float>(140.0 / 320), 140, 105, "Width 320 x Height 240 pixel"},
        {800, 500, 600, 500, static_cast<float>(140.0 / 600), 140, 117,
         "元画像 Width 800 x Height 500 pixel\r\nクリップ後のサイズ - Width 600 x Height 500 pixel" + kClipNote},
        {601, 10, 600, 10, static_cast<float>(140.0 / 600), 140, 2,
         "元画像 Width 601 x Height 10 pixel\r\nクリップ後のサイズ - Width 600 x Height 10 pixel" + kClipNote},
        {600, 600, 600, 600, static_cast<float>(140.0 / 600), 140, 140, "Width 600 x Height 600 pixel"},
        {100, 300, 100, 300, static_cast<float>(140.0 / 300), 47, 140, "Width 100 x Height 300 pixel"},
        {140, 90, 140, 90, 1.0f, 140, 90, "Width 140 x Height 90 pixel"},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        ChoosePicture(Picture(c.width, c.height, 0x123456));
        EXPECT_EQ(w.st.ImgWidth, c.imgWidth);
        EXPECT_EQ(w.st.ImgHeight, c.imgHeight);
        EXPECT_EQ(w.st.ImgInfoText, c.infoText);
        EXPECT_EQ(InfoLabel(), c.infoText);
        EXPECT_EQ(w.st.ThumbScale, c.thumbScale);
        EXPECT_EQ(Thumbnail().width(), c.thumbWidth);
        EXPECT_EQ(Thumbnail().height(), c.thumbHeight);
        EXPECT_TRUE(desk.window.isVisible({Control::picIMGCHK, 2}));
    }
}

TEST_F(PictureLoad, CanvasHoldsTheClippedAreaWithRedInTheLowByte) {
    Picture p(700, 3, 0xFFFFFF);
    p.setPoint(0, 0, 0x0000FF);   // red
    p.setPoint(599, 2, 0xFF0000); // blue
    p.setPoint(650, 1, 0x00FF00); // beyond the clip
    ChoosePicture(p);
    ASSERT_EQ(w.st.picIMG.width(), 600);
    ASSERT_EQ(w.st.picIMG.height(), 3);
    EXPECT_EQ(w.st.picIMG.point(0, 0), 0x0000FF);
    EXPECT_EQ(w.st.picIMG.point(599, 2), 0xFF0000);
    EXPECT_EQ(w.st.picIMG.point(1, 1), 0xFFFFFF);
}

TEST_F(PictureLoad, TransparentPixelsAreDrawnOnWhite) {
    RgbaPicture p(3, 1, {0, 0, 0, 255});
    p.at(1, 0) = {0, 0, 0, 0};
    p.at(2, 0) = {0, 0, 255, 128};
    WritePng(TempDir() + "alpha.png", p);
    ChooseFile(TempDir() + "alpha.png");
    EXPECT_EQ(w.st.picIMG.point(0, 0), 0x000000);
    EXPECT_EQ(w.st.picIMG.point(1, 0), 0xFFFFFF);
    // Half-covered blue over white: red and green halfway to white, blue full.
    EXPECT_EQ(w.st.picIMG.point(2, 0), 0xFF7F7F);
}

TEST_F(PictureLoad, GifShowsItsFirstFrameWithTransparencyOnWhite) {
    RgbaPicture first(4, 2, {10, 20, 30, 255});
    first.at(3, 1) = {0, 0, 0, 0};
    RgbaPicture second(4, 2, {200, 100, 50, 255});
    WriteGif(TempDir() + "anim.gif", {first, second});
    ChooseFile(TempDir() + "anim.gif");
    EXPECT_EQ(w.st.ImgInfoText, "Width 4 x Height 2 pixel");
    EXPECT_EQ(w.st.picIMG.point(0, 0), 10 | 20 << 8 | 30 << 16);
    EXPECT_EQ(w.st.picIMG.point(3, 1), 0xFFFFFF);
}

TEST_F(PictureLoad, JpegLoadsWithItsColoursNearlyKept) {
    WriteJpeg(TempDir() + "photo.jpg", Picture(16, 8, 0x3366CC));
    ChooseFile(TempDir() + "photo.jpg");
    EXPECT_EQ(w.st.ImgInfoText, "Width 16 x Height 8 pixel");
    const ColourValue c = w.st.picIMG.point(5, 5);
    EXPECT_NEAR(c & 255, 0xCC, 4);
    EXPECT_NEAR((c >> 8) & 255, 0x66, 4);
    EXPECT_NEAR((c >> 16) & 255, 0x33, 4);
}

TEST_F(PictureLoad, JpegAfterFillBytesLoads) {
    WriteJpeg(TempDir() + "photo.jpg", Picture(16, 8, 0x3366CC));
    std::vector<std::uint8_t> bytes = ReadBytes(TempDir() + "photo.jpg");
    bytes.insert(bytes.begin(), 3, 0xFF);
    WriteBytes(TempDir() + "photo.jpg", bytes);
    ChooseFile(TempDir() + "photo.jpg");
    EXPECT_EQ(w.st.ImgInfoText, "Width 16 x Height 8 pixel");
}

TEST_F(PictureLoad, PathWithJapaneseLettersBlanksAndSignsOpens) {
    const std::string dir = TempDir() + "写真 & 100% テスト/";
    std::filesystem::create_directories(Utf8Path(dir));
    ChoosePicture(Picture(5, 4, 0), "写真 & 100% テスト/絵.bmp");
    EXPECT_EQ(w.st.ImgInfoText, "Width 5 x Height 4 pixel");
    EXPECT_EQ(w.st.ImgFileName, dir + "絵.bmp");
}

TEST_F(PictureLoad, HourglassAndRedrawLockAreUndoneAfterLoading) {
    ChoosePicture(Picture(5, 4, 0));
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
    EXPECT_FALSE(desk.window.locked());
}

// Bad files: each gives the message and leaves everything from the earlier picture as it was.
class BadPicture : public PictureLoad {
protected:
    void SetUp() override {
        PictureLoad::SetUp();
        earlier.setPoint(2, 1, 0x000000);
        ChoosePicture(earlier, "earlier.bmp");
        earlierThumbnail = Thumbnail();
        desk.dialogs.shown.clear();
    }

    void ExpectRefused(const std::string& path) {
        ChooseFile(path);
        ASSERT_EQ(desk.dialogs.shown.size(), 1u) << path;
        EXPECT_EQ(desk.dialogs.shown[0].text, kCannotOpen);
        EXPECT_EQ(desk.dialogs.shown[0].style, 48);
        EXPECT_EQ(desk.dialogs.shown[0].title, "ミプロ♪ ver.1.0.0b");
        EXPECT_EQ(w.st.ImgWidth, 300);
        EXPECT_EQ(w.st.ImgHeight, 200);
        EXPECT_EQ(w.st.ImgInfoText, "Width 300 x Height 200 pixel");
        EXPECT_EQ(w.st.ThumbScale, static_cast<float>(140.0 / 300));
        EXPECT_EQ(w.st.ImgFileName, TempDir() + "earlier.bmp");
        EXPECT_EQ(InfoLabel(), "Width 300 x Height 200 pixel");
        EXPECT_EQ(w.st.picIMG.width(), 300);
        EXPECT_EQ(w.st.picIMG.point(2, 1), 0x000000);
        EXPECT_EQ(Thumbnail().width(), earlierThumbnail.width());
        EXPECT_EQ(Thumbnail().point(0, 0), earlierThumbnail.point(0, 0));
        EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
        EXPECT_FALSE(desk.window.locked());
    }

    // A good file of the format cut short.
    std::string Truncated(const std::string& name, std::size_t keep) {
        const std::string path = TempDir() + name;
        std::vector<std::uint8_t> bytes = ReadBytes(path);
        EXPECT_GT(bytes.size(), keep);
        bytes.resize(keep);
        WriteBytes(path, bytes);
        return path;
    }

    Picture earlier{300, 200, 0xFFFFFF};
    Picture earlierThumbnail;
};

TEST_F(BadPicture, MissingFile) { ExpectRefused(TempDir() + "missing.bmp"); }

TEST_F(BadPicture, EmptyFile) {
    WriteBytes(TempDir() + "empty.bmp", {});
    ExpectRefused(TempDir() + "empty.bmp");
}

TEST_F(BadPicture, TextFileNamedJpg) {
    const std::string text = "This is not a picture.\r\nJust some words.\r\n";
    WriteBytes(TempDir() + "notes.jpg", std::vector<std::uint8_t>(text.begin(), text.end()));
    ExpectRefused(TempDir() + "notes.jpg");
}

TEST_F(BadPicture, Folder) { ExpectRefused(TempDir()); }

// A sparse file: large on disk in name only, so the test costs nothing.
TEST_F(BadPicture, FileLargerThanTheLimitIsNotRead) {
    const std::string path = TempDir() + "large.bmp";
    WriteBmp(path, Picture(2, 2, 0));
    std::filesystem::resize_file(path, kMaxPictureFileBytes + 1);
    ExpectRefused(path);
}

TEST_F(BadPicture, TruncatedBitmap) {
    WriteBmp(TempDir() + "cut.bmp", Picture(64, 64, 0x102030));
    ExpectRefused(Truncated("cut.bmp", 1000));
}

TEST_F(BadPicture, TruncatedGif) {
    RgbaPicture p(64, 64, {1, 2, 3, 255});
    p.at(5, 5) = {9, 9, 9, 255};
    WriteGif(TempDir() + "cut.gif", {p});
    ExpectRefused(Truncated("cut.gif", 900));
}

TEST_F(BadPicture, JpegCutInItsHeaders) {
    WriteJpeg(TempDir() + "cut.jpg", Picture(64, 64, 0x102030));
    ExpectRefused(Truncated("cut.jpg", 400));
}

TEST_F(BadPicture, JpegCutInItsImageData) {
    Picture noise(64, 64, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) noise.setPoint(x, y, (x * 2654435761u + y * 40503u) & 0xFFFFFF);
    WriteJpeg(TempDir() + "cut.jpg", noise);
    ExpectRefused(Truncated("cut.jpg", ReadBytes(TempDir() + "cut.jpg").size() * 3 / 4));
}

// The decoder would write or read past its tables for these.
TEST_F(BadPicture, JpegHuffmanTableOfMoreThan256Codes) {
    for (const char* name : {"jpeg-huffman-table-over-256-codes.jpg", "jpeg-huffman-table-over-256-codes-before-frame.jpg",
                             "jpeg-after-fill-bytes-huffman-table-over-256-codes.jpg",
                             "jpeg-scan-using-an-undefined-huffman-table.jpg"}) {
        desk.dialogs.shown.clear();
        WriteBytes(TempDir() + "tables.jpg", ReadBytes(std::string(MIPRO_TEST_DATA_DIR) + "/loader-regressions/" + name));
        ExpectRefused(TempDir() + "tables.jpg");
    }
}

// The decoder's tables are not cleared, so what it makes of an undefined one depends on what the
// memory held before: the check itself must refuse the file.
TEST_F(BadPicture, BaselineJpegWhoseScanCodesWithAnUndefinedAcTable) {
    const std::string kept =
        std::string(MIPRO_TEST_DATA_DIR) + "/loader-regressions/jpeg-baseline-scan-using-an-undefined-ac-table.jpg";
    EXPECT_FALSE(PassesFileChecks(ReadBytes(kept)));
    ExpectRefused(kept);
}

// Fuzz-found: a DC coefficient times its quantisation value overflows int. With a table the file
// never defines, the value comes from the decoder's uncleared memory, so the checks refuse the
// file; with a defined 16-bit table the product wraps (the decoder is compiled so) and the file
// loads.
TEST_F(PictureLoad, JpegWhoseDcTimesItsQuantisationValueOverflows) {
    const std::string dir = std::string(MIPRO_TEST_DATA_DIR) + "/loader-regressions/";
    EXPECT_FALSE(PassesFileChecks(ReadBytes(dir + "jpeg-scan-using-an-undefined-quantisation-table.jpg")));
    ChooseFile(dir + "jpeg-dc-times-16-bit-quantisation-value-overflows-int.jpg");
    EXPECT_EQ(w.st.ImgInfoText, "Width 94 x Height 175 pixel");
}

TEST_F(BadPicture, JpegTooShortForTheSizeItClaims) {
    const std::string kept = std::string(MIPRO_TEST_DATA_DIR) + "/loader-regressions/jpeg-199-bytes-claiming-2559-by-12850.jpg";
    WriteBytes(TempDir() + "bomb.jpg", ReadBytes(kept));
    ExpectRefused(TempDir() + "bomb.jpg");
}

// The decoder would allocate the 1.5 GB the data chunk claims before finding the data missing,
// so the file must be refused before it is decoded.
TEST_F(PictureLoad, PngChunkClaimingMoreThanTheFileHoldsIsRefusedBeforeDecoding) {
    const std::string kept = std::string(MIPRO_TEST_DATA_DIR) + "/loader-regressions/png-data-chunk-claiming-1.5-gb.png";
    EXPECT_FALSE(PassesFileChecks(ReadBytes(kept)));
    WritePng(TempDir() + "good.png", RgbaPicture(3, 2, {1, 2, 3, 255}));
    EXPECT_TRUE(PassesFileChecks(ReadBytes(TempDir() + "good.png")));
}

TEST_F(BadPicture, GifWithoutItsImage) {
    WriteGif(TempDir() + "cut.gif", {RgbaPicture(8, 8, {1, 2, 3, 255})});
    ExpectRefused(Truncated("cut.gif", 13 + 768 + 8));  // header, colour table, transparency block
}

TEST_F(BadPicture, TruncatedPng) {
    RgbaPicture p(64, 64, {1, 2, 3, 255});
    WritePng(TempDir() + "cut.png", p);
    ExpectRefused(Truncated("cut.png", 60));
}

// A bitmap header claiming 60000 x 60000 pixels, followed by only a few bytes.
TEST_F(BadPicture, BitmapHeaderClaimingAHugeSize) {
    WriteBmp(TempDir() + "huge.bmp", Picture(2, 2, 0));
    std::vector<std::uint8_t> bytes = ReadBytes(TempDir() + "huge.bmp");
    constexpr std::uint32_t kSide = 60000;
    for (int field : {18, 22}) {
        for (int i = 0; i < 4; ++i) bytes[field + i] = static_cast<std::uint8_t>(kSide >> (8 * i));
    }
    WriteBytes(TempDir() + "huge.bmp", bytes);
    ExpectRefused(TempDir() + "huge.bmp");
}

TEST_F(BadPicture, GifHeaderClaimingAHugeSize) {
    WriteGif(TempDir() + "huge.gif", {RgbaPicture(2, 2, {1, 2, 3, 255})});
    std::vector<std::uint8_t> bytes = ReadBytes(TempDir() + "huge.gif");
    for (int field : {6, 8}) {
        bytes[field] = 60000 & 255;
        bytes[field + 1] = 60000 >> 8;
    }
    WriteBytes(TempDir() + "huge.gif", bytes);
    ExpectRefused(TempDir() + "huge.gif");
}

// Hand-made hostile files and the inputs fuzzing found troublesome load or are refused, without a
// crash or a huge allocation.
TEST_F(PictureLoad, HostileAndFuzzFoundInputsLoadOrAreRefused) {
    const std::filesystem::path dir = std::filesystem::path(MIPRO_TEST_DATA_DIR) / "loader-regressions";
    int tried = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        desk.dialogs.shown.clear();
        ChooseFile(entry.path().string());
        const bool refused = desk.dialogs.shown.size() == 1;
        EXPECT_TRUE(refused || w.st.ImgFileName == entry.path().string()) << entry.path();
        ++tried;
    }
    EXPECT_GT(tried, 0);
}

// Bitmaps of every header, depth and coding, decoded straight from their bytes.

// The decoded canvas: width, height, then its colours row by row; nothing when refused.
std::vector<ColourValue> Canvas(const std::vector<std::uint8_t>& bytes) {
    const std::optional<DecodedPicture> decoded = DecodePicture(bytes, kClipSide, kClipSide);
    if (!decoded) return {};
    const Picture& c = decoded->canvas;
    std::vector<ColourValue> canvas{c.width(), c.height()};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) canvas.push_back(c.point(x, y));
    return canvas;
}

constexpr Rgba kBlack{0, 0, 0, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255};
const std::vector<Rgba> kEight{kBlack, kRed, kGreen, kBlue, {0, 255, 255, 255}, {255, 0, 255, 255}, {255, 255, 0, 255},
                               {255, 255, 255, 255}};
const std::vector<Rgba> kWithAlpha{{255, 0, 0, 0}, {0, 255, 0, 64}, {0, 0, 255, 128}, {20, 40, 60, 255}, {200, 100, 50, 200}};
constexpr std::array<std::uint32_t, 4> kRgb555{0x7C00, 0x03E0, 0x001F, 0}, kRgb565{0xF800, 0x07E0, 0x001F, 0};
constexpr std::array<std::uint32_t, 4> kRgb888{0xFF0000, 0xFF00, 0xFF, 0}, kArgb{0xFF0000, 0xFF00, 0xFF, 0xFF000000};

// 5 x 3 pixels, so rows of every depth need padding, of the first `count` colours in turn.
RgbaPicture Stripes(const std::vector<Rgba>& colours, std::size_t count) {
    RgbaPicture p(5, 3, colours[0]);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.at(x, y) = colours[(x + 2 * y) % count];
    return p;
}

RgbaPicture WithAlpha(RgbaPicture p, std::uint8_t alpha) {
    for (Rgba& c : p.pixels) c.a = alpha;
    return p;
}

struct VariantCase { std::string name; BitmapFormat format; std::vector<Rgba> palette; RgbaPicture picture, pngShows; };

TEST(BitmapDecode, EveryVariantShowsWhatThePngOfItsPictureShows) {
    const RgbaPicture eight = Stripes(kEight, 8), alpha = Stripes(kWithAlpha, 5), twoColours = Stripes({kBlue, kRed}, 2);
    std::vector<Rgba> sixteen = kEight;
    sixteen.resize(16, kBlack);
    const std::vector<VariantCase> cases{
        {"OS/2 1.x, 4 bits", {12, 4}, sixteen, eight, eight},
        {"OS/2 1.x, 24 bits", {12, 24, 0, kRgb888}, {}, eight, eight},
        {"1 bit, colours used 0", {40, 1}, {kBlue, kRed}, twoColours, twoColours},
        {"4 bits, 8 colours used", {40, 4}, kEight, eight, eight},
        {"8 bits", {40, 8}, kEight, eight, eight},
        {"8 bits, top-down", {40, 8, 0, {}, true}, kEight, eight, eight},
        {"16 bits, 5-5-5", {40, 16, 0, kRgb555}, {}, eight, eight},
        {"16 bits, 5-6-5 bit fields", {40, 16, 3, kRgb565}, {}, eight, eight},
        {"24 bits", {40, 24, 0, kRgb888}, {}, eight, eight},
        {"24 bits, top-down", {40, 24, 0, kRgb888, true}, {}, eight, eight},
        {"32 bits, fourth byte unused", {40, 32, 0, kArgb}, {}, alpha, WithAlpha(alpha, 255)},
        {"32 bits, red in the low byte", {40, 32, 3, {0xFF, 0xFF00, 0xFF0000, 0}}, {}, eight, eight},
        {"52 bytes, 10-10-10 bit fields", {52, 32, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0}}, {}, eight, eight},
        {"56 bytes, 5-6-5 bit fields", {56, 16, 3, kRgb565}, {}, eight, eight},
        {"OS/2 2.x, 8 bits", {64, 8}, kEight, eight, eight},
        {"V4, 32 bits with alpha", {108, 32, 3, kArgb}, {}, alpha, alpha},
        {"V5, 32 bits with alpha, top-down", {124, 32, 3, kArgb, true}, {}, alpha, alpha},
        {"V5, alpha 0 everywhere", {124, 32, 3, kArgb}, {}, WithAlpha(eight, 0), eight},
        {"V5, 24 bits", {124, 24, 0, kRgb888}, {}, eight, eight},
    };
    for (const VariantCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ColourValue> png = Canvas(PngBytes(c.pngShows));
        ASSERT_EQ(png.size(), 2u + 5 * 3);
        EXPECT_EQ(Canvas(BitmapFile(c.format, 5, 3, c.palette, BitmapRows(c.format, c.picture, c.palette))), png);
    }
}

// One pixel value under its masks and the colour it gives, worked out by hand.
struct ScaleCase { std::string name; BitmapFormat format; std::uint32_t pixel; ColourValue colour; };

TEST(BitmapDecode, NarrowComponentsRepeatTheirBitsAndWideOnesAreScaledWithRounding) {
    const std::vector<ScaleCase> cases{
        // 5 bits c: c << 3 | c >> 2. 16 -> 132, 1 -> 8, 31 -> 255
        {"5-5-5", {40, 16, 0}, 16 << 10 | 1 << 5 | 31, 132 | 8 << 8 | 255 << 16},
        // where a rounded scale differs: 3 -> 24 (not 25), 7 -> 57 (not 58), 24 -> 198 (not 197)
        {"5-5-5, 3 7 24", {40, 16, 0}, 3 << 10 | 7 << 5 | 24, 24 | 57 << 8 | 198 << 16},
        // 28 -> 231 (not 230); 6 bits c: c << 2 | c >> 4, 11 -> 44 (not 45); 0 -> 0
        {"5-6-5, 28 11 0", {40, 16, 3, kRgb565}, 28 << 11 | 11 << 5 | 0, 231 | 44 << 8},
        // 52 -> 211 (not 210), 33 -> 134
        {"5-6-5, 16 52 1", {40, 16, 3, kRgb565}, 16 << 11 | 52 << 5 | 1, 132 | 211 << 8 | 8 << 16},
        // 10 bits are scaled: 512 * 255 / 1023 = 127.6; 1 * 255 / 1023 = 0.25
        {"10-10-10", {40, 32, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0}}, 512u << 20 | 1023 << 10 | 1, 128 | 255 << 8},
        // 4 bits c: c << 4 | c; alpha 8 -> 136 over white: 255 - 136 = 119 of white shows through
        {"4-4-4-4 with alpha", {124, 16, 3, {0xF00, 0xF0, 0xF, 0xF000}}, 8 << 12 | 15 << 8, 255 | 119 << 8 | 119 << 16},
    };
    for (const ScaleCase& c : cases) {
        std::vector<std::uint8_t> row(4, 0);
        for (int i = 0; i < c.format.bits / 8; ++i) row[i] = static_cast<std::uint8_t>(c.pixel >> (8 * i));
        EXPECT_EQ(Canvas(BitmapFile(c.format, 1, 1, {}, row)), (std::vector<ColourValue>{1, 1, c.colour})) << c.name;
    }
}

// Run-length coded data and the picture it draws, rows from the top: a digit is a palette index
// (0 black, 1 red, 2 green, 3 blue; indices past these 4 colours are black), '.' a pixel the data
// never sets and so left white. No rows: the file is refused.
struct RleCase { std::string name; int bits, width, height; std::vector<std::uint8_t> data; std::vector<std::string> rows; };

TEST(BitmapDecode, RunLengthCodedPicturesDrawTheirRunsAndEscapesAndClipThem) {
    const std::vector<Rgba> palette{kBlack, kRed, kGreen, kBlue};
    const std::vector<RleCase> cases{
        {"RLE8, every escape", 8, 6, 4,
         {2, 1, 0, 3, 2, 3, 2, 0, 0, 0,  // run, absolute run of 3 and its padding, end of line
          1, 3, 0, 2, 2, 1,              // run, move 2 right and 1 up
          2, 0, 0, 0,                    // run, end of line
          0, 4, 1, 2, 3, 1, 0, 1},       // absolute run of 4, end of bitmap
         {"1231..", "...00.", "3.....", "11232."}},
        {"RLE4, every escape", 4, 6, 3,
         {5, 0x12, 0, 0,                   // alternating run, end of line
          0, 5, 0x31, 0x23, 0x10, 0, 0, 0,  // absolute run of 5 and its padding, end of line
          0, 2, 3, 0, 2, 0x39, 0, 1},      // move 3 right, run of index 3 then 9, end of bitmap
         {"...30.", "31231.", "12121."}},
        {"runs and moves past the edges", 8, 4, 3,
         {6, 1, 0, 0,                                // a run past the right edge stops there
          0, 2, 3, 0, 0, 5, 2, 2, 2, 2, 2, 0, 0, 0,  // an absolute run from x 3 keeps one pixel
          0, 2, 10, 0, 2, 3,                         // a run after a move past the right edge
          0, 2, 0, 5, 1, 3, 0, 1},                   // a run after a move past the top
         {"....", "...2", "1111"}},
        {"a run cut after its count", 8, 2, 2, {2, 1, 3}, {}},
        {"an absolute run past the end", 8, 4, 2, {0, 5, 1, 2, 3}, {}},
        {"an absolute run without its padding", 8, 4, 2, {0, 3, 1, 2, 3}, {}},
        {"a move cut short", 8, 4, 2, {0, 2, 1}, {}},
        {"no end of bitmap", 8, 4, 2, {2, 1, 0, 0}, {}},
        {"RLE4 cut in an absolute run", 4, 4, 2, {0, 4, 0x12}, {}},
    };
    for (const RleCase& c : cases) {
        std::vector<ColourValue> expected;
        if (!c.rows.empty()) expected = {c.width, c.height};
        for (const std::string& row : c.rows) {
            for (char pixel : row) {
                const int index = pixel - '0';
                const Rgba p = pixel == '.' ? Rgba{255, 255, 255, 255} : index < 4 ? palette[index] : kBlack;
                expected.push_back(p.r | p.g << 8 | p.b << 16);
            }
        }
        const BitmapFormat format{40, c.bits, c.bits == 8 ? 1 : 2};
        EXPECT_EQ(Canvas(BitmapFile(format, c.width, c.height, palette, c.data)), expected) << c.name;
    }
}

// A field of a good file overwritten with a value that makes it one the decoder must refuse.
struct FieldCase { std::string name; BitmapFormat format; std::size_t at; std::uint32_t value; int bytes; };

TEST(BitmapDecode, HeadersItCannotDrawAreRefused) {
    const std::vector<FieldCase> cases{
        {"width 0", {40, 24, 0, kRgb888}, 18, 0, 4},
        {"negative width", {40, 24, 0, kRgb888}, 18, 0xFFFFFFFE, 4},
        {"height 0", {40, 24, 0, kRgb888}, 22, 0, 4},
        {"height -2^31", {40, 24, 0, kRgb888}, 22, 0x80000000, 4},
        {"wider than 16384", {40, 24, 0, kRgb888}, 18, 16385, 4},
        {"OS/2 1.x wider than 16384", {12, 24, 0, kRgb888}, 18, 16385, 2},
        {"two planes", {40, 24, 0, kRgb888}, 26, 2, 2},
        {"7 bits", {40, 24, 0, kRgb888}, 28, 7, 2},
        {"JPEG compression", {40, 24, 0, kRgb888}, 30, 4, 4},
        {"header of 20 bytes", {40, 24, 0, kRgb888}, 14, 20, 4},
        {"data offset inside the headers", {40, 24, 0, kRgb888}, 10, 20, 4},
        {"data offset past the end", {40, 24, 0, kRgb888}, 10, 0xFFFFFFF0, 4},
        {"palette past the end", {40, 8}, 46, 300, 4},
        {"RLE8 of 4 bits", {40, 8, 1}, 28, 4, 2},
        {"RLE4 of 8 bits", {40, 4, 2}, 28, 8, 2},
        {"RLE stored top-down", {40, 8, 1}, 22, 0xFFFFFFFE, 4},
        {"OS/2 2.x Huffman coding", {64, 16, 0, kRgb555}, 30, 3, 4},
        {"red mask with a gap", {40, 32, 3, kRgb888}, 54, 0x00FF00FF, 4},
        {"alpha mask with a gap", {124, 32, 3, kArgb}, 66, 0xF0F00000, 4},
        {"mask outside 16 bits", {40, 16, 3, kRgb565}, 54, 0x1F0000, 4},
    };
    for (const FieldCase& c : cases) {
        const bool rle = c.format.compression == 1 || c.format.compression == 2;
        const std::vector<Rgba> palette = c.format.bits <= 8 ? kEight : std::vector<Rgba>{};
        const std::vector<std::uint8_t> run{5, 1, 0, 1};  // five red pixels, end of bitmap
        std::vector<std::uint8_t> file =
            BitmapFile(c.format, 5, 3, palette, rle ? run : BitmapRows(c.format, Stripes(kEight, 8), palette));
        EXPECT_FALSE(Canvas(file).empty()) << c.name;
        for (int i = 0; i < c.bytes; ++i) file[c.at + i] = static_cast<std::uint8_t>(c.value >> (8 * i));
        EXPECT_TRUE(Canvas(file).empty()) << c.name;
    }
}

}  // namespace

}  // namespace mipro::testing
