#include <filesystem>

#include "base/utf8_path.h"
#include "picture/file_checks.h"
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

}  // namespace

}  // namespace mipro::testing
