// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "base/Cp932.h"
#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "engine/GameSettings.h"
#include "tests/engine/SessionFixture.h"

namespace {
using namespace Settings;

struct WideScreen : ScreenInfo {
    int PrimaryScreenWidth() const override { return 1920; }
};

class GameSettingsTest : public SessionFixture {
protected:
    void Read() { ReadGameSettings(session, settings, WideScreen{}, platform); }

    MemorySettingsStore settings;
};

// The zoom's defaults and limits are the zoom's tests.
TEST_F(GameSettingsTest, AFirstRunTakesTheDefaults) {
    Read();
    EXPECT_TRUE(session.State().musicEnabled);
    EXPECT_TRUE(session.State().effectsEnabled);
    EXPECT_EQ(session.State().speed, 1);
    EXPECT_FALSE(session.State().keyboardControl);
    EXPECT_FALSE(session.State().hideCursor);
}

TEST_F(GameSettingsTest, SoundBitsCountOnlyWithADevice) {
    settings.WriteInt(kSection, kSound, 1);
    Read();
    EXPECT_TRUE(session.State().musicEnabled);
    EXPECT_FALSE(session.State().effectsEnabled);

    settings.WriteInt(kSection, kSound, 3);
    platform.midiDevices = 0;
    platform.waveDevices = 0;
    Read();
    EXPECT_FALSE(session.State().musicEnabled);
    EXPECT_FALSE(session.State().effectsEnabled);
}

TEST_F(GameSettingsTest, SpeedIsClampedAndControlTextsMustMatchExactly) {
    settings.WriteInt(kSection, kSpeed, 9);
    settings.WriteString(kSection, kUse, "keyboard");
    settings.WriteString(kSection, kHideCursor, "ON");
    Read();
    EXPECT_EQ(session.State().speed, 3);
    EXPECT_FALSE(session.State().keyboardControl);
    EXPECT_FALSE(session.State().hideCursor);

    settings.WriteInt(kSection, kSpeed, -2);
    settings.WriteString(kSection, kUse, "Keyboard");
    settings.WriteString(kSection, kHideCursor, "On");
    Read();
    EXPECT_EQ(session.State().speed, 0);
    EXPECT_TRUE(session.State().keyboardControl);
    EXPECT_TRUE(session.State().hideCursor);
}

TEST(Cp932Test, ConvertsJapaneseBothWaysAndRefusesWhatItCannotHold) {
    const std::string text = "ｹﾞｰﾑ クリア！ 全ステージ";
    const auto bytes = Utf8ToCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 24u) << "half-width kana take one byte, the rest two";
    EXPECT_EQ(Cp932ToUtf8(*bytes), text);
    EXPECT_FALSE(Utf8ToCp932("😀").has_value());
    EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD") << "a cut-off double byte shows as a replacement";
}
}  // namespace
