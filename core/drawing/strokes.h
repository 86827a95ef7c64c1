// The pixels of a list as the run draws them, one stroke at a time: a single pixel, or, with lines
// for runs, a row of neighbouring pixels of one colour (the sorted list gives a colour's pixels in
// row order), drawn as one drag from the first to the last.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "drawing/pixel_line.h"
#include "drawing/pixel_list_reader.h"

namespace mipro {

// Where the pixels come from: the sorted list's work file, or a list in memory.
class PixelSource {
public:
    virtual ~PixelSource() = default;
    virtual bool next(PixelLine& px) = 0;
};

class FileSource : public PixelSource {
public:
    explicit FileSource(PixelListReader& reader) : reader_(reader) {}
    bool next(PixelLine& px) override;

private:
    PixelListReader& reader_;
    std::string text_;
};

class MemorySource : public PixelSource {
public:
    explicit MemorySource(const std::vector<PixelLine>& lines) : lines_(lines) {}
    bool next(PixelLine& px) override;

private:
    const std::vector<PixelLine>& lines_;
    std::size_t at_ = 0;
};

struct Stroke {
    PixelLine first;          // its colour and first pixel
    std::int32_t lastX = 0;   // on the first pixel's row
    std::int32_t lines = 0;   // lines of the list taken, those passed over included
    bool single() const { return lastX == first.x; }
};

class StrokeReader {
public:
    // keep: whether a pixel is drawn at all; those it refuses are passed over.
    StrokeReader(PixelSource& source, bool joinRuns, std::function<bool(const PixelLine&)> keep);

    // The next stroke; false at the end of the list. Every pixel read is also given to `seen`
    // when one is set, kept or not.
    bool next(Stroke& stroke);
    std::function<void(const PixelLine&)> seen;
    // From the next stroke on, every pixel is a stroke of its own.
    void stopJoining() { join_runs_ = false; }

private:
    bool read(PixelLine& px);
    bool continues(const Stroke& stroke, const PixelLine& px) const;

    PixelSource& source_;
    bool join_runs_;
    std::function<bool(const PixelLine&)> keep_;
    PixelLine ahead_;
    bool have_ahead_ = false;
};

}  // namespace mipro
