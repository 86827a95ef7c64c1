// Checks of a picture file made before it is decoded. The decoder reads missing bytes of a cut
// bitmap, GIF or JPEG as zeros and reports success, writes past its own tables on a JPEG Huffman
// table of more than 256 codes and reads out of bounds through a table a scan uses undefined;
// such files are refused here, as is a PNG whose data chunk claims more bytes than the file
// holds (the decoder would first allocate that much).
#pragma once

#include <cstdint>
#include <vector>

namespace mipro {

// False for a bitmap shorter than its pixel rows, a GIF whose first frame is cut, a PNG whose
// chunks do not all lie whole in the file up to its end chunk, and for any other file unless it
// is a JPEG whose segments are whole, whose Huffman tables hold at most 256 codes and are defined
// before a scan uses them, and whose end marker follows the image data.
bool PassesFileChecks(const std::vector<std::uint8_t>& bytes);

// False for a JPEG too short to give each 8 x 8 block of the size it claims one bit of data, the
// least any block takes: decoding it would cost as much as a real picture of that size.
bool HoldsDataForSize(const std::vector<std::uint8_t>& bytes, int width, int height);

}  // namespace mipro
