// Whether a picture file holds all the data its header promises. The decoder reads missing bytes
// of a cut bitmap, GIF or JPEG as zeros and reports success, so a file cut short is found here.
#pragma once

#include <cstdint>
#include <vector>

namespace mipro {

// False for a bitmap shorter than its pixel rows, a GIF whose first frame is cut, or a JPEG
// without its end marker after the image data. Other files are left to the decoder.
bool IsCompletePictureFile(const std::vector<std::uint8_t>& bytes);

}  // namespace mipro
