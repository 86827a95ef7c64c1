// Checks of a picture file made before it is decoded. The decoder reads missing bytes of a cut
// bitmap, GIF or JPEG as zeros and reports success, and it writes past its own tables on a JPEG
// Huffman table of more than 256 codes; such files are refused here.
#pragma once

#include <cstdint>
#include <vector>

namespace mipro {

// False for a bitmap shorter than its pixel rows, a GIF whose first frame is cut, or a JPEG whose
// segments are cut, whose end marker is missing or whose Huffman tables hold more than 256 codes.
// Other files are left to the decoder.
bool PassesFileChecks(const std::vector<std::uint8_t>& bytes);

}  // namespace mipro
