// Picture files written by the tests themselves, and a wizard standing at step 2 or 3.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/picture.h"
#include "wizard_fixture.h"

namespace mipro::testing {

struct Rgba {
    std::uint8_t r, g, b, a;
};

// A picture with an alpha channel, row by row from the top.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
    RgbaPicture(int w, int h, Rgba fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The headers and pixel coding of a bitmap file.
struct BitmapFormat {
    int headerSize = 40;  // 12 (OS/2 1.x), 40, 52, 56, 64 (OS/2 2.x), 108 or 124
    int bits = 24;
    int compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    // Red, green, blue and alpha of 16, 24 and 32-bit pixels; in the file only with bit fields.
    std::array<std::uint32_t, 4> masks{};
    bool topDown = false;
};

// A bitmap file: headers, the palette (colours used 0 when it is full) and the pixel data as given.
std::vector<std::uint8_t> BitmapFile(const BitmapFormat& format, int width, int height, const std::vector<Rgba>& palette,
                                     const std::vector<std::uint8_t>& pixelData);
// The picture's uncompressed pixel rows in the format: indices of its colours in the palette, or
// its colours packed into the format's masks, rounded.
std::vector<std::uint8_t> BitmapRows(const BitmapFormat& format, const RgbaPicture& picture,
                                     const std::vector<Rgba>& palette);
std::vector<std::uint8_t> PngBytes(const RgbaPicture& picture);

void WriteBmp(const std::string& path, const Picture& picture);
void WritePng(const std::string& path, const RgbaPicture& picture);
void WriteJpeg(const std::string& path, const Picture& picture);
// A GIF whose frames all have the picture's size; a fully transparent pixel uses the
// transparent colour index.
void WriteGif(const std::string& path, const std::vector<RgbaPicture>& frames);

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The file's lines without their CR LF; fails the test when a line does not end in CR LF.
std::vector<std::string> ReadCrLfLines(const std::string& path);

// A wizard at step 2 whose file dialog answers with the files queued by ChooseFile.
class PictureTest : public WizardTest {
protected:
    using WizardTest::WizardTest;

    // Enters step 2 as the user does: start, then Next.
    void EnterStepTwo();
    // Queues `path` as the dialog's answer and clicks the browse button.
    void ChooseFile(const std::string& path);
    // Writes the picture as a bitmap in the test's directory and chooses it.
    std::string ChoosePicture(const Picture& picture, const std::string& name = "picture.bmp");
    std::string TempDir() { return desk.files.tempPath(); }
};

}  // namespace mipro::testing
