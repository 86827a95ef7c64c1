// A wizard running on the simulated desktop, with its own temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/frame.h"
#include "tests/sim/sim_desktop.h"
#include "wizard/wizard.h"

namespace mipro::testing {

// The four cue resources, each of a distinct size so a test can tell which one played.
constexpr int kEnterBytes = 21548, kCancelBytes = 3840, kEndBytes = 33676, kClickBytes = 7980;

inline std::string FreshTempDir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("mipro-test-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

inline sim::DesktopOptions OptionsFor(const std::string& name) {
    sim::DesktopOptions o;
    o.tempDir = FreshTempDir(name);
    return o;
}

class WizardTest : public ::testing::Test {
protected:
    explicit WizardTest(sim::DesktopOptions options = OptionsFor(CurrentTestName()))
        : desk(options), w(desk.platform) {
        desk.sound.addResource("RESENTERSND", "WAVE", std::vector<std::uint8_t>(kEnterBytes));
        desk.sound.addResource("RESCANCELSND", "WAVE", std::vector<std::uint8_t>(kCancelBytes));
        desk.sound.addResource("RESENDSND", "WAVE", std::vector<std::uint8_t>(kEndBytes));
        desk.sound.addResource("RESCLICKSND", "WAVE", std::vector<std::uint8_t>(kClickBytes));
    }

    // Program start: the form loads and its wake-up timer fires, entering step 1.
    void Start() {
        Form_Load(w);
        tmrWakeup_Timer(w);
    }

    // Sizes of the sounds played so far, in order.
    std::vector<int> SoundsPlayed() const {
        std::vector<int> sizes;
        for (const auto& e : desk.log.only(sim::EventKind::Sound)) sizes.push_back(e.value);
        return sizes;
    }

    static std::string CurrentTestName() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return info ? std::string(info->test_suite_name()) + "-" + info->name() : "fixture";
    }

    sim::SimDesktop desk;
    Wizard w;
};

}  // namespace mipro::testing
