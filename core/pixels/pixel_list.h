// The unsorted pixel list: one 15-digit line per non-white pixel, in reading order.
#pragma once

#include <array>
#include <cstdint>

#include "pixels/status_blink.h"
#include "wizard/wizard.h"

namespace mipro {

constexpr std::size_t kPixelLineDigits = 15;
using PixelLine = std::array<char, kPixelLineDigits>;

// Red, green, blue, y and x, each as three zero-padded decimal digits.
PixelLine FormatPixelLine(int red, int green, int blue, int y, int x);

// Picture rows per progress strip: 1 up to a 140-pixel picture, else the larger side over 140.
std::int32_t RowsPerStep(std::int32_t imgHeight, float thumbScale);

// Writes PixFile from the ImgWidth x ImgHeight area of `picture` (picIMG, or picIMG with fewer
// colours) and sets PixCount, revealing the step-2 thumbnail strip by strip in picIMGCHK(StepNo)
// and letting events run after each strip. The lines go straight to the file; the list is never
// held in memory. False when the file could not be written whole.
bool WritePixelList(Wizard& w, const Picture& picture, StatusBlink& blink);

}  // namespace mipro
