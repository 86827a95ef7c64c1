#include "picture/image_load.h"

#include <charconv>

#include "base/nearest_int.h"
#include "interfaces/main_window.h"
#include "picture/file_bytes.h"
#include "picture/image_decode.h"

namespace mipro {

namespace {

const char* const kCannotOpen = "ファイルが開けません";
const char* const kCrLf = "\r\n";

// The shortest decimal text of a single-precision value ("320", "0.5").
std::string SingleText(float v) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

std::int32_t ClipSide(float side) {
    const std::int32_t whole = NearestInt(side);
    return whole > kClipSide ? kClipSide : whole;
}

void ShowThumbnail(Wizard& w) {
    const State& st = w.st;
    MainWindow& win = w.pf.window;
    const int box = st.StepNo;
    win.clearThumbnail(box);
    const std::int32_t dw = NearestInt(st.ImgWidth * static_cast<double>(st.ThumbScale));
    const std::int32_t dh = NearestInt(st.ImgHeight * static_cast<double>(st.ThumbScale));
    win.paintThumbnail(box, st.picIMG, st.ImgWidth, st.ImgHeight, dw, dh);
    win.setVisible({Control::picIMGCHK, box}, true);
}

}  // namespace

std::string BuildImgInfoText(float sw, float sh, int clippedWidth, int clippedHeight) {
    const std::string size = "Width " + SingleText(sw) + " x Height " + SingleText(sh) + " pixel";
    if (!(sw > kClipSide || sh > kClipSide)) return size;
    return "元画像 " + size + kCrLf + "クリップ後のサイズ - Width " + std::to_string(clippedWidth) +
           " x Height " + std::to_string(clippedHeight) + " pixel" + kCrLf + kCrLf + "※" +
           std::to_string(kClipSide) + " pixel を超えた部分はクリップされます。";
}

float ComputeThumbScale(int imgWidth, int imgHeight) {
    const int larger = imgWidth > imgHeight ? imgWidth : imgHeight;
    if (larger > kThumbnailSide) return static_cast<float>(static_cast<double>(kThumbnailSide) / larger);
    return 1.0f;
}

// The canvas is replaced only by a picture that decoded completely: after a failed load the
// earlier picture stays on it, so its measurements, thumbnail and a later extraction still agree.
Boolean ImgLoad(Wizard& w, const std::string& sImgFileName) {
    State& st = w.st;
    MainWindow& win = w.pf.window;
    w.pf.pointer.setShape(PointerShape::Hourglass);
    win.lockUpdate(true);

    std::optional<DecodedPicture> decoded;
    if (auto bytes = ReadFileBytes(sImgFileName, kMaxPictureFileBytes)) {
        decoded = DecodePicture(*bytes, kClipSide, kClipSide);
    }
    if (!decoded) {
        win.lockUpdate(false);
        w.pf.pointer.setShape(PointerShape::Default);
        w.pf.dialogs.messageBox(kCannotOpen, MsgBox::Exclamation, st.AppTitle);
        return False;
    }

    st.picIMG = std::move(decoded->canvas);
    const float sw = static_cast<float>(decoded->width);
    const float sh = static_cast<float>(decoded->height);
    st.ImgWidth = ClipSide(sw);
    st.ImgHeight = ClipSide(sh);
    st.ImgInfoText = BuildImgInfoText(sw, sh, st.ImgWidth, st.ImgHeight);
    win.setCaption({Control::lblSTINFO, st.StepNo}, st.ImgInfoText);
    st.ThumbScale = ComputeThumbScale(st.ImgWidth, st.ImgHeight);
    ShowThumbnail(w);

    w.pf.pointer.setShape(PointerShape::Default);
    win.lockUpdate(false);
    return True;
}

}  // namespace mipro
