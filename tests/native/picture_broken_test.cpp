// PNG and GIF files built byte by byte: what the decoders draw of pictures larger than the kept
// part, of images smaller than their screen, and which broken files they refuse.
#include <gtest/gtest.h>

#include <string>

#include <zlib.h>

#include "picture/image_decode.h"
#include "picture/image_load.h"

namespace mipro::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Be32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(Bytes& png, const std::string& type, const Bytes& data) {
    Be32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    Be32(png, static_cast<std::uint32_t>(crc32(0, png.data() + typeAt, static_cast<uInt>(png.size() - typeAt))));
}

Bytes Deflated(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    out.resize(size);
    return out;
}

// An 8-bit PNG of `colour` type (2 RGB, 3 palette) whose image data is `raw` (filter bytes and
// samples of each row), split into data chunks of `piece` bytes, with `before` chunks ahead of
// the data.
struct PngParts {
    int width, height, colour = 2, depth = 8;
    Bytes raw;
    std::vector<std::pair<std::string, Bytes>> before{};
    std::size_t piece = 1 << 20;
};

Bytes Png(const PngParts& p) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Be32(header, static_cast<std::uint32_t>(p.width));
    Be32(header, static_cast<std::uint32_t>(p.height));
    header.insert(header.end(), {static_cast<std::uint8_t>(p.depth), static_cast<std::uint8_t>(p.colour), 0, 0, 0});
    Chunk(png, "IHDR", header);
    for (const auto& [type, data] : p.before) Chunk(png, type, data);
    const Bytes data = Deflated(p.raw);
    for (std::size_t at = 0; at < data.size(); at += p.piece) {
        Chunk(png, "IDAT", Bytes(data.begin() + at, data.begin() + std::min(data.size(), at + p.piece)));
        if (at + p.piece < data.size()) Chunk(png, "tEXt", {'a', 0, 'b'});  // between the data chunks
    }
    Chunk(png, "IEND", {});
    return png;
}

// `rows` rows of RGB, every pixel of row y the colour (y, 2y, 3y), each row with filter `filter`
// (0 none, 2 up: the bytes are the difference to the row above).
Bytes RgbRows(int width, int rows, std::uint8_t filter = 0) {
    Bytes raw;
    for (int y = 0; y < rows; ++y) {
        raw.push_back(filter);
        for (int x = 0; x < width; ++x) {
            for (int c = 1; c <= 3; ++c) {
                const int value = (y * c) & 255, above = y == 0 ? 0 : ((y - 1) * c) & 255;
                raw.push_back(static_cast<std::uint8_t>(filter == 2 ? value - above : value));
            }
        }
    }
    return raw;
}

ColourValue RowColour(int y) { return ColourValue((y & 255) | ((2 * y) & 255) << 8 | ((3 * y) & 255) << 16); }

// GIF: a screen of `screenWidth` x `screenHeight` with a global table of four colours (0 white,
// 1 red, 2 green, 3 blue) unless `tableFlags` says otherwise, one image with the given place and
// codes, 3 bits each (code size 2: 4 is clear, 5 the end).
struct GifParts {
    int screenWidth, screenHeight, left, top, width, height;
    std::vector<int> codes;
    std::uint8_t tableFlags = 0x81;
};

Bytes Gif(const GifParts& g) {
    Bytes gif{'G', 'I', 'F', '8', '9', 'a'};
    auto le16 = [&gif](int v) { gif.push_back(static_cast<std::uint8_t>(v)); gif.push_back(static_cast<std::uint8_t>(v >> 8)); };
    le16(g.screenWidth);
    le16(g.screenHeight);
    gif.insert(gif.end(), {g.tableFlags, 0, 0});
    if (g.tableFlags & 0x80) gif.insert(gif.end(), {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255});
    gif.push_back(0x2C);
    for (int v : {g.left, g.top, g.width, g.height}) le16(v);
    gif.insert(gif.end(), {0, 2});
    Bytes data;
    std::uint32_t bits = 0;
    int count = 0;
    for (int code : g.codes) {
        bits |= static_cast<std::uint32_t>(code) << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) data.push_back(static_cast<std::uint8_t>(bits));
    }
    if (count > 0) data.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        gif.push_back(static_cast<std::uint8_t>(length));
        gif.insert(gif.end(), data.begin() + at, data.begin() + at + length);
    }
    gif.insert(gif.end(), {0, 0x3B});
    return gif;
}

// Codes that keep the code size at 3 bits: a clear code before every two indices.
std::vector<int> GifCodes(const std::vector<int>& indices) {
    std::vector<int> codes;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) codes.push_back(4);
        codes.push_back(indices[i]);
    }
    codes.push_back(5);
    return codes;
}

constexpr ColourValue kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

TEST(PictureRows, PngTallerThanTheKeptPartIsReadNoFurtherThanItsLastKeptRow) {
    // 700 rows are claimed, the data holds 601: the rows past 600 are never asked for.
    const Bytes png = Png({3, 700, 2, 8, RgbRows(3, 601)});
    const auto decoded = DecodePicture(png, kClipSide, kClipSide);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->height, 700);
    ASSERT_EQ(decoded->canvas.height(), kClipSide);
    for (int y : {0, 1, 255, 599}) EXPECT_EQ(decoded->canvas.point(2, y), RowColour(y)) << y;
    // with 599 rows the kept part is short of one: refused
    EXPECT_FALSE(DecodePicture(Png({3, 700, 2, 8, RgbRows(3, 599)}), kClipSide, kClipSide));
}

TEST(PictureRows, PngDataSplitOverManyChunksWithOthersBetween) {
    const Bytes png = Png({4, 40, 2, 8, RgbRows(4, 40, 2), {}, 7});
    const auto decoded = DecodePicture(png, kClipSide, kClipSide);
    ASSERT_TRUE(decoded);
    for (int y = 0; y < 40; ++y) EXPECT_EQ(decoded->canvas.point(3, y), RowColour(y)) << y;
}

TEST(PictureRows, GifImageSmallerThanItsScreenLeavesTheRestWhite) {
    // a 2 x 2 image at (1, 1) of a 4 x 3 screen: red green / blue and index 3 past a 2-entry table
    const Bytes gif = Gif({4, 3, 1, 1, 2, 2, GifCodes({1, 2, 3, 0})});
    const auto decoded = DecodePicture(gif, kClipSide, kClipSide);
    ASSERT_TRUE(decoded);
    const std::vector<ColourValue> expected{kWhite, kWhite, kWhite, kWhite,  //
                                            kWhite, kRed, kGreen, kWhite,    //
                                            kWhite, kBlue, kWhite, kWhite};
    std::vector<ColourValue> canvas;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) canvas.push_back(decoded->canvas.point(x, y));
    EXPECT_EQ(canvas, expected);
}

TEST(PictureRows, GifTallerThanTheKeptPartIsDecodedNoFurtherThanItsLastKeptRow) {
    // one pixel a row, 601 rows coded and then a code the table does not hold: never reached
    std::vector<int> indices(601, 2);
    indices[599] = 3;
    std::vector<int> codes = GifCodes(indices);
    codes.back() = 7;
    const auto decoded = DecodePicture(Gif({1, 700, 0, 0, 1, 700, codes}), kClipSide, kClipSide);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->canvas.point(0, 598), kGreen);
    EXPECT_EQ(decoded->canvas.point(0, 599), kBlue);
}

struct BrokenCase {
    const char* name;
    Bytes file;
};

TEST(PictureRows, BrokenPngsAndGifsAreRefused) {
    Bytes badFilter = RgbRows(2, 2);
    badFilter[0] = 5;
    const BrokenCase cases[] = {
        {"PNG row filter 5", Png({2, 2, 2, 8, badFilter})},
        {"PNG palette picture without a palette", Png({2, 2, 3, 8, Bytes(6, 0)})},
        {"PNG 16-bit palette", Png({2, 2, 3, 16, Bytes(10, 0), {{"PLTE", Bytes(3, 0)}}})},
        {"PNG 4-bit RGB", Png({2, 2, 2, 4, Bytes(8, 0)})},
        {"PNG unknown critical chunk first", Png({2, 2, 2, 8, RgbRows(2, 2), {{"ABCD", {}}}})},
        {"PNG data short of the last row", Png({2, 3, 2, 8, RgbRows(2, 2)})},
        {"PNG palette of 257 colours", Png({2, 2, 3, 8, Bytes(6, 0), {{"PLTE", Bytes(3 * 257, 0)}}})},
        {"PNG 0 wide", Png({0, 2, 2, 8, Bytes(2, 0)})},
        {"GIF codes without a clear code first", Gif({2, 1, 0, 0, 2, 1, {1, 2, 5}})},
        {"GIF code past the table", Gif({2, 1, 0, 0, 2, 1, {4, 1, 7, 5}})},
        {"GIF image past its screen", Gif({2, 2, 1, 0, 2, 2, GifCodes({1, 1, 1, 1})})},
        {"GIF without a colour table", Gif({2, 1, 0, 0, 2, 1, GifCodes({1, 1}), 0x00})},
    };
    for (const BrokenCase& c : cases) EXPECT_FALSE(DecodePicture(c.file, kClipSide, kClipSide)) << c.name;
    // and the same files mended load
    EXPECT_TRUE(DecodePicture(Png({2, 2, 2, 8, RgbRows(2, 2)}), kClipSide, kClipSide));
    EXPECT_TRUE(DecodePicture(Gif({2, 1, 0, 0, 2, 1, GifCodes({1, 1})}), kClipSide, kClipSide));
}

}  // namespace
}  // namespace mipro::testing
