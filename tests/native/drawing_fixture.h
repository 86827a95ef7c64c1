// A wizard ready for step 7 on the simulated desktop: a board window under the captured points,
// the cue sounds loaded and helpers that read the simulated desktop's log.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "wizard/sound_cues.h"
#include "wizard_fixture.h"

namespace mipro::testing {

class DrawingTest : public WizardTest {
protected:
    static constexpr int kFastWait = 3;

    DrawingTest() {
        w.st.AppTitle = "ミプロ♪ ver.1.0.0b";
        w.st.TwipsX = 15;
        w.st.TwipsY = 15;
        w.st.SoundOn = 1;
        w.st.SpeedWait = kFastWait;
        // The plain board window here shows no canvas to read back; whole runs into the simulated
        // practice boards check theirs.
        w.st.CheckAfterDraw = False;
        LoadSounds(w);
        CaptureRecord& c = w.st.capture;
        c.PooHome = {300, 200};
        c.PooRBtn1 = {100, 100}, c.PooRBtn2 = {120, 111};
        c.PooGBtn1 = {100, 130}, c.PooGBtn2 = {120, 141};
        c.PooBBtn1 = {100, 160}, c.PooBBtn2 = {120, 171};
        c.ShiHome = {300, 200};
        c.ShiRBar = {100, 100};
        c.ShiGBar = {100, 110};
        c.ShiBBar = {100, 120};
    }

    // A board canvas window under every captured point.
    void ShowBoard(const std::string& className = "SunAwtCanvas") {
        boardWindow = desk.screen.addWindow({50, 50, 900, 700}, className);
    }

    // Writes the sorted pixel list and sets SortFile and PixCount to match it.
    void WriteSortFile(const std::vector<std::string>& lines) {
        w.st.SortFile = desk.files.tempPath() + "MPRsorted.TMP";
        std::ofstream out(w.st.SortFile, std::ios::binary | std::ios::trunc);
        for (const std::string& l : lines) out << l << "\r\n";
        w.st.PixCount = static_cast<std::int32_t>(lines.size());
    }

    std::vector<ScreenPoint> Presses() const { return PointsOf(sim::EventKind::ButtonDown); }
    std::vector<ScreenPoint> Releases() const { return PointsOf(sim::EventKind::ButtonUp); }
    std::vector<ScreenPoint> Moves() const { return PointsOf(sim::EventKind::Move); }

    std::vector<ScreenPoint> PointsOf(sim::EventKind kind) const {
        std::vector<ScreenPoint> points;
        for (const auto& e : desk.log.only(kind)) points.push_back(e.at);
        return points;
    }

    std::vector<int> Sleeps() const {
        std::vector<int> ms;
        for (const auto& e : desk.log.only(sim::EventKind::Sleep)) ms.push_back(e.value);
        return ms;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : desk.dialogs.shown) texts.push_back(m.text);
        return texts;
    }

    // The run gave back everything it took: the screen's device context, the topmost state and
    // the timer resolution.
    void ExpectResourcesGivenBack() {
        EXPECT_EQ(desk.screen.openDeviceContexts(), 0);
        EXPECT_FALSE(desk.window.topmost());
        EXPECT_EQ(desk.clock.timerResolutionRaised(), 0);
    }

    WindowHandle boardWindow = 0;
};

inline std::vector<ScreenPoint> Repeat(ScreenPoint p, int times) { return std::vector<ScreenPoint>(times, p); }

inline std::vector<ScreenPoint> Concat(std::vector<std::vector<ScreenPoint>> parts) {
    std::vector<ScreenPoint> all;
    for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace mipro::testing

namespace mipro {
inline void PrintTo(const ScreenPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "[" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "]";
}
}  // namespace mipro
