// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the Speed and Control choices do to the session and the settings.
#include "shell/OptionSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "tests/engine/SessionFixture.h"

namespace {
using namespace Settings;

// Notes the order in which texts are written.
struct OrderedSettingsStore : MemorySettingsStore {
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override {
        written.emplace_back(key);
        MemorySettingsStore::WriteString(section, key, text);
    }
    std::vector<std::string> written;
};

class OptionSettingsTest : public SessionFixture {
protected:
    OrderedSettingsStore settings;
};

// The dialogs' round trips (turbo to slow, keyboard with a hidden pointer,
// Cancel) are driven in the widget tests; here what they leave out.
TEST_F(OptionSettingsTest, AnIndexOutsideTheListChangesNothingAndControlIsStoredAsItsTextsInOrder) {
    Set(session, &SessionState::speed, 2);
    ApplySpeedChoice(session, settings, -1);
    ApplySpeedChoice(session, settings, 4);
    EXPECT_EQ(session.State().speed, 2);
    EXPECT_TRUE(settings.Values().empty());

    ApplyControlChoice(session, settings, true, kKeyboardControl);
    ApplyControlChoice(session, settings, true, kMouseControl);
    EXPECT_FALSE(session.State().keyboardControl);
    EXPECT_EQ(ControlToDialogIndex(session), kMouseControl);
    EXPECT_EQ(settings.ReadString(kSection, kUse), "Mouse");
    EXPECT_EQ(settings.ReadString(kSection, kHideCursor), "On");
    EXPECT_EQ(settings.written, (std::vector<std::string>{"Use", "HideCursor", "Use", "HideCursor"}));
}
}  // namespace
