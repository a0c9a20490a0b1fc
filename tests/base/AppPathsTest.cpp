// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/AppPaths.h"

#include <gtest/gtest.h>

namespace {
TEST(AppPathsTest, TheProgramDirectoryEndsWithItsSeparator) {
    EXPECT_EQ(ProgramDirOf("/usr/games/zembrovaltine"), "/usr/games/");
    EXPECT_EQ(ProgramDirOf("/zembrovaltine"), "/");
    EXPECT_EQ(ProgramDirOf("zembrovaltine"), "zembrovaltine") << "no separator: the path stays whole";
}

TEST(AppPathsTest, DirectoryAndFileNameNeverTakeTheFirstCharacterAsSeparator) {
    EXPECT_EQ(DirectoryOf("/sounds/wave/top.wav"), "/sounds/wave/");
    EXPECT_EQ(DirectoryOf("/top.wav"), "/top.wav");
    EXPECT_EQ(DirectoryOf("top.wav"), "top.wav");
    EXPECT_EQ(FileNameOf("/sounds/wave/top.wav"), "top.wav");
    EXPECT_EQ(FileNameOf("/sounds/"), "");
    EXPECT_EQ(FileNameOf("/top.wav"), std::nullopt) << "the caller's destination stays as it was";
    EXPECT_EQ(FileNameOf("top.wav"), std::nullopt);
}

TEST(AppPathsTest, TheCommandLineIsOnePathThatMayBeQuoted) {
    EXPECT_EQ(CommandLinePath({"zembrovaltine"}), "");
    // Two names as one path are the program's start-up test; a whole quoted path, the start-up rules'.
    EXPECT_EQ(UnquotedPath("\"/home/player/a.blc\" extra"), "/home/player/a.blc");
    EXPECT_EQ(UnquotedPath("\"/home/\"q\"/a.blc\""), "/home/\"q\"/a.blc") << "cut at the last quote";
}
}  // namespace
