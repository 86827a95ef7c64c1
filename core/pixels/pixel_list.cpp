#include "pixels/pixel_list.h"

#include <fstream>
#include <string>

#include "base/nearest_int.h"
#include "base/utf8_path.h"
#include "pixels/rgb_record.h"

namespace mipro {

namespace {

constexpr int kWhite = 255;
const char kLineEnd[] = "\r\n";

void PutThreeDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 100 % 10);
    at[1] = static_cast<char>('0' + value / 10 % 10);
    at[2] = static_cast<char>('0' + value % 10);
}

// Reveals one more strip of the step-2 thumbnail per rows-per-step rows, at most kThumbnailSide,
// and lets events run each time; once every strip is shown events run after each row.
class ProgressStrips {
public:
    explicit ProgressStrips(Wizard& w) : w_(w), rows_per_step_(RowsPerStep(w.st.ImgHeight, w.st.ThumbScale)) {}

    void rowDone() {
        ++rows_since_strip_;
        if (strip_ < kThumbnailSide) {
            if (rows_since_strip_ < rows_per_step_) return;
            w_.pf.window.copyThumbnailRow(w_.st.StepNo - 1, w_.st.StepNo, strip_);
            ++strip_;
            rows_since_strip_ = 0;
        }
        w_.pf.window.doEvents();
    }

private:
    Wizard& w_;
    const std::int32_t rows_per_step_;
    std::int32_t rows_since_strip_ = 0;
    std::int32_t strip_ = 0;
};

}  // namespace

PixelLine FormatPixelLine(int red, int green, int blue, int y, int x) {
    PixelLine line;
    PutThreeDigits(&line[0], red);
    PutThreeDigits(&line[3], green);
    PutThreeDigits(&line[6], blue);
    PutThreeDigits(&line[9], y);
    PutThreeDigits(&line[12], x);
    return line;
}

std::int32_t RowsPerStep(std::int32_t imgHeight, float thumbScale) {
    return NearestInt(imgHeight / (imgHeight * static_cast<double>(thumbScale)));
}

bool WritePixelList(Wizard& w, const Picture& picture, StatusBlink& blink) {
    State& st = w.st;
    st.PixCount = 0;
    std::ofstream out(Utf8Path(st.PixFile), std::ios::binary | std::ios::trunc);

    ProgressStrips progress(w);
    RGB colour;
    std::string row;  // one row's lines at most, written together
    for (int y = 0; y < st.ImgHeight; ++y) {
        row.clear();
        for (int x = 0; x < st.ImgWidth; ++x) {
            colour.Color(picture.point(x, y));
            const int red = colour.Red(), green = colour.Green(), blue = colour.Blue();
            if (red == kWhite && green == kWhite && blue == kWhite) continue;
            const PixelLine line = FormatPixelLine(red, green, blue, y, x);
            row.append(line.data(), line.size());
            row.append(kLineEnd);
            ++st.PixCount;
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
        progress.rowDone();
        blink.tick();
    }
    out.close();
    return !out.fail();
}

}  // namespace mipro
