// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/StageText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"

namespace {
// Every kind of oddity a file can hold: flags and cracks on cells, foreign
// and negative bytes, an odd bonus byte, a reserved area, and a message of
// Shift-JIS with half-width kana, control characters, quotes, an unmapped
// code, a stray lead byte and an old tail after its zero.
CBlockDoc OddSet() {
    CBlockDoc doc;
    for (int i = 0; i < kStageCount * kCellsPerStage; ++i) doc.AllCells()[i] = static_cast<std::int8_t>((i * 7) % 15);
    const std::int8_t odd[] = {0x2E, 0x30, 0x21, 0x0F, 0x11, 0x7F, -1, -128, 0x40};
    for (std::size_t i = 0; i < std::size(odd); ++i) doc.AllCells()[i * 191] = odd[i];
    doc.m_bonusBall = {1, 0, 0x05, 0, 0, 0, 0, 0, 0, 0xFF};
    for (int i = 0; i < kReservedSize; ++i) doc.m_reserved[i] = static_cast<std::uint8_t>(i * 9);
    const char message[] =
        "\x82\xA8\x82\xDF\x82\xC5\x82\xC6\x82\xA4"  // おめでとう
        " \xBD\xC3\xB0\xBC\xDE"                      // half-width ｽﾃｰｼﾞ
        "\r\n\t\"quoted\" back\\slash \x1B"          // control characters and escapes
        "\x85\x40"                                   // a code with no character
        "\xED\x40"                                   // an NEC-selected duplicate
        "\x81";                                      // a lead byte without its trail
    std::memcpy(doc.m_message.data(), message, sizeof message);  // with its zero
    doc.m_message[200] = 'T';                                    // an old tail
    return doc;
}

std::string RoundTrip(const CBlockDoc& doc) {
    CBlockDoc rebuilt;
    const auto error = StageText::Read(StageText::Write(doc), rebuilt);
    EXPECT_FALSE(error) << error->line << ": " << error->message;
    return PatternFile::Encode(rebuilt);
}

TEST(StageTextTest, WriteThenReadGivesTheSameFileByteForByte) {
    const CBlockDoc odd = OddSet();
    EXPECT_EQ(RoundTrip(odd), PatternFile::Encode(odd));

    CBlockDoc noZero = odd;
    noZero.m_message.fill('\x82');  // the field holds no zero byte
    EXPECT_EQ(RoundTrip(noZero), PatternFile::Encode(noZero));

    const CBlockDoc empty;
    EXPECT_EQ(RoundTrip(empty), PatternFile::Encode(empty));
}

TEST(StageTextTest, TextReadsAsDesignersWriteIt) {
    std::string text = "# a comment\r\nstage 2\r\nbonus yes\n";
    text += "1 2 3 4 5 6 7 8 9 a b c G S .\n";
    for (int row = 1; row < kGridRows; ++row) text += "...............\n";
    text += "message \"\xE3\x82\xAF\xE3\x83\xAA\xE3\x82\xA2!\"\n";  // クリア!
    CBlockDoc doc;
    ASSERT_FALSE(StageText::Read(text, doc));
    doc.m_nStage = 1;
    for (int column = 0; column < kGridColumns; ++column) EXPECT_EQ(doc.Cell(column, 0), (column + 1) % 15);
    EXPECT_EQ(doc.m_bonusBall[1], 1);
    EXPECT_EQ(doc.m_bonusBall[0], 0) << "stages left out stay empty";
    EXPECT_EQ(doc.MessageText(), "\x83\x4E\x83\x8A\x83\x41!");
}

TEST(StageTextTest, ErrorsNameTheLineAtFault) {
    const std::string rows11 = [] {
        std::string rows;
        for (int row = 0; row < 11; ++row) rows += "...............\n";
        return rows;
    }();
    struct Case {
        std::string text;
        int line;
        std::string fragment;
    };
    const Case cases[] = {
        {"stage 11\n", 1, "1 to 10"},
        {"stage 1\n" + rows11 + "......x........\n", 13, "unknown cell \"x\""},
        {"stage 1\n" + rows11 + "..............\n", 13, "has 14"},
        {"stage 1\n" + rows11 + ".............{2}\n", 13, "{hh}"},
        {"stage 1\n" + rows11 + "message \"\"\n", 1, "has 11 rows"},
        {"stage 1\n" + rows11 + "...............\nstage 1\n", 14, "twice"},
        {"\n\nbonus yes\n", 3, "right after its stage"},
        {"stage 1\nbonus 0x1\n", 2, "yes, no or a byte"},
        {"message \"" + std::string(256, 'a') + "\"\n", 1, "at most 255"},
        {"message \"\xF0\x9F\x98\x80\"\n", 1, "Shift-JIS lacks"},
        {"message \"\\q\"\n", 1, "bad escape"},
        {"message \"a\\x00b\"\n", 1, "zero byte"},
        {"reserved 00\n", 1, "30 bytes"},
        {"message-field 00\nmessage \"\"\n", 1, "hold 1 bytes"},
        {"message-field 0g\n", 1, "in hex"},
        {"message-field " + std::string(2 * 257, '0') + "\n", 1, "more than 256"},
        {"hello\n", 1, "expected stage"},
    };
    for (const Case& c : cases) {
        CBlockDoc doc;
        const auto error = StageText::Read(c.text, doc);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_NE(error->message.find(c.fragment), std::string::npos) << error->message;
    }
}
}  // namespace
