#include "picture/bitmap_rle.h"

#include <algorithm>

namespace mipro {

namespace {

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kMove = 2;
constexpr std::size_t kPairBytes = 2;
constexpr std::size_t kMoveBytes = 2;
constexpr int kNibbleBits = 4;
constexpr int kNibbleMask = 15;

// The index of pixel i of a run whose indices come two to a byte, the high nibble first.
int Nibble(std::uint8_t twoIndices, std::int64_t i) {
    return i % 2 == 0 ? twoIndices >> kNibbleBits : twoIndices & kNibbleMask;
}

// The pen that draws the runs: its place counted from the bottom-left corner of the picture,
// and the canvas, which holds the picture's top-left part.
class Pen {
public:
    Pen(const BitmapLayout& layout, Picture& canvas) : palette_(layout.palette), height_(layout.height), canvas_(canvas) {}

    // Draws `count` pixels rightwards from the pen, pixel i in the colour of index indexOf(i),
    // and moves the pen past them. Only pixels on the canvas are drawn.
    template <typename IndexOf>
    void draw(std::int64_t count, IndexOf indexOf) {
        const std::int64_t row = height_ - 1 - y_;
        const bool rowShown = y_ < height_ && row < canvas_.height();
        const std::int64_t shown = rowShown ? std::clamp<std::int64_t>(canvas_.width() - x_, 0, count) : 0;
        for (std::int64_t i = 0; i < shown; ++i) {
            canvas_.setPoint(static_cast<int>(x_ + i), static_cast<int>(row), palette_[indexOf(i)]);
        }
        x_ += count;
    }

    void nextLine() {
        x_ = 0;
        ++y_;
    }

    void move(int right, int up) {
        x_ += right;
        y_ += up;
    }

private:
    const std::vector<ColourValue>& palette_;
    std::int64_t height_;
    Picture& canvas_;
    std::int64_t x_ = 0;  // 64 bits: runs past the edge add up without bound
    std::int64_t y_ = 0;
};

class RleReader {
public:
    RleReader(const std::vector<std::uint8_t>& bytes, const BitmapLayout& layout, Picture& canvas)
        : bytes_(bytes), at_(layout.dataOffset), fourBits_(layout.coding == BitmapCoding::Rle4), pen_(layout, canvas) {}

    bool draw() {
        while (has(kPairBytes)) {
            const std::uint8_t count = bytes_[at_];
            const std::uint8_t code = bytes_[at_ + 1];
            at_ += kPairBytes;
            if (count != kEscape) {
                pen_.draw(count, [&](std::int64_t i) { return fourBits_ ? Nibble(code, i) : code; });
            } else if (code == kEndOfLine) {
                pen_.nextLine();
            } else if (code == kEndOfBitmap) {
                return true;
            } else if (code == kMove) {
                if (!has(kMoveBytes)) return false;
                pen_.move(bytes_[at_], bytes_[at_ + 1]);
                at_ += kMoveBytes;
            } else if (!drawAbsolute(code)) {
                return false;
            }
        }
        return false;
    }

private:
    bool has(std::size_t n) const { return at_ <= bytes_.size() && bytes_.size() - at_ >= n; }

    bool drawAbsolute(std::uint8_t count) {
        const std::size_t dataBytes = fourBits_ ? (count + 1u) / 2 : count;
        const std::size_t paddedBytes = dataBytes + dataBytes % 2;
        if (!has(paddedBytes)) return false;
        const std::uint8_t* first = bytes_.data() + at_;
        pen_.draw(count, [&](std::int64_t i) { return fourBits_ ? Nibble(first[i / 2], i) : first[i]; });
        at_ += paddedBytes;
        return true;
    }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    bool fourBits_;
    Pen pen_;
};

}  // namespace

bool DrawBitmapRle(const std::vector<std::uint8_t>& bytes, const BitmapLayout& layout, Picture& canvas) {
    return RleReader(bytes, layout, canvas).draw();
}

}  // namespace mipro
