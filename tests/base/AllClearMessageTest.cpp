// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The all-clear message's byte budget: Shift-JIS bytes, CR LF line breaks,
// and what the edit box takes of a typed or pasted text.
#include "base/AllClearMessage.h"

#include <gtest/gtest.h>

namespace {
TEST(AllClearMessageTest, LineBreaksAreStoredAsCrLfAndShownAsLf) {
    EXPECT_EQ(ToStoredLineBreaks("一行目\n二行目\n"), "一行目\r\n二行目\r\n");
    EXPECT_EQ(ToEditLineBreaks("一行目\r\n二行目\r\n"), "一行目\n二行目\n");
    // A lone CR or LF in an old file stays as it was.
    EXPECT_EQ(ToEditLineBreaks("a\rb\nc"), "a\rb\nc");
}

TEST(AllClearMessageTest, SizeCountsShiftJisBytesAndTwoForEachLineBreak) {
    EXPECT_EQ(MessageSize(""), 0u);
    EXPECT_EQ(MessageSize(std::string(255, 'a')), 255u);
    EXPECT_EQ(MessageSize("おめでとう!"), 11u);
    EXPECT_EQ(MessageSize("ｶﾅ\n"), 4u);  // half-width katakana take one byte each
    // A character with no Shift-JIS code is stored as "?".
    EXPECT_EQ(MessageToCp932("a\xEF\xBF\xBD" "b"), "a?b");
    EXPECT_EQ(MessageToCp932("\xE5\x85\xA8"), "\x91\x53");  // 全
}

TEST(AllClearMessageTest, AnInsertionIsCutToTheRoomLeftAndLosesWhatTheFieldCannotHold) {
    EXPECT_EQ(FitInsertion("abc", 3), "abc");
    EXPECT_EQ(FitInsertion("abc", 2), "ab");
    // A double-byte character never goes in half.
    EXPECT_EQ(FitInsertion("a全", 2), "a");
    EXPECT_EQ(FitInsertion("\n", 1), "");
    EXPECT_EQ(FitInsertion("全部", 0), "");
    // No Shift-JIS code, a CR (Enter gives LF) and a zero that would end the field.
    EXPECT_EQ(FitInsertion("a\xF0\x9F\x98\x80" "b\r\nc", 10), "ab\nc");
    EXPECT_EQ(FitInsertion(std::string("x\0y", 3), 10), "xy");
    // A broken UTF-8 byte is not taken either.
    EXPECT_EQ(FitInsertion("a\xFF" "b", 10), "ab");
    EXPECT_EQ(FitInsertion("a\xF8" "bcd", 10), "abcd") << "0xF8 leads no sequence";
}
}  // namespace
