// Checks of a GIF, JPEG or PNG file made before it is decoded (bitmaps are checked by their own
// decoder). A GIF whose first frame is cut and a PNG whose chunks are cut are refused whole. The
// JPEG decoder (stb_image) reads missing bytes of a cut file as zeros and reports success, writes
// past its own tables on a Huffman table of more than 256 codes, reads out of bounds through a
// Huffman table a scan uses undefined and computes with uncleared memory for an undefined
// quantisation table; such files are refused here.
#pragma once

#include <cstdint>
#include <vector>

namespace mipro {

bool IsPngFile(const std::vector<std::uint8_t>& bytes);
bool IsGifFile(const std::vector<std::uint8_t>& bytes);

// False for a GIF whose first frame is cut, a PNG whose chunks do not all lie whole in the file up
// to its end chunk, and for any other file unless it is a JPEG whose segments are whole, whose
// Huffman tables hold at most 256 codes, whose Huffman and quantisation tables are defined before
// a scan uses them, and whose end marker follows the image data.
bool PassesFileChecks(const std::vector<std::uint8_t>& bytes);

// False for a JPEG too short to give each 8 x 8 block of the size it claims one bit of data, the
// least any block takes: decoding it would cost as much as a real picture of that size.
bool HoldsDataForSize(const std::vector<std::uint8_t>& bytes, int width, int height);

}  // namespace mipro
