#include "board/report.h"

#include <sstream>

namespace mipro::board {
namespace {

class ReportWriter {
public:
    explicit ReportWriter(Point screenOrigin) : origin_(screenOrigin) {}

    void numbers(const std::string& name, std::initializer_list<long> values) {
        out_ << name;
        for (long v : values) out_ << ' ' << v;
        out_ << '\n';
    }
    void point(const std::string& name, Point p) { numbers(name, {origin_.x + p.x, origin_.y + p.y}); }
    Point onScreen(Point p) const { return origin_ + p; }
    std::string text() const { return out_.str(); }

private:
    Point origin_;
    std::ostringstream out_;
};


void WriteCodeControls(ReportWriter& w, const Layout& layout) {
    w.point("code_field", Centre(layout.codeField()));
    if (layout.opener() != CodeOpener::None) w.point("code_open", Centre(layout.codeOpener()));
    if (layout.opener() == CodeOpener::Window) {
        w.point("code_close", Centre(layout.codeClose()));
        w.point("code_window_face", layout.codeWindowFace());
    }
    w.point("swatch", layout.swatchPixel());
}

void WriteControls(ReportWriter& w, const Layout& layout) {
    if (layout.kind() == Kind::ColourCode) {
        WriteCodeControls(w, layout);
        return;
    }
    for (Channel c : kChannels) {
        const std::string name = ChannelName(c);
        w.point(name + "_guide", layout.guideCorner(c));
        if (layout.kind() == Kind::OekakiBBS) {
            for (Arrow a : kArrows) w.point(name + "_" + ArrowName(a), layout.arrowPoint(c, a));
        } else {
            w.point(name + "_slider", layout.paintControl(c).zero);
        }
    }
}

void WriteTools(ReportWriter& w, const Layout& layout) {
    for (Tool t : kTools) w.point(ToolName(t) + "_tool", Centre(layout.toolButton(t)));
    const Rect first = layout.swatch(0);
    const Rect last = layout.swatch(kPaletteColours - 1);
    const Point corner = w.onScreen({first.left, first.top});
    w.numbers("palette", {corner.x, corner.y, last.right - first.left + 1, last.bottom - first.top + 1});
}

void WritePresses(ReportWriter& w, const Board& board) {
    const PressRecord& presses = board.presses();
    w.numbers("presses", {presses.count(PressPlace::Canvas), presses.count(PressPlace::ColourControl),
                          presses.count(PressPlace::ToolButton), presses.count(PressPlace::Palette),
                          presses.count(PressPlace::BareBoard)});
    w.numbers("stray", {presses.strays(), presses.strayChanges()});
    for (const StrayPress& s : presses.firstStrays()) {
        const Point at = w.onScreen(s.at);
        w.numbers("stray_press", {static_cast<long>(s.place), at.x, at.y, s.changed ? 1 : 0});
    }
    w.numbers("busy", {board.busy().every, board.busy().first, board.droppedByPattern()});
    w.numbers("busy_ms", {board.setup().busyMs, board.droppedByPace()});
    w.numbers("window_presses", {presses.count(PressPlace::CodeWindow)});
}

void WriteKeys(ReportWriter& w, const Board& board) {
    const KeyRecord& keys = board.keys();
    w.numbers("keys", {keys.fieldCharacters, keys.fieldEnters, keys.boardKeys, keys.boardErases});
    w.numbers("codes", {board.codesApplied()});
    w.numbers("stabiliser", {board.setup().stabiliser});
}

}  // namespace

std::vector<long> Report::find(const std::string& name) const {
    for (const ReportItem& item : items_)
        if (item.name == name) return item.numbers;
    return {};
}

std::vector<ReportItem> Report::all(const std::string& name) const {
    std::vector<ReportItem> found;
    for (const ReportItem& item : items_)
        if (item.name == name) found.push_back(item);
    return found;
}

std::string ChannelName(Channel c) {
    switch (c) {
        case Channel::Red: return "red";
        case Channel::Green: return "green";
        case Channel::Blue: return "blue";
    }
    return "";
}

std::string ArrowName(Arrow a) {
    switch (a) {
        case Arrow::TensUp: return "tens_up";
        case Arrow::TensDown: return "tens_down";
        case Arrow::OnesUp: return "ones_up";
        case Arrow::OnesDown: return "ones_down";
    }
    return "";
}

std::string ToolName(Tool t) {
    switch (t) {
        case Tool::Pen: return "pen";
        case Tool::Brush: return "brush";
        case Tool::Eraser: return "eraser";
    }
    return "";
}

std::string ReportText(const Board& board, Point screenOrigin) {
    const Layout& layout = board.layout();
    ReportWriter w(screenOrigin);
    w.numbers("kind", {static_cast<long>(layout.kind())});
    w.numbers("board", {screenOrigin.x, screenOrigin.y, layout.boardSize().width, layout.boardSize().height});
    const Point canvas = w.onScreen(layout.canvasOrigin());
    w.numbers("canvas", {canvas.x, canvas.y, layout.canvasSize().width, layout.canvasSize().height});
    w.point("canvas_guide", layout.canvasGuideCorner());
    WriteControls(w, layout);
    w.numbers("values", {board.value(Channel::Red), board.value(Channel::Green), board.value(Channel::Blue)});
    const InputRecord& input = board.input();
    w.numbers("input", {input.count(InputKind::Move), input.count(InputKind::ButtonDown), input.count(InputKind::ButtonUp)});
    for (const InputEvent& e : input.latest()) {
        const Point at = w.onScreen(e.at);
        w.numbers("event", {static_cast<long>(e.kind), at.x, at.y});
    }
    w.numbers("tool", {static_cast<long>(board.tool())});
    WriteTools(w, layout);
    WritePresses(w, board);
    WriteKeys(w, board);
    return w.text();
}

Report ParseReport(const std::string& text) {
    std::vector<ReportItem> items;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        ReportItem item;
        if (!(words >> item.name)) continue;
        long n = 0;
        while (words >> n) item.numbers.push_back(n);
        items.push_back(std::move(item));
    }
    return Report(std::move(items));
}

}  // namespace mipro::board
