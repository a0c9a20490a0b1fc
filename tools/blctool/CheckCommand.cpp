// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool check: whether the game will open a stage set, and what a
// designer should know about it.
#include <iostream>
#include <sstream>

#include "base/StringTable.h"
#include "stages/CBlockDoc.h"
#include "stages/MessageChars.h"
#include "stages/PatternFile.h"
#include "stages/SealedBlocks.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"

namespace {
constexpr int kOpens = 0;
constexpr int kRefused = 1;
constexpr int kUsageError = 2;
// The framework's load-failure report when a file cannot be opened at all.
constexpr std::string_view kLoadFailureText = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";
constexpr std::size_t kMostCellsListed = 8;

std::string FormatWithPath(std::string_view text, const std::string& path) {
    std::string result(text);
    const std::size_t at = result.find("%1");
    if (at != std::string::npos) result.replace(at, 2, path);
    return result;
}

std::string CellList(const std::vector<CellAddress>& cells) {
    std::ostringstream list;
    for (std::size_t i = 0; i < cells.size() && i < kMostCellsListed; ++i)
        list << (i ? ", " : "") << "row " << cells[i].row + 1 << " column " << cells[i].column + 1;
    if (cells.size() > kMostCellsListed) list << ", ...";
    return list.str();
}

struct StageCensus {
    int breakable = 0;
    int silver = 0;
    int gold = 0;
    int storedBytes = 0;  // nonzero bytes: what the game's empty-stage test counts
    std::vector<CellAddress> aboveSilver;
    std::vector<CellAddress> foreign;  // top bit set
};

StageCensus TakeCensus(const CBlockDoc& doc, int stage) {
    StageCensus census;
    const ConstStageCells cells = doc.CellsOf(stage);
    for (int index = 0; index < kCellsPerStage; ++index) {
        const signed char cell = cells[index];
        const CellAddress address{index / kGridColumns, index % kGridColumns};
        if (cell != 0) ++census.storedBytes;
        if (cell < 0) census.foreign.push_back(address);
        if (cell > 0 && (cell & ~BlockAlive) > BlockKind::Silver) census.aboveSilver.push_back(address);
        const int kind = PlayedKind(cell);
        if (kind == BlockKind::Gold) ++census.gold;
        if (kind == BlockKind::Silver) ++census.silver;
        if (kind != BlockKind::Empty && kind != BlockKind::Gold) ++census.breakable;
    }
    return census;
}

class Checker {
public:
    explicit Checker(const CBlockDoc& doc) : doc_(doc) {}

    void CheckStages() {
        for (int stage = 0; stage < kStageCount; ++stage) CheckStage(stage);
    }

    void CheckMessage() {
        const std::string_view field(doc_.m_message.data(), doc_.m_message.size());
        const std::string_view text = doc_.MessageText();
        if (field.find('\0') == std::string_view::npos)
            Warn("the message field holds no zero byte; the game shows its first 255 bytes");
        if (text.empty()) Warn("the all-clear message is empty: clearing stage 10 shows an empty box");
        if (!IsCleanCp932(text))
            Warn("the all-clear message is not clean Shift-JIS text; some bytes will show as odd characters");
    }

    void CheckFlags() {
        for (int stage = 0; stage < kStageCount; ++stage) {
            const int flag = doc_.m_bonusBall[stage];
            if (flag > 1)
                Note("stage " + std::to_string(stage + 1) + ": bonus flag " + std::to_string(flag) +
                     " counts as yes; the editor writes only 0 and 1");
        }
    }

    const std::string& Report() const { return report_; }

private:
    void CheckStage(int stage) {
        const StageCensus census = TakeCensus(doc_, stage);
        const std::string name = "stage " + std::to_string(stage + 1);
        Line(name + ": " + std::to_string(census.breakable) + " blocks to clear (" + std::to_string(census.silver) +
             " silver), " + std::to_string(census.gold) + " gold" + (doc_.m_bonusBall[stage] ? ", bonus ball" : ""));
        if (census.storedBytes == 0)
            Warn(name + " is empty: the game says \"" + std::string(LoadString(StringId::NoBlocks)) +
                 "\" and counts it cleared at once");
        else if (census.breakable == 0)
            Warn(name + " has nothing to break: it counts as cleared as soon as the ball flies");
        if (!census.aboveSilver.empty())
            Warn(name + ": cell values above 14 are played as silver and saved as 14 (" +
                 CellList(census.aboveSilver) + ")");
        if (!census.foreign.empty())
            Warn(name + ": cell bytes with the top bit set never stand and are drawn as empty (" +
                 CellList(census.foreign) + ")");
        const std::vector<CellAddress> sealed = SealedBlocks(doc_, stage);
        if (!sealed.empty())
            Warn(name + " can never be cleared: gold blocks close off " + std::to_string(sealed.size()) +
                 " block(s) from the ball (" + CellList(sealed) + ")");
    }

    void Line(const std::string& text) { report_ += text + "\n"; }
    void Warn(const std::string& text) { Line("warning: " + text); }
    void Note(const std::string& text) { Line("note: " + text); }

    const CBlockDoc& doc_;
    std::string report_;
};

std::string LengthNote(std::size_t size) {
    if (size < PatternFile::kFileSize)
        return "warning: the file is " + std::to_string(size) + " bytes, not 2125; the game reads what is missing as zero\n";
    if (size > PatternFile::kFileSize)
        return "note: the file is longer than 2125 bytes; what lies past byte 2125 is ignored and was not read\n";
    return {};
}

int Refuse(const std::string& path, const std::string& why, std::string_view gameText) {
    std::cout << path << ": the game will not open it: " << why << '\n'
              << "The game says: \"" << gameText << "\"\n";
    return kRefused;
}

int Check(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: blctool check FILE.blc\n";
        return kUsageError;
    }
    const std::string& path = args[0];
    auto read = ReadStageSetBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read))
        return Refuse(path, "it cannot be read (" + failure->reason + ")", kLoadFailureText);
    const std::string& bytes = std::get<std::string>(read);
    if (const auto problem = HeaderProblem(bytes))
        return Refuse(path, *problem, FormatWithPath(LoadString(StringId::NotPatternFile), path));

    CBlockDoc doc;
    PatternFile::Decode(bytes, doc);
    Checker checker(doc);
    checker.CheckStages();
    checker.CheckFlags();
    checker.CheckMessage();
    std::cout << path << ": the game opens it\n" << LengthNote(bytes.size()) << checker.Report();
    return kOpens;
}

const CommandRegistration kCheck{{"check", "FILE.blc            whether the game opens it, and warnings (exit 0: it opens)", &Check}};
}  // namespace
