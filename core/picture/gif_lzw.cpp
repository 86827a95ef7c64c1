#include "picture/gif_lzw.h"

#include <array>

namespace mipro {

namespace {

constexpr int kLargestCodeSize = 12;
constexpr int kTableSize = 1 << kLargestCodeSize;
constexpr int kNoCode = -1;

// The data sub-blocks read as one run of bits, least significant first.
class CodeReader {
public:
    CodeReader(const std::vector<std::uint8_t>& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    // The next code of `size` bits; kNoCode at the end of the sub-blocks; `cut` is set when the
    // file ends inside them.
    int next(int size) {
        while (bitCount_ < size) {
            if (left_ == 0) {
                if (at_ >= bytes_.size()) return cutShort();
                left_ = bytes_[at_++];
                if (left_ == 0) return kNoCode;
            }
            if (at_ >= bytes_.size()) return cutShort();
            bits_ |= static_cast<std::uint32_t>(bytes_[at_++]) << bitCount_;
            bitCount_ += 8;
            --left_;
        }
        const int code = static_cast<int>(bits_ & ((1u << size) - 1));
        bits_ >>= size;
        bitCount_ -= size;
        return code;
    }

    bool cut = false;

private:
    int cutShort() {
        cut = true;
        return kNoCode;
    }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    std::size_t left_ = 0;  // bytes left in the current sub-block
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
};

// Each code stands for its prefix code's string and one more index.
class CodeTable {
public:
    explicit CodeTable(int minimumCodeSize) : clear_(1 << minimumCodeSize), minimumCodeSize_(minimumCodeSize) {
        for (int i = 0; i < clear_; ++i) entries_[i] = {kNoCode, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i), 1};
        reset();
    }

    void reset() {
        next_ = clear_ + 2;
        codeSize_ = minimumCodeSize_ + 1;
    }
    int clear() const { return clear_; }
    int end() const { return clear_ + 1; }
    int next() const { return next_; }
    int codeSize() const { return codeSize_; }

    // The string of `previous` and the first index of `code` (code may be the one being added).
    // A full table adds nothing; the code size grows when the next code needs another bit.
    void add(int previous, int code) {
        if (next_ >= kTableSize) return;
        const Entry& p = entries_[previous];
        const std::uint8_t last = code == next_ ? p.first : entries_[code].first;
        entries_[next_] = {previous, p.first, last, p.length + 1};
        ++next_;
        if (next_ == (1 << codeSize_) && codeSize_ < kLargestCodeSize) ++codeSize_;
    }

    // The indices `code` stands for, written into `out`; their number.
    std::size_t spell(int code, std::array<std::uint8_t, kTableSize>& out) const {
        const std::size_t length = entries_[code].length;
        for (std::size_t i = length; i > 0; --i) {
            out[i - 1] = entries_[code].last;
            code = entries_[code].prefix;
        }
        return length;
    }

private:
    struct Entry {
        int prefix;
        std::uint8_t first;
        std::uint8_t last;
        int length;
    };
    std::array<Entry, kTableSize> entries_{};
    int clear_;
    int minimumCodeSize_;
    int next_ = 0;
    int codeSize_ = 0;
};

}  // namespace

LzwEnd DecodeGifLzw(const std::vector<std::uint8_t>& bytes, std::size_t at, int minimumCodeSize, GifIndexSink& sink) {
    if (minimumCodeSize < 0 || minimumCodeSize > kLargestCodeSize - 1) return LzwEnd::Broken;
    CodeReader reader(bytes, at);
    CodeTable table(minimumCodeSize);
    std::array<std::uint8_t, kTableSize> spelled{};
    bool started = false;
    int previous = kNoCode;
    for (;;) {
        const int code = reader.next(table.codeSize());
        if (code == kNoCode) return reader.cut ? LzwEnd::Broken : LzwEnd::Finished;
        if (code == table.clear()) {
            table.reset();
            previous = kNoCode;
            started = true;
            continue;
        }
        if (code == table.end()) return LzwEnd::Finished;
        if (!started || code > table.next() || (code == table.next() && previous == kNoCode)) return LzwEnd::Broken;
        if (previous != kNoCode) table.add(previous, code);
        const std::size_t count = table.spell(code, spelled);
        if (!sink.put(spelled.data(), count)) return LzwEnd::Finished;
        previous = code;
    }
}

}  // namespace mipro
