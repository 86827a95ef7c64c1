#include "app/form_layout.h"

#include <stdexcept>

namespace mipro {

namespace {

constexpr const char* kPageText1 =
    "ミプロ♪を使うと、お絵描き掲示板に自動で絵を描くことができます。\r\n\r\n"
    "oekakiBBS および PaintBBS に対応しています。";
constexpr const char* kPageText2 = "画像ファイルを指定してください。";
constexpr const char* kPageText3 =
    "画像からピクセル情報を取り出す作業を行います。\r\n"
    "この作業には時間がかかりますのでしばらくお待ちください。\r\n";
constexpr const char* kPageText4 = "お絵描き掲示板を選んでください。";
constexpr const char* kPageText6 = "描画エリアの原点座標を設定してください。";
constexpr const char* kPageText7 =
    "絵を描く準備ができました！\r\n\r\n"
    "「描画開始」ボタンを押すと、絵を描き始めます。\r\n"
    "途中で止めたい場合はマウスを動かしてください。";

// The first page shows from the window's first paint, before the wake-up timer enters step 1.
ControlDesign Page(int step) {
    const bool first = step == 1;
    return {{Control::picSTEP, step}, ControlKind::Page, 0, 0, 0, 7515, 3735, "", first, first};
}

ControlDesign Illustration(int index, int page, bool visible) {
    return {{Control::imgSTIMG, index}, ControlKind::Image, page, 180, 180, 1860, 3510, "", visible};
}

ControlDesign PageText(int step, int top, int height, const char* text) {
    return {{Control::lblSTLBL, step}, ControlKind::Label, step, 2580, top, 4515, height, text};
}

ControlDesign StatusLabel(int step, int top = 2520, int height = 1035) {
    return {{Control::lblSTINFO, step}, ControlKind::Label, step, 2580, top, 4695, height, "",
            true, true, TextColour::Blue};
}

// Step 2 shows its box once a picture is loaded; step 3's box is where the extraction's progress shows.
ControlDesign Thumbnail(int step, bool visible) {
    return {{Control::picIMGCHK, step}, ControlKind::PictureBox, step, 120, 360, 2160, 2160, "", visible};
}

ControlDesign Button(Control id, int page, int left, int top, const char* caption, bool visible = true,
                     bool enabled = true) {
    return {{id, 0}, ControlKind::Button, page, left, top, 1335, 345, caption, visible, enabled};
}

ControlDesign Option(Control id, int index, int page, int left, int top, const char* caption,
                     int width) {
    return {{id, index}, ControlKind::OptionButton, page, left, top, width, 255, caption};
}

// A page's check box, under its text; shown by the page's routine where the chosen board has it.
ControlDesign Choice(Control id, int page, int top, const char* caption, bool visible = true) {
    return {{id}, ControlKind::CheckBox, page, 2820, top, 4335, 255, caption, visible};
}

std::vector<ControlDesign> BuildDesign() {
    std::vector<ControlDesign> d;
    for (int step = 1; step <= 7; ++step) d.push_back(Page(step));

    d.push_back(Button(Control::cmdBACK, 0, 3120, 3930, "< 戻る(&B)", false));
    d.push_back(Button(Control::cmdNEXT, 0, 4440, 3930, "次へ(&N) >", false));
    d.push_back(Button(Control::cmdHELP, 0, 6000, 3930, "ヘルプ(&H)", false, false));
    d.push_back({{Control::lineTOP, 0}, ControlKind::Line, 0, 180, 3780, 7140, 0, "", false});
    d.push_back({{Control::lineTOP, 1}, ControlKind::Line, 0, 150, 3780, 7170, 0, "", false});

    // Page 1: introduction and the sound switch.
    d.push_back(Illustration(0, 1, true));
    d.push_back(PageText(1, 480, 1500, kPageText1));
    d.push_back({{Control::chkSOUND}, ControlKind::CheckBox, 1, 2640, 3300, 1395, 195, "音で知らせる"});
    d.push_back({{Control::imgSND, 0}, ControlKind::Image, 1, 4110, 3270, 240, 240, "", false});
    d.push_back({{Control::imgSND, 1}, ControlKind::Image, 1, 4110, 3270, 240, 240, "", false});
    d.push_back({{Control::lblVERSION}, ControlKind::Label, 1, 5580, 3300, 1575, 195, "バージョン情報 ...",
                 true, true, TextColour::Blue});

    // Page 2: the picture file.
    d.push_back(Thumbnail(2, false));
    d.push_back(PageText(2, 360, 1100, kPageText2));
    d.push_back({{Control::txtIMGFILENAME}, ControlKind::TextBox, 2, 2580, 1590, 4695, 300, ""});
    d.push_back(Button(Control::cmdOPEN, 2, 5940, 1950, "参照..."));
    d.push_back(StatusLabel(2));

    // Page 3: pixel extraction, and the fewer colours the user may ask for: two rows of three
    // buttons and the check box between the page text and the status.
    d.push_back(Thumbnail(3, true));
    d.push_back(PageText(3, 360, 720, kPageText3));
    d.push_back(Option(Control::optCOLOURS, 0, 3, 2820, 1200, "減色しない", 1380));
    d.push_back(Option(Control::optCOLOURS, 1, 3, 4260, 1200, "16色", 1380));
    d.push_back(Option(Control::optCOLOURS, 2, 3, 5700, 1200, "32色", 1380));
    d.push_back(Option(Control::optCOLOURS, 3, 3, 2820, 1560, "64色", 1380));
    d.push_back(Option(Control::optCOLOURS, 4, 3, 4260, 1560, "128色", 1380));
    d.push_back(Option(Control::optCOLOURS, 5, 3, 5700, 1560, "256色", 1380));
    d.push_back({{Control::chkDITHER}, ControlKind::CheckBox, 3, 2820, 1920, 4335, 255, "ディザリングする"});
    d.push_back(StatusLabel(3));

    // Page 4: the board.
    d.push_back(Illustration(1, 4, true));
    d.push_back(PageText(4, 480, 780, kPageText4));
    d.push_back(Option(Control::optBOARD, 0, 4, 2820, 1380, "oekakiBBS に描く", 2895));
    d.push_back(Option(Control::optBOARD, 1, 4, 2820, 1860, "PaintBBS に描く", 2895));
    d.push_back(Option(Control::optBOARD, 2, 4, 2820, 2340, "色コード (#RRGGBB) を入力して描く", 3735));

    // Page 5: the colour controls, and how the chosen board is driven (below the button).
    d.push_back(Illustration(2, 5, false));
    d.push_back(Illustration(3, 5, false));
    d.push_back(Illustration(8, 5, false));
    d.push_back(PageText(5, 360, 1560, ""));
    d.push_back(Button(Control::cmdGETRGB, 5, 5220, 1980, "設定..."));
    d.push_back(Choice(Control::chkSHIEXACT, 5, 2460, "Shift+クリックで色をぴったり合わせる", false));
    d.push_back(Choice(Control::chkCODEOPEN, 5, 2460, "ボタンで入力欄を開いてから入力する", false));
    d.push_back(Choice(Control::chkCODECLOSE, 5, 2760, "入力したあと閉じるボタンを押す", false));
    d.push_back(Choice(Control::chkCODEHASH, 5, 3060, "色コードの前に「#」を付ける", false));
    d.push_back(StatusLabel(5, 3360, 195));

    // Page 6: the canvas origin.
    d.push_back(Illustration(4, 6, false));
    d.push_back(Illustration(5, 6, false));
    d.push_back(Illustration(9, 6, false));
    d.push_back(PageText(6, 480, 1440, kPageText6));
    d.push_back(Button(Control::cmdGETHOME, 6, 5220, 1980, "設定..."));
    d.push_back({{Control::lblCANVAS, 0}, ControlKind::Label, 6, 2580, 2040, 720, 255, "大きさ:"});
    d.push_back({{Control::txtCANVASW}, ControlKind::TextBox, 6, 3300, 1995, 615, 300, ""});
    d.push_back({{Control::lblCANVAS, 1}, ControlKind::Label, 6, 3990, 2040, 195, 255, "x"});
    d.push_back({{Control::txtCANVASH}, ControlKind::TextBox, 6, 4230, 1995, 615, 300, ""});
    d.push_back(StatusLabel(6));

    // Page 7: drawing.
    d.push_back(Illustration(6, 7, false));
    d.push_back(Illustration(7, 7, false));
    d.push_back(Illustration(10, 7, false));
    d.push_back(PageText(7, 360, 1140, kPageText7));
    // The four speeds 300 twips apart, so that the two check boxes and the status fit below them.
    d.push_back(Option(Control::optSPEED, 0, 7, 2820, 1560, "速く描く！", 2295));
    d.push_back(Option(Control::optSPEED, 1, 7, 2820, 1860, "普通？", 2295));
    d.push_back(Option(Control::optSPEED, 2, 7, 2820, 2160, "ゆっくり描く♪", 2295));
    d.push_back(Option(Control::optSPEED, 3, 7, 2820, 2460, "掲示板の速さで描く！", 2295));
    d.push_back(Button(Control::cmdDRAW, 7, 5220, 1980, "描画開始"));
    d.push_back(Choice(Control::chkCHECK, 7, 2760, "描き終わったら確かめて直す"));
    d.push_back(Choice(Control::chkSTROKE, 7, 3060, "同じ色の横並びを線で描く"));
    // Below the two check boxes.
    d.push_back(StatusLabel(7, 3390, 255));
    return d;
}

}  // namespace

const std::vector<ControlDesign>& MainFormDesign() {
    static const std::vector<ControlDesign> design = BuildDesign();
    return design;
}

const ControlDesign& DesignOf(ControlRef ref) {
    for (const ControlDesign& c : MainFormDesign()) {
        if (c.ref == ref) return c;
    }
    throw std::out_of_range("frmMAIN has no such control");
}

}  // namespace mipro
