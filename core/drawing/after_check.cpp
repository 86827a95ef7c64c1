#include "drawing/after_check.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "drawing/board_colour.h"
#include "drawing/draw_run.h"
#include "drawing/list_drawing.h"
#include "interfaces/dialogs.h"
#include "targeting/board_kinds.h"
#include "targeting/canvas_extent.h"

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
const std::string kMoved =
    "描画エリアのまわりが、原点座標を設定したときと違って見えます。" + kCrLf +
    "ページがスクロールされた、別のウィンドウが重なっている、画面を正しく読み取れない、などが考えられます。" + kCrLf +
    "描き直しはしませんでした。";

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

// One read of the canvas, and whether its surroundings showed as when its origin was captured.
struct CanvasRead {
    Picture canvas;
    bool inPlace = true;
    friend bool operator==(const CanvasRead&, const CanvasRead&) = default;
};

// The canvas's rectangle, pixel (0, 0) at its origin, cut from the read around it.
Picture CanvasIn(const Picture& around, CanvasSize size) {
    Picture canvas(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) canvas.setPoint(x, y, around.point(x + kAroundWidth, y + kAroundWidth));
    return canvas;
}

// The canvas and its surroundings in one read.
std::optional<CanvasRead> ReadCanvas(Wizard& w) {
    const ScreenRect rect = CheckedRect(w.st);
    const CanvasSize canvas{rect.right - rect.left, rect.bottom - rect.top};
    const CanvasRing& ring = ChosenRing(w.st);
    const CanvasSize reach{std::max(canvas.width, ring.inner.width), std::max(canvas.height, ring.inner.height)};
    const std::optional<Picture> around = ReadAroundCanvas(w, CanvasOrigin(w.st), reach);
    if (!around) return std::nullopt;
    return CanvasRead{CanvasIn(*around, canvas), RingShown(*around, ring, canvas)};
}

// The canvas once the board has painted what it was given, under the caption of the check, with
// the pointer resting off the canvas all the while, so that no pen a board draws under the pointer
// shows in it. The caption changes before the pointer parks: the last caption with the pointer at
// rest is how the run's end looks. It is shown again after each turn of events: a resize of the
// minimised window, let through there, puts the title back.
std::optional<CanvasRead> ReadCanvasSettled(Wizard& w) {
    w.pf.window.setWindowCaption(kChecking);
    w.pf.pointer.setCursorPos(StartPoint(w.st));
    std::optional<CanvasRead> seen;
    for (int read = 0; read < kMostReads; ++read) {
        w.pf.window.doEvents();
        w.pf.window.setWindowCaption(kChecking);
        w.pf.clock.sleep(kPaintSettleMs);
        std::optional<CanvasRead> again = ReadCanvas(w);
        if (!again) return std::nullopt;
        if (seen && *again == *seen) break;
        seen = std::move(again);
    }
    return seen;
}

// What differs on the canvas now, or why a read cannot be trusted.
struct Look {
    std::optional<CheckEnd> untrusted;
    std::vector<CanvasFault> faults;
};

Look LookAgain(Wizard& w, const CanvasCheck& check) {
    const std::optional<CanvasRead> now = ReadCanvasSettled(w);
    if (!now) return {CheckEnd::Unreadable, {}};
    if (!now->inPlace) return {CheckEnd::Moved, {}};
    std::vector<CanvasFault> faults = check.faults(now->canvas);
    if (check.mostlyWrong(faults)) return {CheckEnd::Misread, {}};
    return {std::nullopt, std::move(faults)};
}

// Draws the mendable faults again. Every pixel of a colour drawn one step off tells of a colour
// click the board did not take as it was given (a busy page): the colour mipro believes the board
// holds is then wrong, and setting colours from it would repeat the fault. So each pass starts from
// a colour known again: a complete reset, every slider set, the code typed again.
ListEnd RepairPass(Wizard& w, const CanvasCheck& check, const std::vector<PixelLine>& repairs, int pass,
                   ScreenPoint& P, PenTrust& pen, BoardPace* pace) {
    ForgetBoardColour(w);
    MemorySource source(repairs);
    ListDrawing how;
    how.total = static_cast<std::int32_t>(repairs.size());
    how.caption = [pass](int percent) { return RepairCaption(pass, percent); };
    how.keep = [&check](const PixelLine& px) { return check.inside(px.x, px.y); };
    how.pen = &pen;
    how.pace = pace;
    return DrawPixelList(w, source, how, P);
}

// Why a pass ended before its last pixel.
CheckEnd PassEnd(ListEnd end) {
    switch (end) {
        case ListEnd::ColourNotSet: return CheckEnd::ColourNotSet;
        case ListEnd::CanvasCovered: return CheckEnd::CanvasCovered;
        case ListEnd::Drawn:
        case ListEnd::Stopped: break;
    }
    return CheckEnd::Stopped;
}

}  // namespace

ScreenRect CheckedRect(const State& st) {
    const ScreenPoint origin = CanvasOrigin(st);
    const CanvasSize& canvas = ChosenCanvas(st);
    const std::int32_t width = canvas.known() ? canvas.width : st.ImgWidth;
    const std::int32_t height = canvas.known() ? canvas.height : st.ImgHeight;
    return {origin.x, origin.y, origin.x + width, origin.y + height};
}

std::optional<CanvasCheck> ReadCanvasBefore(Wizard& w) {
    const std::string caption = w.pf.window.windowCaption();
    std::optional<CanvasRead> before = ReadCanvasSettled(w);
    w.pf.window.setWindowCaption(caption);
    if (!before || before->canvas.empty()) return std::nullopt;
    return CanvasCheck(std::move(before->canvas), ColourRuleOf(w.st), before->inPlace);
}

CheckResult CheckAndRepair(Wizard& w, CanvasCheck& check, ScreenPoint& P, PenTrust& pen, BoardPace* pace) {
    if (!check.beforeInPlace()) return {CheckEnd::Moved, {}};
    Look look = LookAgain(w, check);
    if (look.untrusted) return {*look.untrusted, {}};
    for (int pass = 1; pass <= kMostPasses && !look.faults.empty(); ++pass) {
        const std::vector<PixelLine> repairs = check.repairList(look.faults);
        if (repairs.empty()) break;
        const ListEnd end = RepairPass(w, check, repairs, pass, P, pen, pace);
        if (end != ListEnd::Drawn) return {PassEnd(end), {}};
        const std::size_t before = look.faults.size();
        look = LookAgain(w, check);
        if (look.untrusted) return {*look.untrusted, {}};
        // A pass that mended nothing would mend nothing the next time either.
        if (look.faults.size() >= before) break;
    }
    if (look.faults.empty()) return {CheckEnd::Exact, {}};
    return {CheckEnd::Unmended, std::move(look.faults)};
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
        case CheckEnd::Moved:
            w.pf.window.setWindowCaption(kNotChecked);
            Tell(w, kMoved);
            break;
        case CheckEnd::ColourNotSet: ReportColourNotTaken(w, ListEnd::ColourNotSet); break;
        case CheckEnd::CanvasCovered: ReportColourNotTaken(w, ListEnd::CanvasCovered); break;
        case CheckEnd::Exact: w.pf.window.setWindowCaption(kAllDrawn); break;
        case CheckEnd::Stopped: break;
    }
}

}  // namespace mipro
