// What the Speed and Control choices do to the session and the settings.
#include "shell/OptionSettings.h"

#include <gtest/gtest.h>

#include "engine/GameSession.h"
#include "engine/NullSessionPlatform.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/ZoomFitsScreen.h"
#include "stages/CBlockDoc.h"

namespace {
using namespace Settings;

class OptionSettingsTest : public ::testing::Test {
protected:
    CBlockDoc doc;
    NullSessionPlatform platform;
    GameSession session{doc, platform};
    MemorySettingsStore settings;
};

TEST_F(OptionSettingsTest, TheSpeedDialogListsTurboFirst) {
    EXPECT_EQ(SpeedToDialogIndex(3), 0);
    EXPECT_EQ(SpeedToDialogIndex(0), 3);
    ApplySpeedChoice(session, settings, 3);
    EXPECT_EQ(session.speed, 0);
    EXPECT_EQ(settings.ReadInt(kSection, kSpeed, -1), 0);
    ApplySpeedChoice(session, settings, 0);
    EXPECT_EQ(session.speed, 3);
    EXPECT_EQ(settings.ReadInt(kSection, kSpeed, -1), 3);
}

TEST_F(OptionSettingsTest, NoSpeedChosenChangesNothing) {
    session.speed = 2;
    ApplySpeedChoice(session, settings, -1);
    ApplySpeedChoice(session, settings, 4);
    EXPECT_EQ(session.speed, 2);
    EXPECT_TRUE(settings.Values().empty());
}

TEST_F(OptionSettingsTest, TheControlChoiceIsStoredAsExactTexts) {
    ApplyControlChoice(session, settings, true, kKeyboardControl);
    EXPECT_TRUE(session.keyboardControl);
    EXPECT_TRUE(session.hideCursor);
    EXPECT_EQ(ControlToDialogIndex(session), kKeyboardControl);
    EXPECT_EQ(settings.ReadString(kSection, kUse), "Keyboard");
    EXPECT_EQ(settings.ReadString(kSection, kHideCursor), "On");

    ApplyControlChoice(session, settings, false, kMouseControl);
    EXPECT_FALSE(session.keyboardControl);
    EXPECT_EQ(settings.ReadString(kSection, kUse), "Mouse");
    EXPECT_EQ(settings.ReadString(kSection, kHideCursor), "Off");
}

TEST(ZoomFitsScreenTest, LargerLevelsNeedWiderScreens) {
    EXPECT_TRUE(ZoomFitsScreen(4, 1024));
    EXPECT_FALSE(ZoomFitsScreen(4, 1023));
    EXPECT_TRUE(ZoomFitsScreen(3, 768));
    EXPECT_FALSE(ZoomFitsScreen(3, 767));
    EXPECT_TRUE(ZoomFitsScreen(2, 320));
}
}  // namespace
