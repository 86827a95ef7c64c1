// A PNG's chunks read in file order: the header and the chunks before the image data, then the
// image data inflated on demand, a row at a time, so no more than a row is ever held.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "picture/png_format.h"

namespace mipro {

class PngStream {
public:
    explicit PngStream(const std::vector<std::uint8_t>& bytes);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // The header, palette and transparency read up to the first data chunk; nothing when they are
    // broken or the file has no image data.
    std::optional<PngFormat> readFormat();

    // Fills `out` with the next `count` bytes of the inflated image data; false when the data
    // ends first or is broken.
    bool inflateInto(std::uint8_t* out, std::size_t count);

private:
    struct Chunk {
        std::uint32_t type = 0;
        std::size_t data = 0;    // where its data starts in the file
        std::size_t length = 0;
    };
    std::optional<Chunk> nextChunk();
    bool feedNextDataChunk();

    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
    struct Inflater;
    std::unique_ptr<Inflater> inflater_;
};

}  // namespace mipro
