// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user is told when a stage set cannot be saved, by the cause.
#include "stages/DocumentTexts.h"

#include <gtest/gtest.h>

namespace {
using Status = FileWriteResult::Status;

TEST(DocumentTextsTest, AFileThatCannotBeMadeHasABadNameAndOtherWriteFaultsFailPlainly) {
    EXPECT_EQ(SaveFailureText({Status::CannotCreate, FileProblem::NotFound}, "/gone/a.blc"), "無効なﾌｧｲﾙ名です。")
        << "a folder that is not there";
    EXPECT_EQ(SaveFailureText({Status::CannotCreate, FileProblem::Unknown}, "/a.blc"), "無効なﾌｧｲﾙ名です。");
    EXPECT_EQ(SaveFailureText({Status::WriteFailed, FileProblem::Unknown}, "/a.blc"), "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
}
}  // namespace
