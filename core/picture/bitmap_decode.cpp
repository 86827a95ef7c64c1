#include "picture/bitmap_decode.h"

#include <algorithm>

#include "picture/bitmap_layout.h"
#include "picture/bitmap_rle.h"
#include "picture/bitmap_rows.h"

namespace mipro {

bool IsBitmapFile(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::optional<DecodedPicture> DecodeBitmap(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    const std::optional<BitmapLayout> layout = ReadBitmapLayout(bytes);
    if (!layout) return std::nullopt;

    DecodedPicture out;
    out.width = layout->width;
    out.height = layout->height;
    out.canvas = Picture(std::min(layout->width, keepWidth), std::min(layout->height, keepHeight));
    const bool drawn = layout->coding == BitmapCoding::Rows ? DrawBitmapRows(bytes, *layout, out.canvas)
                                                            : DrawBitmapRle(bytes, *layout, out.canvas);
    if (!drawn) return std::nullopt;
    return out;
}

}  // namespace mipro
