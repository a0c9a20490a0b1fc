// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/PatternFile.h"

#include <gtest/gtest.h>

#include <string>

#include "stages/CBlockDoc.h"

namespace {
std::string Header() { return std::string(PatternFile::kMagic) + '\x0A'; }

// A complete file whose every area holds something recognisable.
std::string SampleFile() {
    std::string bytes = Header();
    for (int i = 0; i < kStageCount * kCellsPerStage; ++i) bytes += static_cast<char>(i % 15);
    bytes += std::string("\x01\x00\x01\x00\x00\x00\x00\x00\x00\x01", 10);
    for (int i = 0; i < kReservedSize; ++i) bytes += static_cast<char>(0xA0 + i);
    std::string message = "\x82\xA8\x82\xDF\x82\xC5\x82\xC6\x82\xA4";  // a greeting in Shift-JIS
    message.resize(kMessageFieldBytes, '\0');
    return bytes + message;
}

std::string SaveBytes(CBlockDoc& doc) {
    PatternFile::NormaliseForSave(doc);
    std::string bytes = PatternFile::Encode(doc);
    PatternFile::MarkAllStanding(doc);
    return bytes;
}

TEST(PatternFileTest, HeaderCheckFollowsTheReader) {
    std::string upper = Header();
    std::string lower = Header();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(PatternFile::HasValidHeader(upper)) << "letter case does not matter";
    EXPECT_TRUE(PatternFile::HasValidHeader(lower));
    EXPECT_TRUE(PatternFile::HasValidHeader(Header() + "more"));

    EXPECT_FALSE(PatternFile::HasValidHeader(std::string(PatternFile::kMagic))) << "28 bytes: no 0x0A";
    std::string wrongEnd = Header();
    wrongEnd.back() = '\x0D';
    EXPECT_FALSE(PatternFile::HasValidHeader(wrongEnd));
    std::string cutShort = Header();
    cutShort[27] = '\0';  // the zero ends the string before the 0x1A
    EXPECT_FALSE(PatternFile::HasValidHeader(cutShort));
    std::string otherName = Header();
    otherName[0] = 'X';
    EXPECT_FALSE(PatternFile::HasValidHeader(otherName));
}

TEST(PatternFileTest, DecodeTakesWhatTheFileHolds) {
    CBlockDoc doc;
    std::ranges::fill(doc.AllCells(), 3);
    doc.m_message[0] = 'x';
    doc.DeleteContents();
    PatternFile::Decode(Header(), doc);
    EXPECT_EQ(PatternFile::Encode(doc), Header() + std::string(2096, '\0')) << "29 bytes: ten empty stages";

    // A file cut off inside the flags: cells all there, the rest as it was.
    CBlockDoc partial;
    partial.m_bonusBall.fill(9);
    partial.m_message[0] = 'k';
    const std::string sample = SampleFile();
    PatternFile::Decode(sample.substr(0, PatternFile::kBonusOffset + 2), partial);
    EXPECT_EQ(partial.AllCells()[14], 14);
    EXPECT_EQ(partial.AllCells()[1799], 1799 % 15);
    EXPECT_EQ(partial.m_bonusBall[0], 1);
    EXPECT_EQ(partial.m_bonusBall[1], 0);
    EXPECT_EQ(partial.m_bonusBall[2], 9);
    EXPECT_EQ(partial.MessageText(), "k");

    CBlockDoc longer;
    PatternFile::Decode(sample + "trailing bytes", longer);
    EXPECT_EQ(PatternFile::Encode(longer), sample) << "bytes past the end are ignored";
}

TEST(PatternFileTest, SavingStoresKindsWithoutFlagsAndStandsThemAgain) {
    CBlockDoc doc;
    std::string bytes = SampleFile();
    bytes[PatternFile::kCellsOffset + 0] = '\x2E';  // standing silver
    bytes[PatternFile::kCellsOffset + 1] = '\x30';  // standing silver, cracked twice
    bytes[PatternFile::kCellsOffset + 2] = '\x11';  // a foreign kind above silver
    bytes[PatternFile::kCellsOffset + 3] = '\xA1';  // a foreign byte with the top bit set
    PatternFile::Decode(bytes, doc);
    EXPECT_EQ(doc.AllCells()[0], 0x2E) << "loaded unchanged";

    const std::string saved = SaveBytes(doc);
    ASSERT_EQ(saved.size(), PatternFile::kFileSize);
    EXPECT_EQ(saved[PatternFile::kCellsOffset + 0], '\x0E');
    EXPECT_EQ(saved[PatternFile::kCellsOffset + 1], '\x0E');
    EXPECT_EQ(saved[PatternFile::kCellsOffset + 2], '\x0E');
    EXPECT_EQ(saved[PatternFile::kCellsOffset + 3], '\x81') << "flag cleared, still never standing";
    EXPECT_EQ(doc.AllCells()[0], 0x2E) << "after the save every positive cell stands";
    EXPECT_EQ(doc.AllCells()[5], 5 | BlockAlive);
    EXPECT_EQ(doc.AllCells()[3], static_cast<std::int8_t>(0x81));
    EXPECT_EQ(doc.AllCells()[15], 0);
}

TEST(PatternFileTest, LoadAndSaveReproduceTheFile) {
    const std::string sample = SampleFile();
    CBlockDoc doc;
    PatternFile::Decode(sample, doc);
    EXPECT_EQ(SaveBytes(doc), sample);
    EXPECT_EQ(SaveBytes(doc), sample) << "a second save after the cells stood again";

    // A shorter message over a longer one leaves the old tail in the file.
    doc.SetMessage("Hi");
    const std::string saved = SaveBytes(doc);
    EXPECT_EQ(saved.substr(PatternFile::kMessageOffset, 12), std::string("Hi\0\xDF\x82\xC5\x82\xC6\x82\xA4\0\0", 12));
    CBlockDoc reloaded;
    PatternFile::Decode(saved, reloaded);
    EXPECT_EQ(reloaded.MessageText(), "Hi");
}

TEST(PatternFileTest, MessageWithoutZeroShowsItsFirst255Bytes) {
    std::string bytes = SampleFile();
    for (std::size_t i = PatternFile::kMessageOffset; i < bytes.size(); ++i) bytes[i] = 'm';
    CBlockDoc doc;
    PatternFile::Decode(bytes, doc);
    EXPECT_EQ(doc.MessageText(), std::string(255, 'm'));
    EXPECT_EQ(PatternFile::Encode(doc), bytes) << "the field is kept whole";
}
}  // namespace
