// Which stage set the program starts with, what happens when it cannot be
// opened, and which settings the start and the close touch.
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/GameSettings.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsTable.h"
#include "sound/EffectPaths.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/PatternFile.h"
#include "tests/engine/FakePlatform.h"
#include "tests/stages/DocumentFakes.h"

namespace {
using namespace Settings;

constexpr std::string_view kProgramDir = "/opt/zembro/";

class RecordingSettings : public MemorySettingsStore {
public:
    std::set<std::string> readKeys;
    std::set<std::string> writtenKeys;

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override {
        readKeys.emplace(key);
        return MemorySettingsStore::ReadInt(section, key, defaultValue);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::optional<std::string_view> defaultValue = std::nullopt) override {
        readKeys.emplace(key);
        return MemorySettingsStore::ReadString(section, key, defaultValue);
    }
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        writtenKeys.emplace(key);
        MemorySettingsStore::WriteInt(section, key, value);
    }
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override {
        writtenKeys.emplace(key);
        MemorySettingsStore::WriteString(section, key, text);
    }
};

struct WideScreen : ScreenInfo {
    int PrimaryScreenWidth() const override { return 1920; }
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : session(doc, platform), commands(doc) {
        doc.AttachSession(&session);
        doc.AttachServices({&files, &ui, &settings});
        CBlockDoc source;
        source.SetCell(0, 0, 3);
        files.files["/sets/a.blc"] = PatternFile::Encode(source);
        files.files[std::string(kProgramDir) + "SYSTEM.BLC"] = PatternFile::Encode(source);
    }
    bool UiSaw(std::string_view start) const {
        return std::any_of(ui.log.begin(), ui.log.end(), [start](const std::string& line) { return line.starts_with(start); });
    }

    CBlockDoc doc;
    FakePlatform platform;
    GameSession session;
    RecordingSettings settings;
    FakeDocumentFiles files;
    FakeDocumentUi ui;
    DocumentCommands commands;
};

TEST_F(StartupTest, TheCommandLineComesFirstThenTheLastSetThenTheShippedOne) {
    EXPECT_EQ(ChooseStartupFile("", settings, kProgramDir), "/opt/zembro/SYSTEM.BLC");
    settings.WriteString(kSection, kPattern, "/sets/a.blc");
    EXPECT_EQ(ChooseStartupFile("", settings, kProgramDir), "/sets/a.blc");
    settings.WriteString(kSection, kPattern, "");
    EXPECT_EQ(ChooseStartupFile("", settings, kProgramDir), "") << "a set never saved is tried as it is";

    settings.readKeys.clear();
    EXPECT_EQ(ChooseStartupFile("\"/sets/my set.blc\"", settings, kProgramDir), "/sets/my set.blc");
    EXPECT_TRUE(settings.readKeys.empty()) << "with a command line, \"Pattern\" is not read";
}

TEST_F(StartupTest, AFirstSetThatCannotBeOpenedLeadsToTheOpenDialogOnce) {
    EXPECT_FALSE(OpenFirstStageSet(commands, "/sets/missing.blc"));
    EXPECT_EQ(ui.log, (std::vector<std::string>{"wait", "end wait",
                                                "load failure: ﾌｧｲﾙ /sets/missing.blc が見つかりません。",
                                                "open dialog"}));
    EXPECT_FALSE(commands.HasOpenSet()) << "cancelled: the program ends without a window";

    // A file that is no stage set empties the document, but nothing is
    // replaced and nobody is asked to save the empty set before the dialog.
    ui.log.clear();
    files.files["/sets/bad.blc"] = "no stage set";
    ui.openAnswers = {"/sets/missing.blc"};
    EXPECT_FALSE(OpenFirstStageSet(commands, "/sets/bad.blc"));
    EXPECT_FALSE(UiSaw("ask:"));
    EXPECT_EQ(ui.log.back(), "load failure: ﾌｧｲﾙ /sets/missing.blc が見つかりません。") << "no second dialog";
    EXPECT_EQ(doc.GetTitle(), "") << "no untitled set stands in";
    EXPECT_TRUE(platform.log.empty()) << "no session started on an empty set";

    ui.openAnswers = {"/sets/a.blc"};
    EXPECT_TRUE(OpenFirstStageSet(commands, ""));
    EXPECT_EQ(doc.GetTitle(), "a.blc");
    EXPECT_TRUE(commands.HasOpenSet());
}

TEST_F(StartupTest, StartAndCloseKeepOnlyTheSettingsOfTheTable) {
    ReadGameSettings(session, settings, WideScreen{});
    EffectPaths effects;
    effects.Load(settings, kProgramDir);
    ASSERT_TRUE(OpenFirstStageSet(commands, ChooseStartupFile("", settings, kProgramDir)));
    EXPECT_EQ(doc.GetTitle(), "SYSTEM.BLC") << "the first run opens the shipped set";
    ASSERT_TRUE(commands.CanCloseFrame());

    EXPECT_EQ(settings.ReadString(kSection, kPattern), "/opt/zembro/SYSTEM.BLC");
    EXPECT_TRUE(settings.writtenKeys.count(HighScoreKey("SYSTEM.BLC")));
    for (const auto* keys : {&settings.readKeys, &settings.writtenKeys}) {
        for (const std::string& key : *keys) EXPECT_TRUE(IsSettingKey(key)) << key;
    }
    EXPECT_FALSE(IsSettingKey("pattern"));
    EXPECT_FALSE(IsSettingKey("HighScore("));
    EXPECT_FALSE(IsSettingKey("HighScore(a.blc"));
}
}  // namespace
