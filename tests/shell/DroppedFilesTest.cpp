// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/DroppedFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
DropChoice Choose(std::vector<DroppedFile> files) { return ChooseDroppedFile(files); }

TEST(DroppedFilesTest, OnlyOneFileEndingInBlcInAnyCaseOpens) {
    EXPECT_EQ(Choose({{"/sets/a.blc"}}).action, DropAction::Open);
    EXPECT_EQ(Choose({{"/sets/A.bLc"}}).path, "/sets/A.bLc");
    EXPECT_EQ(Choose({{"/sets/a.blc.bak"}}).action, DropAction::Ignore);
    EXPECT_EQ(Choose({{"/sets/blc"}}).action, DropAction::Ignore);
    EXPECT_EQ(Choose({{".BLC"}}).action, DropAction::Open);
    EXPECT_EQ(Choose({{"/sets/folder.blc", true}}).action, DropAction::Ignore);
    EXPECT_EQ(Choose({{"/a.blc"}, {"/b.txt"}}).action, DropAction::RefuseSeveral);

    const std::string longPath = "/" + std::string(400, 'x') + ".BLC";
    EXPECT_EQ(Choose({{longPath}}).path, longPath) << "never cut short";
}
}  // namespace
