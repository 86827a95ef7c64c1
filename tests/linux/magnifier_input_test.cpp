// The magnifier's keys and buttons from those GDK reports.
#include "editions/linux/magnifier_input.h"

#include <gtest/gtest.h>

#include <utility>

namespace mipro::linux_x11 {
namespace {

TEST(MagnifierInput, KeyvalsBecomeTheMagnifiersKeys) {
    const std::pair<guint, MagnifierKey> cases[] = {
        {GDK_KEY_Return, MagnifierKey::Enter},   {GDK_KEY_KP_Enter, MagnifierKey::Enter},
        {GDK_KEY_Escape, MagnifierKey::Escape},  {GDK_KEY_Left, MagnifierKey::Left},
        {GDK_KEY_KP_Left, MagnifierKey::Left},   {GDK_KEY_Up, MagnifierKey::Up},
        {GDK_KEY_KP_Up, MagnifierKey::Up},       {GDK_KEY_Right, MagnifierKey::Right},
        {GDK_KEY_KP_Right, MagnifierKey::Right}, {GDK_KEY_Down, MagnifierKey::Down},
        {GDK_KEY_KP_Down, MagnifierKey::Down},   {GDK_KEY_a, MagnifierKey::Other},
        {GDK_KEY_space, MagnifierKey::Other},    {GDK_KEY_KP_4, MagnifierKey::Other},
        {GDK_KEY_Tab, MagnifierKey::Other},
    };
    for (const auto& [keyval, key] : cases) EXPECT_EQ(MagnifierKeyOf(keyval), key) << gdk_keyval_name(keyval);
}

TEST(MagnifierInput, ButtonsBecomeTheMagnifiersButtons) {
    const std::pair<guint, MouseButton> cases[] = {
        {GDK_BUTTON_PRIMARY, MouseButton::Left},
        {GDK_BUTTON_MIDDLE, MouseButton::Middle},
        {GDK_BUTTON_SECONDARY, MouseButton::Right},
        {8, MouseButton::Other},  // a side button
    };
    for (const auto& [button, expected] : cases) EXPECT_EQ(MouseButtonOf(button), expected) << button;
}

}  // namespace
}  // namespace mipro::linux_x11
