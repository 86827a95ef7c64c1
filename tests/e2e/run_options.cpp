#include "tests/e2e/run_options.h"

#include <array>
#include <cstdlib>

#include "pixels/colour_choice.h"
#include "tests/e2e/require.h"
#include "wizard/option_group.h"

namespace mipro::testing {

namespace {

const std::array<std::string, 3> kBoards = {"oekakiBBS", "PaintBBS", "ColourCode"};
const std::array<std::string, 3> kOpeners = {"none", "button", "window"};
// As page 7 orders its speed buttons: fastest is the board's own pace.
const std::array<std::string, 4> kSpeeds = {"fast", "normal", "slow", "fastest"};
constexpr std::size_t kPositionals = 4;

// The option button for `name` among `names`.
template <std::size_t N>
int IndexOf(const std::array<std::string, N>& names, const std::string& name, const std::string& what) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    Fail(what + " is not one of the known: " + name);
}

int NumberOf(const std::string& text, const std::string& option) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    Require(!text.empty() && *end == '\0', option + " takes a number, not " + text);
    return static_cast<int>(n);
}

// The optCOLOURS button that reduces to `text` colours.
int ColoursButtonOf(const std::string& text) {
    const int colours = NumberOf(text, "--colours");
    for (int index = 1; index < OptionGroupSize(Control::optCOLOURS); ++index) {
        if (ColourCountOf(index) == colours) return index;
    }
    Fail("--colours takes 16, 32, 64, 128 or 256, not " + text);
}

HandDuring HandMomentOf(const std::string& text) {
    if (text == "colour-change") return HandDuring::ColourChange;
    if (text == "reset") return HandDuring::Reset;
    Fail("--hand-during takes colour-change or reset, not " + text);
}

CodeOpener OpenerOf(const std::string& text) {
    return static_cast<CodeOpener>(IndexOf(kOpeners, text, "--opener (none, button or window)"));
}

// The options every edition knows.
std::vector<OptionRow> CommonOptions(RunOptions& o) {
    return {
        {"--hand-at-percent", true, [&o](const std::string& v) { o.handAtPercent = NumberOf(v, "--hand-at-percent"); }},
        {"--hand-during", true, [&o](const std::string& v) { o.handDuring = HandMomentOf(v); }},
        {"--end-at-percent", true, [&o](const std::string& v) {
             const std::size_t comma = v.find(',');
             Require(comma != std::string::npos, "--end-at-percent takes HOW,PERCENT, not " + v);
             o.endHow = v.substr(0, comma);
             o.endAtPercent = NumberOf(v.substr(comma + 1), "--end-at-percent");
         }},
        {"--colours", true, [&o](const std::string& v) { o.coloursIndex = ColoursButtonOf(v); }},
        {"--dither", false, [&o](const std::string&) { o.dither = true; }},
        {"--strokes", false, [&o](const std::string&) { o.strokes = true; }},
        {"--no-check", false, [&o](const std::string&) { o.check = false; }},
        {"--exact-colours", false, [&o](const std::string&) { o.exactColours = true; }},
        {"--code-without-hash", false, [&o](const std::string&) { o.codeHash = false; }},
        {"--opener", true, [&o](const std::string& v) { o.opener = OpenerOf(v); }},
        {"--no-closer", false, [&o](const std::string&) { o.skipCloser = true; }},
    };
}

}  // namespace

bool CapturesOpener(const RunOptions& o) { return o.opener != CodeOpener::None; }

bool CapturesCloser(const RunOptions& o) { return o.opener == CodeOpener::Window && !o.skipCloser; }

std::string OpenerName(CodeOpener opener) { return kOpeners[static_cast<std::size_t>(opener)]; }

RunOptions ParseRunOptions(const std::vector<std::string>& args, const std::vector<OptionRow>& editionOptions) {
    Require(args.size() >= kPositionals, "usage: PICTURE CANVAS_BMP oekakiBBS|PaintBBS|ColourCode fast|normal|slow [OPTIONS]");
    RunOptions o;
    o.picture = args[0];
    o.canvasFile = args[1];
    o.boardName = args[2];
    o.boardIndex = IndexOf(kBoards, args[2], "the board");
    o.speedIndex = IndexOf(kSpeeds, args[3], "the speed");
    std::vector<OptionRow> table = CommonOptions(o);
    table.insert(table.end(), editionOptions.begin(), editionOptions.end());
    for (std::size_t i = kPositionals; i < args.size(); ++i) {
        const OptionRow* row = nullptr;
        for (const OptionRow& r : table) {
            if (r.name == args[i]) row = &r;
        }
        Require(row != nullptr, "unknown option " + args[i]);
        Require(!row->takesValue || i + 1 < args.size(), args[i] + " lacks its value");
        row->apply(row->takesValue ? args[++i] : std::string());
    }
    Require(!o.exactColours || o.boardName == "PaintBBS", "--exact-colours is a choice of PaintBBS");
    const bool codeChoices = o.opener != CodeOpener::None || o.skipCloser || !o.codeHash;
    Require(!codeChoices || o.boardName == "ColourCode",
            "--opener, --no-closer and --code-without-hash are choices of ColourCode");
    Require(o.handDuring == HandDuring::Nothing || o.boardName != "ColourCode",
            "--hand-during aims at a colour slider or arrow, which ColourCode has not");
    return o;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace mipro::testing
