// What the Speed and Control choices do to the session and the settings.
#include "shell/OptionSettings.h"

#include <gtest/gtest.h>

#include "engine/GameSession.h"
#include "engine/NullSessionPlatform.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
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

// The dialogs' round trips (turbo to slow, keyboard with a hidden pointer,
// Cancel) are driven in the widget tests; here what they leave out.
TEST_F(OptionSettingsTest, AnIndexOutsideTheListChangesNothingAndMouseControlIsStoredAsItsTexts) {
    session.speed = 2;
    ApplySpeedChoice(session, settings, -1);
    ApplySpeedChoice(session, settings, 4);
    EXPECT_EQ(session.speed, 2);
    EXPECT_TRUE(settings.Values().empty());

    ApplyControlChoice(session, settings, true, kKeyboardControl);
    ApplyControlChoice(session, settings, false, kMouseControl);
    EXPECT_FALSE(session.keyboardControl);
    EXPECT_EQ(ControlToDialogIndex(session), kMouseControl);
    EXPECT_EQ(settings.ReadString(kSection, kUse), "Mouse");
    EXPECT_EQ(settings.ReadString(kSection, kHideCursor), "Off");
}
}  // namespace
