#include "picture/png_decode.h"

#include <algorithm>
#include <iterator>

#include "picture/png_format.h"
#include "picture/png_stream.h"

namespace mipro {

namespace {

constexpr int kBitsPerByte = 8;

// One pass of the picture: every dx-th pixel of every dy-th row, from (x0, y0). A picture that is
// not interlaced is one pass of all its pixels; an interlaced one has the seven passes of Adam7.
struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass kWhole{0, 0, 1, 1};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

int Count(int size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

class PngDrawer {
public:
    PngDrawer(PngStream& stream, const PngFormat& format, Picture& canvas)
        : stream_(stream), format_(format), pixels_(format), canvas_(canvas),
          bytesPerPixel_(std::max<std::size_t>(1, static_cast<std::size_t>(format.bitsPerPixel()) / kBitsPerByte)) {}

    // Reads the rows of one pass; only those of the kept part are unfiltered and drawn.
    bool drawPass(const Pass& pass) {
        const int columns = Count(format_.width, pass.x0, pass.dx);
        const int rows = Count(format_.height, pass.y0, pass.dy);
        if (columns == 0 || rows == 0) return true;  // an empty pass has no data at all
        const std::size_t bytes = format_.rowBytes(columns);
        // A filter looks only left and up, so the bytes of the kept columns are all that is undone.
        const int keptColumns = Count(canvas_.width(), pass.x0, pass.dx);
        const std::size_t keptBytes = format_.rowBytes(keptColumns);
        row_.assign(bytes + 1, 0);
        previous_.assign(bytes + 1, 0);
        for (int r = 0; r < rows && !isLastNeeded(pass, r); ++r) {
            if (!stream_.inflateInto(row_.data(), row_.size())) return false;
            const int y = pass.y0 + r * pass.dy;
            if (y >= canvas_.height()) continue;  // still read: later passes follow it
            if (!UnfilterPngRow(row_[0], row_.data() + 1, previous_.data() + 1, keptBytes, bytesPerPixel_)) return false;
            for (int c = 0, x = pass.x0; c < keptColumns; ++c, x += pass.dx) {
                canvas_.setPoint(x, y, pixels_.colour(row_.data() + 1, c));
            }
            row_.swap(previous_);
        }
        return true;
    }

    // Past the kept rows of the last pass nothing more is needed.
    void setLastPass(const Pass* last) { last_ = last; }

private:
    bool isLastNeeded(const Pass& pass, int r) const { return &pass == last_ && pass.y0 + r * pass.dy >= canvas_.height(); }

    PngStream& stream_;
    const PngFormat& format_;
    PngPixels pixels_;
    Picture& canvas_;
    std::size_t bytesPerPixel_;
    const Pass* last_ = nullptr;
    std::vector<std::uint8_t> row_, previous_;
};

}  // namespace

std::optional<DecodedPicture> DecodePng(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    PngStream stream(bytes);
    const std::optional<PngFormat> format = stream.readFormat();
    if (!format) return std::nullopt;

    DecodedPicture out;
    out.width = format->width;
    out.height = format->height;
    out.canvas = Picture(std::min(format->width, keepWidth), std::min(format->height, keepHeight));
    PngDrawer drawer(stream, *format, out.canvas);
    if (!format->interlaced) {
        drawer.setLastPass(&kWhole);
        if (!drawer.drawPass(kWhole)) return std::nullopt;
        return out;
    }
    drawer.setLastPass(&kAdam7[std::size(kAdam7) - 1]);
    for (const Pass& pass : kAdam7) {
        if (!drawer.drawPass(pass)) return std::nullopt;
    }
    return out;
}

}  // namespace mipro
