// Picture files written by the tests themselves, and a wizard standing at step 2 or 3.
#pragma once

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
};

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
