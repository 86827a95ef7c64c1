#include "drawing/after_check.h"

#include <string>
#include <vector>

#include "drawing/board_colour.h"
#include "drawing/draw_run.h"
#include "drawing/list_drawing.h"
#include "interfaces/dialogs.h"

namespace mipro {

namespace {

constexpr int kMostPasses = 5;
// A board paints its last clicks in its own time (a browser, on its next frame): the canvas is read
// after this pause, and again until two reads a pause apart agree.
constexpr int kPaintSettleMs = 200;
constexpr int kMostReads = 10;
constexpr std::size_t kPlacesNamed = 5;

const std::string kCrLf = "\r\n";
const std::string kChecking = " 描画を確認しています...";
const std::string kAllDrawn = " 描画 100% 完了...";
const std::string kNotChecked = " 描画終了 (確認できませんでした)";
const std::string kMisread =
    "描き終わった後に描画エリアを確かめましたが、ほとんどのピクセルが予定と違って見えます。" + kCrLf +
    "別のウィンドウが重なっている、ページがスクロールされた、ブラウザの表示倍率が 100% でない、"
    "などが考えられます。" + kCrLf + "描き直しはしませんでした。";
const std::string kUnreadable = "画面を読み取れなかったため、描き終わった後の確認はできませんでした。";

std::string RepairCaption(int pass, int percent) {
    return " 修正 " + std::to_string(pass) + " 回目 " + std::to_string(percent) + "% 完了...";
}

std::string UnmendedCaption(std::size_t count) {
    return " 描画終了 (直せなかったピクセル " + std::to_string(count) + " 個)";
}

// How many pixels, and where the first few lie on the canvas.
std::string UnmendedText(const std::vector<CanvasFault>& faults) {
    std::string places;
    for (std::size_t i = 0; i < faults.size() && i < kPlacesNamed; ++i) {
        places += (i ? ", (" : "(") + std::to_string(faults[i].x) + ", " + std::to_string(faults[i].y) + ")";
    }
    if (faults.size() > kPlacesNamed) places += " ほか";
    return "描き終わった後に描画エリアを確かめたところ、" + std::to_string(faults.size()) +
           " ピクセルが予定の色になっていません。直せませんでした。" + kCrLf + "場所 (描画エリアの左上から): " + places;
}

void Tell(Wizard& w, const std::string& text) {
    w.pf.dialogs.messageBox(text, MsgBox::OkOnly | MsgBox::Exclamation, w.st.AppTitle);
}

std::optional<Picture> ReadCanvas(Wizard& w) { return w.pf.screen.readPixels(CheckedRect(w.st)); }

// The canvas once the board has painted what it was given.
std::optional<Picture> ReadCanvasSettled(Wizard& w) {
    std::optional<Picture> seen;
    for (int read = 0; read < kMostReads; ++read) {
        w.pf.window.doEvents();
        w.pf.clock.sleep(kPaintSettleMs);
        std::optional<Picture> again = ReadCanvas(w);
        if (!again) return std::nullopt;
        if (seen && *again == *seen) break;
        seen = std::move(again);
    }
    return seen;
}

// Draws the mendable faults again; false when the user stopped. Every pixel of a colour drawn one
// step off tells of a colour click the board did not take as it was given (a busy page): the
// colour mipro believes the board holds is then wrong, and setting colours from it would repeat
// the fault. So each pass starts from a colour known again: a complete reset, or every slider set.
bool RepairPass(Wizard& w, const CanvasCheck& check, const std::vector<PixelLine>& repairs, int pass,
                ScreenPoint& P) {
    ForgetBoardColour(w);
    MemorySource source(repairs);
    ListDrawing how;
    how.total = static_cast<std::int32_t>(repairs.size());
    how.caption = [pass](int percent) { return RepairCaption(pass, percent); };
    how.keep = [&check](const PixelLine& px) { return check.inside(px.x, px.y); };
    return DrawPixelList(w, source, how, P);
}

}  // namespace

ScreenRect CheckedRect(const State& st) {
    const ScreenPoint origin = CanvasOrigin(st);
    const CanvasSize& canvas = st.BoardKind == kBoardOekaki ? st.capture.PooCanvas : st.capture.ShiCanvas;
    const std::int32_t width = canvas.known() ? canvas.width : st.ImgWidth;
    const std::int32_t height = canvas.known() ? canvas.height : st.ImgHeight;
    return {origin.x, origin.y, origin.x + width, origin.y + height};
}

std::optional<CanvasCheck> ReadCanvasBefore(Wizard& w) {
    const std::optional<Picture> before = ReadCanvas(w);
    if (!before || before->empty()) return std::nullopt;
    return CanvasCheck(*before, w.st.BoardKind);
}

CheckResult CheckAndRepair(Wizard& w, CanvasCheck& check, ScreenPoint& P) {
    w.pf.window.setWindowCaption(kChecking);
    std::optional<Picture> now = ReadCanvasSettled(w);
    if (!now) return {CheckEnd::Unreadable, {}};
    std::vector<CanvasFault> faults = check.faults(*now);
    if (check.mostlyWrong(faults)) return {CheckEnd::Misread, {}};
    for (int pass = 1; pass <= kMostPasses && !faults.empty(); ++pass) {
        const std::vector<PixelLine> repairs = check.repairList(faults);
        if (repairs.empty()) break;
        if (!RepairPass(w, check, repairs, pass, P)) return {CheckEnd::Stopped, {}};
        now = ReadCanvasSettled(w);
        if (!now) return {CheckEnd::Unreadable, {}};
        const std::size_t before = faults.size();
        faults = check.faults(*now);
        // A pass that mended nothing would mend nothing the next time either.
        if (faults.size() >= before) break;
    }
    if (faults.empty()) return {CheckEnd::Exact, {}};
    return {CheckEnd::Unmended, std::move(faults)};
}

void ReportCheck(Wizard& w, const CheckResult& result) {
    switch (result.end) {
        case CheckEnd::Unmended:
            w.pf.window.setWindowCaption(UnmendedCaption(result.unmended.size()));
            Tell(w, UnmendedText(result.unmended));
            break;
        case CheckEnd::Unreadable:
            w.pf.window.setWindowCaption(kNotChecked);
            Tell(w, kUnreadable);
            break;
        case CheckEnd::Misread:
            w.pf.window.setWindowCaption(kNotChecked);
            Tell(w, kMisread);
            break;
        case CheckEnd::Exact: w.pf.window.setWindowCaption(kAllDrawn); break;
        case CheckEnd::Stopped: break;
    }
}

}  // namespace mipro
