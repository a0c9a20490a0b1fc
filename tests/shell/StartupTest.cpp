// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What follows when the stage set chosen at start-up cannot be opened.
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include "base/SettingsKeys.h"
#include "tests/stages/DocumentWorld.h"

namespace {
class StartupTest : public ::testing::Test, public DocumentWorld {
protected:
    StartupTest() { files.files["/sets/a.blc"] = PatternWith(3); }
};

TEST_F(StartupTest, AFirstSetThatCannotBeOpenedLeadsToTheOpenDialogOnce) {
    // A file that is no stage set empties the document, but before the first
    // set opened there is nothing to replace and nothing to offer for saving.
    files.files["/sets/bad.blc"] = "no stage set";
    ui.openAnswers = {"/sets/missing.blc"};
    EXPECT_FALSE(OpenFirstStageSet(commands, "/sets/bad.blc"));
    EXPECT_EQ(ui.log.size(), 7u) << "wait, message, dialog, wait, report: no question";
    EXPECT_EQ(ui.log[3], "open dialog");
    EXPECT_EQ(ui.log.back(), "load failure: ﾌｧｲﾙ /sets/missing.blc が見つかりません。") << "and no second dialog";
    EXPECT_EQ(doc.GetTitle(), "") << "no untitled set stands in";
    EXPECT_TRUE(platform.log.empty()) << "no game started";
    EXPECT_FALSE(commands.HasOpenSet()) << "the program ends without a window";
    // A set picked in that dialog opens in the program's start-up test.
}

TEST_F(StartupTest, AQuotedCommandLinePathIsOpenedWithoutItsQuotes) {
    files.files["/sets/my set.blc"] = files.files["/sets/a.blc"];
    settings.WriteString(Settings::kSection, Settings::kPattern, "/sets/a.blc");
    const std::string path = ChooseStartupFile("\"/sets/my set.blc\"", settings, "/opt/zembrovaltine/");
    EXPECT_EQ(path, "/sets/my set.blc") << "and \"Pattern\" is not used";
    EXPECT_TRUE(OpenFirstStageSet(commands, path));
    EXPECT_EQ(doc.GetTitle(), "my set.blc");
}
}  // namespace
