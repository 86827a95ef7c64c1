#include "picture_test_files.h"

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

void WritePng(const std::string& path, const RgbaPicture& picture) {
    Check(stbi_write_png(path.c_str(), picture.width, picture.height, 4, picture.pixels.data(), picture.width * 4),
          path);
}

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
