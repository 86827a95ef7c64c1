// The LZW code stream of a GIF image, read from its data sub-blocks and turned into palette
// indices as it goes, so nothing but the code table (4096 entries) is held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mipro {

// Receives the indices in the order they are coded; false when it needs no more.
class GifIndexSink {
public:
    virtual ~GifIndexSink() = default;
    virtual bool put(const std::uint8_t* indices, std::size_t count) = 0;
};

enum class LzwEnd { Finished, Broken };

// Decodes the sub-blocks that start at `at` (each a length byte and that many bytes, ended by an
// empty one) with the given minimum code size. Finished when the end code, the end of the
// sub-blocks or a sink that needs no more ends it; Broken for a code the table does not hold yet,
// a stream that does not start with the clear code, a code size over 12 or sub-blocks cut short.
LzwEnd DecodeGifLzw(const std::vector<std::uint8_t>& bytes, std::size_t at, int minimumCodeSize, GifIndexSink& sink);

}  // namespace mipro
