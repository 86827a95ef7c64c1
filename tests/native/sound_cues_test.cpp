#include "wizard/sound_cues.h"

#include "wizard_fixture.h"

namespace mipro::testing {

class SoundCues : public WizardTest {
protected:
    SoundCues() {
        InitProc(w);
        desk.log.clear();
    }
};

TEST_F(SoundCues, EachNamePlaysItsOwnSoundAndBackPlaysTheCancelSound) {
    for (const char* name : {"END", "ENTER", "CANCEL", "CLICK", "BACK"}) PlaySnd(w, name);
    EXPECT_EQ(SoundsPlayed(), (std::vector<int>{kEndBytes, kEnterBytes, kCancelBytes, kClickBytes, kCancelBytes}));
}

TEST_F(SoundCues, OnlyExactUpperCaseNamesSound) {
    for (const char* name : {"click", "Click", "CLICK ", "", "BEEP", "end"}) PlaySnd(w, name);
    EXPECT_TRUE(SoundsPlayed().empty());
}

TEST_F(SoundCues, SoundOffSilencesEveryCue) {
    w.st.SoundOn = 0;
    for (const char* name : {"END", "ENTER", "CANCEL", "CLICK", "BACK"}) PlaySnd(w, name);
    EXPECT_TRUE(SoundsPlayed().empty());
}

TEST_F(SoundCues, AnyNonZeroSoundOnLetsCuesSound) {
    w.st.SoundOn = 7;
    PlaySnd(w, "CLICK");
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kClickBytes});
}

TEST(SoundResources, MissingResourceLeavesThatCueSilentAndTheOthersPlaying) {
    sim::SimDesktop desk(OptionsFor("missing-resource"));
    desk.sound.addResource("resCLICKSND", "WAVE", std::vector<std::uint8_t>(kClickBytes));
    Wizard w(desk.platform);
    InitProc(w);
    PlaySnd(w, "END");
    PlaySnd(w, "CLICK");
    const auto sounds = desk.log.only(sim::EventKind::Sound);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].value, kClickBytes);
}

}  // namespace mipro::testing
