#include "picture/gif_decode.h"

#include <algorithm>
#include <iterator>

#include "picture/gif_lzw.h"

namespace mipro {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kScreenDescriptorEnd = 13;
constexpr std::size_t kImageDescriptorBytes = 10;
constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B, kGraphicControl = 0xF9;
constexpr std::uint8_t kHasColourTable = 0x80, kInterlaced = 0x40, kHasTransparency = 0x01;
constexpr std::size_t kGraphicControlBytes = 4;
constexpr int kNoTransparency = -1;

int Le16(const Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

std::size_t TableEntries(std::uint8_t flags) { return (flags & kHasColourTable) ? std::size_t{2} << (flags & 7) : 0; }

// One image of the GIF: where it lies on the screen, its colour table (3 bytes an entry) and its
// coded data.
struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::size_t table = 0, tableEntries = 0;
    int transparent = kNoTransparency;
    int minimumCodeSize = 0;
    std::size_t data = 0;  // its first data sub-block
};

// The blocks before the first image: extensions are passed over, the graphic control
// extension's transparent index is kept. Nothing for a file that ends or breaks first.
std::optional<GifImage> FindFirstImage(const Bytes& b) {
    if (b.size() < kScreenDescriptorEnd) return std::nullopt;
    const std::size_t globalTable = kScreenDescriptorEnd, globalEntries = TableEntries(b[10]);
    std::size_t at = globalTable + 3 * globalEntries;
    int transparent = kNoTransparency;
    while (at < b.size()) {
        if (b[at] == kImage) {
            if (b.size() - at < kImageDescriptorBytes) return std::nullopt;
            GifImage image{Le16(b, at + 1), Le16(b, at + 3), Le16(b, at + 5), Le16(b, at + 7)};
            const std::uint8_t flags = b[at + 9];
            image.interlaced = flags & kInterlaced;
            image.tableEntries = TableEntries(flags) ? TableEntries(flags) : globalEntries;
            image.table = TableEntries(flags) ? at + kImageDescriptorBytes : globalTable;
            if (image.tableEntries == 0) return std::nullopt;  // no colour table at all
            image.transparent = transparent;
            at += kImageDescriptorBytes + 3 * TableEntries(flags);
            if (at >= b.size()) return std::nullopt;
            image.minimumCodeSize = b[at];
            image.data = at + 1;
            return image;
        }
        if (b[at] != kExtension || b.size() - at < 2) return std::nullopt;  // the trailer, or not a GIF block
        const bool control = b[at + 1] == kGraphicControl;
        at += 2;
        if (control && at + 1 + kGraphicControlBytes <= b.size() && b[at] == kGraphicControlBytes) {
            transparent = (b[at + 1] & kHasTransparency) ? b[at + 4] : kNoTransparency;
        }
        while (at < b.size() && b[at] != 0) at += b[at] + 1u;  // the extension's sub-blocks
        ++at;
    }
    return std::nullopt;
}

// Takes the indices row by row, in the order of the image (interlaced: every 8th row from 0, every
// 8th from 4, every 4th from 2, every 2nd from 1), and draws the rows that fall on the canvas.
class RowDrawer : public GifIndexSink {
public:
    RowDrawer(const Bytes& bytes, const GifImage& image, Picture& canvas)
        : bytes_(bytes), image_(image), canvas_(canvas), row_(static_cast<std::size_t>(image.width)),
          neededRows_(std::clamp(canvas.height() - image.top, 0, image.height)) {}

    bool needsMore() const { return drawn_ < neededRows_ && image_.width > 0; }

    // Data that ends inside a row still shows the pixels it gave.
    void drawPartRow() {
        const int y = image_.top + rowInImage_;
        if (filled_ > 0 && needsMore() && y < canvas_.height()) drawRow(y, filled_);
    }

    bool put(const std::uint8_t* indices, std::size_t count) override {
        for (std::size_t i = 0; i < count && needsMore(); ++i) {
            row_[filled_++] = indices[i];
            if (filled_ == row_.size()) finishRow();
        }
        return needsMore();
    }

private:
    struct Pass {
        int start, step;
    };
    static constexpr Pass kInterlacePasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

    void finishRow() {
        const int y = image_.top + rowInImage_;
        if (y < canvas_.height()) {
            drawRow(y, row_.size());
            ++drawn_;
        }
        filled_ = 0;
        advance();
    }

    void drawRow(int y, std::size_t filled) {
        const int columns = std::min(static_cast<int>(filled), canvas_.width() - image_.left);
        for (int x = 0; x < columns; ++x) {
            const std::size_t index = row_[static_cast<std::size_t>(x)];
            if (index >= image_.tableEntries || static_cast<int>(index) == image_.transparent) continue;
            const std::uint8_t* rgb = &bytes_[image_.table + 3 * index];
            canvas_.setPoint(image_.left + x, y, ColourOnWhite(rgb[0], rgb[1], rgb[2], 255));
        }
    }

    void advance() {
        if (!image_.interlaced) {
            ++rowInImage_;
            return;
        }
        rowInImage_ += kInterlacePasses[pass_].step;
        while (rowInImage_ >= image_.height && pass_ + 1 < std::size(kInterlacePasses)) {
            rowInImage_ = kInterlacePasses[++pass_].start;
        }
    }

    const Bytes& bytes_;
    const GifImage& image_;
    Picture& canvas_;
    std::vector<std::uint8_t> row_;
    std::size_t filled_ = 0;
    int rowInImage_ = 0;
    std::size_t pass_ = 0;
    int neededRows_;
    int drawn_ = 0;
};

bool IsGifVersion(const Bytes& b) {
    return b.size() >= 6 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8' && (b[4] == '7' || b[4] == '9') &&
           b[5] == 'a';
}

}  // namespace

std::optional<DecodedPicture> DecodeGif(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    if (!IsGifVersion(bytes) || bytes.size() < kScreenDescriptorEnd) return std::nullopt;
    const int width = Le16(bytes, 6), height = Le16(bytes, 8);
    if (!AcceptedPictureSize(width, height)) return std::nullopt;
    const std::optional<GifImage> image = FindFirstImage(bytes);
    if (!image || image->left + image->width > width || image->top + image->height > height) return std::nullopt;

    DecodedPicture out;
    out.width = width;
    out.height = height;
    out.canvas = Picture(std::min(width, keepWidth), std::min(height, keepHeight));
    RowDrawer drawer(bytes, *image, out.canvas);
    if (drawer.needsMore() && DecodeGifLzw(bytes, image->data, image->minimumCodeSize, drawer) == LzwEnd::Broken) {
        return std::nullopt;
    }
    drawer.drawPartRow();
    return out;
}

}  // namespace mipro
