// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/DroppedFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
DropChoice Choose(std::vector<DroppedFile> files) { return ChooseDroppedFile(files); }

// Another ending, a mixed-case ending and a long path are dropped on the main
// window in its test; a folder is here, as its open would fail unseen there.
TEST(DroppedFilesTest, OnlyOneFileEndingInBlcInAnyCaseOpens) {
    EXPECT_EQ(Choose({{"/sets/blc"}}).action, DropAction::Ignore);
    EXPECT_EQ(Choose({{".BLC"}}).action, DropAction::Open);
    EXPECT_EQ(Choose({{"/sets/folder.blc", true}}).action, DropAction::Ignore);
    EXPECT_EQ(Choose({{"/a.blc"}, {"/b.txt"}}).action, DropAction::RefuseSeveral);
    EXPECT_EQ(Choose({}).action, DropAction::RefuseSeveral) << "not exactly one";
}
}  // namespace
