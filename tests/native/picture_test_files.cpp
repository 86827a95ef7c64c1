#include "picture_test_files.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "app/frame.h"
#include "base/utf8_path.h"
#include "picture/image_get_step.h"

namespace mipro::testing {

namespace {

std::vector<std::uint8_t> Rgb(const Picture& picture) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const ColourValue c = picture.point(x, y);
            rgb.push_back(static_cast<std::uint8_t>(c & 255));
            rgb.push_back(static_cast<std::uint8_t>((c >> 8) & 255));
            rgb.push_back(static_cast<std::uint8_t>((c >> 16) & 255));
        }
    }
    return rgb;
}

void Check(int written, const std::string& path) {
    if (!written) throw std::runtime_error("could not write " + path);
}

void Put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 255));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A pixel's value in a bitmap format: the index of its colour in the palette, or its components
// packed into the masks, rounded.
std::uint32_t BitmapValue(const BitmapFormat& format, const std::vector<Rgba>& palette, const Rgba& c) {
    if (format.bits <= 8) {
        const auto same = [&c](const Rgba& p) { return p.r == c.r && p.g == c.g && p.b == c.b; };
        return static_cast<std::uint32_t>(std::find_if(palette.begin(), palette.end(), same) - palette.begin());
    }
    const std::uint8_t components[] = {c.r, c.g, c.b, c.a};
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (format.masks[i] == 0) continue;
        const int shift = std::countr_zero(format.masks[i]);
        value |= static_cast<std::uint32_t>((components[i] * std::uint64_t{format.masks[i] >> shift} + 127) / 255 << shift);
    }
    return value;
}

// LZW data of a GIF image with 8-bit colour indices, kept simple: a clear code before the
// table can grow past 9-bit codes, so every code is 9 bits wide.
std::vector<std::uint8_t> GifImageData(const std::vector<std::uint8_t>& indices) {
    constexpr int kClear = 256, kEnd = 257, kCodesPerClear = 250, kCodeBits = 9;
    std::vector<std::uint8_t> packed;
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    auto emit = [&](int code) {
        bitBuffer |= static_cast<std::uint32_t>(code) << bitCount;
        bitCount += kCodeBits;
        while (bitCount >= 8) {
            packed.push_back(static_cast<std::uint8_t>(bitBuffer & 255));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % kCodesPerClear == 0) emit(kClear);
        emit(indices[i]);
    }
    emit(kEnd);
    if (bitCount > 0) packed.push_back(static_cast<std::uint8_t>(bitBuffer & 255));

    std::vector<std::uint8_t> out{8};  // minimum code size
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + at, packed.begin() + at + n);
    }
    out.push_back(0);
    return out;
}

}  // namespace

void WriteBmp(const std::string& path, const Picture& picture) {
    Check(stbi_write_bmp(path.c_str(), picture.width(), picture.height(), 3, Rgb(picture).data()), path);
}

std::vector<std::uint8_t> BitmapFile(const BitmapFormat& format, int width, int height, const std::vector<Rgba>& palette,
                                     const std::vector<std::uint8_t>& pixelData) {
    constexpr int kFileHeader = 14, kCoreHeader = 12, kInfoHeader = 40, kV3Header = 56, kBitFields = 3;
    const bool core = format.headerSize == kCoreHeader, bitFields = format.compression == kBitFields;
    const std::size_t headersEnd = kFileHeader + format.headerSize + (format.headerSize == kInfoHeader && bitFields ? 12 : 0);
    const std::size_t dataOffset = headersEnd + palette.size() * (core ? 3 : 4);
    std::vector<std::uint8_t> out{'B', 'M'};
    for (std::size_t field : {dataOffset + pixelData.size(), std::size_t{0}, dataOffset}) Put32(out, static_cast<std::uint32_t>(field));
    Put32(out, format.headerSize);
    if (core) {
        for (int field : {width, height, 1, format.bits}) Put16(out, field);
    } else {
        const bool fullPalette = format.bits <= 8 && palette.size() == std::size_t{1} << format.bits;
        for (int field : {width, format.topDown ? -height : height}) Put32(out, static_cast<std::uint32_t>(field));
        Put16(out, 1);
        Put16(out, format.bits);
        for (std::size_t field : {std::size_t(format.compression), pixelData.size(), std::size_t{2835}, std::size_t{2835},
                                  fullPalette ? 0 : palette.size(), std::size_t{0}}) {
            Put32(out, static_cast<std::uint32_t>(field));
        }
        for (int i = 0; bitFields && i < (format.headerSize >= kV3Header ? 4 : 3); ++i) Put32(out, format.masks[i]);
        out.resize(headersEnd);  // the rest of a longer header left zero
    }
    for (const Rgba& c : palette) {
        out.insert(out.end(), {c.b, c.g, c.r});
        if (!core) out.push_back(0);
    }
    out.insert(out.end(), pixelData.begin(), pixelData.end());
    return out;
}

// Values of up to 8 bits fill each byte from its high bits; longer ones are little-endian.
std::vector<std::uint8_t> BitmapRows(const BitmapFormat& format, const RgbaPicture& picture,
                                     const std::vector<Rgba>& palette) {
    const int bits = format.bits, rowBytes = (picture.width * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(rowBytes) * picture.height, 0);
    for (int row = 0; row < picture.height; ++row) {
        const int y = format.topDown ? row : picture.height - 1 - row;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t value = BitmapValue(format, palette, picture.at(x, y));
            const int bit = row * rowBytes * 8 + x * bits;
            if (bits <= 8) out[bit / 8] |= static_cast<std::uint8_t>(value << (8 - bits - bit % 8));
            for (int i = 0; bits > 8 && i < bits / 8; ++i) out[bit / 8 + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    return out;
}

std::vector<std::uint8_t> PngBytes(const RgbaPicture& picture) {
    std::vector<std::uint8_t> out;
    auto append = [](void* context, void* data, int size) {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(context);
        const auto* written = static_cast<const std::uint8_t*>(data);
        bytes->insert(bytes->end(), written, written + size);
    };
    Check(stbi_write_png_to_func(append, &out, picture.width, picture.height, 4, picture.pixels.data(), picture.width * 4),
          "PNG in memory");
    return out;
}

void WritePng(const std::string& path, const RgbaPicture& picture) { WriteBytes(path, PngBytes(picture)); }

void WriteJpeg(const std::string& path, const Picture& picture) {
    constexpr int kBestQuality = 100;
    Check(stbi_write_jpg(path.c_str(), picture.width(), picture.height(), 3, Rgb(picture).data(), kBestQuality),
          path);
}

void WriteGif(const std::string& path, const std::vector<RgbaPicture>& frames) {
    constexpr int kTransparentIndex = 255;
    std::map<std::uint32_t, int> palette;
    std::vector<std::uint8_t> table(256 * 3, 0);
    auto indexOf = [&](const Rgba& p) {
        if (p.a == 0) return kTransparentIndex;
        const std::uint32_t key = p.r | (p.g << 8) | (p.b << 16);
        auto [it, added] = palette.emplace(key, static_cast<int>(palette.size()));
        if (added) {
            if (it->second >= kTransparentIndex) throw std::runtime_error("too many colours for the GIF writer");
            table[it->second * 3] = p.r;
            table[it->second * 3 + 1] = p.g;
            table[it->second * 3 + 2] = p.b;
        }
        return it->second;
    };
    std::vector<std::vector<std::uint8_t>> frameIndices;
    for (const RgbaPicture& f : frames) {
        std::vector<std::uint8_t> indices;
        for (const Rgba& p : f.pixels) indices.push_back(static_cast<std::uint8_t>(indexOf(p)));
        frameIndices.push_back(indices);
    }

    const int width = frames.at(0).width, height = frames.at(0).height;
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, width);
    Put16(out, height);
    out.insert(out.end(), {0xF7, 0, 0});  // global table of 256 colours
    out.insert(out.end(), table.begin(), table.end());
    for (const auto& indices : frameIndices) {
        out.insert(out.end(), {0x21, 0xF9, 4, 0x01, 10, 0, kTransparentIndex, 0});  // transparency on
        out.push_back(0x2C);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, width);
        Put16(out, height);
        out.push_back(0);
        const std::vector<std::uint8_t> data = GifImageData(indices);
        out.insert(out.end(), data.begin(), data.end());
    }
    out.push_back(0x3B);
    WriteBytes(path, out);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ReadCrLfLines(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    std::vector<std::string> lines;
    std::string line;
    for (std::uint8_t b : bytes) {
        line += static_cast<char>(b);
        if (b != '\n') continue;
        EXPECT_GE(line.size(), 2u);
        EXPECT_EQ(line.substr(line.size() - 2), "\r\n") << "in " << path;
        lines.push_back(line.substr(0, line.size() - 2));
        line.clear();
    }
    EXPECT_TRUE(line.empty()) << "unterminated last line in " << path;
    return lines;
}

void PictureTest::EnterStepTwo() {
    Start();
    cmdNEXT_Click(w);
}

void PictureTest::ChooseFile(const std::string& path) {
    desk.dialogs.files.push_back(path);
    cmdOPEN_Click(w);
}

std::string PictureTest::ChoosePicture(const Picture& picture, const std::string& name) {
    const std::string path = TempDir() + name;
    WriteBmp(path, picture);
    ChooseFile(path);
    return path;
}

}  // namespace mipro::testing
