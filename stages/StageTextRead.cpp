// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "stages/CBlockDoc.h"
#include "stages/QuotedMessage.h"
#include "stages/StageText.h"

namespace StageText {
namespace {
struct Line {
    int number = 0;
    std::string_view text;  // trimmed, never blank, never a comment
};

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<Line> MeaningfulLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        ++number;
        if (!line.empty() && line.front() != '#') lines.push_back({number, line});
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

std::string_view FirstWord(std::string_view text) { return text.substr(0, text.find_first_of(kBlanks)); }
std::string_view AfterFirstWord(std::string_view text) { return Trim(text.substr(FirstWord(text).size())); }

bool IsKeyword(std::string_view word) {
    return word == "stage" || word == "bonus" || word == "reserved" || word == "message" ||
           word == "message-field";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Two hex digits at `at`, or -1.
int HexByte(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return -1;
    const int high = HexValue(text[at]);
    const int low = HexValue(text[at + 1]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

// Hex digit pairs, blanks between them allowed; nothing when a digit is bad.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (kBlanks.find(c) == std::string_view::npos) digits += c;
    if (digits.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at < digits.size(); at += 2) {
        const int value = HexByte(digits, at);
        if (value < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

class Reader {
public:
    Reader(std::string_view text, CBlockDoc& doc) : lines_(MeaningfulLines(text)), doc_(doc) {}

    std::optional<Error> Run() {
        while (next_ < lines_.size() && !error_) ReadTopLevel(lines_[next_++]);
        if (!error_) FinishMessage();
        return error_;
    }

private:
    void Fail(int line, std::string message) {
        if (!error_) error_ = Error{line, std::move(message)};
    }

    void ReadTopLevel(const Line& line) {
        const std::string_view word = FirstWord(line.text);
        const std::string_view rest = AfterFirstWord(line.text);
        if (word == "stage") return ReadStage(line, rest);
        if (word == "reserved") return ReadReserved(line, rest);
        if (word == "message") return ReadMessage(line, rest);
        if (word == "message-field") return ReadMessageField(line, rest);
        if (word == "bonus") return Fail(line.number, "a bonus line belongs right after its stage line");
        Fail(line.number, "expected stage, reserved, message or message-field (a stage has 12 rows)");
    }

    void ReadStage(const Line& line, std::string_view rest) {
        const std::optional<int> stage = StageNumber(rest);
        if (!stage) return Fail(line.number, "stage numbers run from 1 to 10");
        if (seenStages_[*stage]) return Fail(line.number, "stage " + std::string(rest) + " is given twice");
        seenStages_[*stage] = true;
        if (next_ < lines_.size() && FirstWord(lines_[next_].text) == "bonus")
            ReadBonus(lines_[next_++], *stage);
        for (int row = 0; row < kGridRows && !error_; ++row) {
            if (next_ >= lines_.size() || IsKeyword(FirstWord(lines_[next_].text)))
                return Fail(line.number, "stage " + std::string(rest) + " has " + std::to_string(row) +
                                             " rows; it needs 12");
            ReadRow(lines_[next_++], *stage, row);
        }
    }

    static std::optional<int> StageNumber(std::string_view text) {
        for (int stage = 0; stage < kStageCount; ++stage)
            if (text == std::to_string(stage + 1)) return stage;
        return std::nullopt;
    }

    void ReadBonus(const Line& line, int stage) {
        const std::string_view value = AfterFirstWord(line.text);
        std::uint8_t& flag = doc_.m_bonusBall[stage];
        if (value == "yes") {
            flag = 1;
        } else if (value == "no") {
            flag = 0;
        } else if (value.size() == 4 && value.substr(0, 2) == "0x" && HexByte(value, 2) >= 0) {
            flag = static_cast<std::uint8_t>(HexByte(value, 2));
        } else {
            Fail(line.number, "bonus takes yes, no or a byte written 0xhh");
        }
    }

    void ReadRow(const Line& line, int stage, int row) {
        const StageCells cells = doc_.CellsOf(stage);
        int column = 0;
        const std::string_view text = line.text;
        for (std::size_t at = 0; at < text.size() && !error_; ++at) {
            if (kBlanks.find(text[at]) != std::string_view::npos) continue;
            if (column == kGridColumns) return Fail(line.number, "a row has 15 cells; this one has more");
            const std::optional<signed char> cell = ReadCell(text, at);
            if (!cell) return Fail(line.number, CellError(text, at));
            cells[CellIndex(column++, row)] = *cell;
        }
        if (column < kGridColumns)
            Fail(line.number, "a row has 15 cells; this one has " + std::to_string(column));
    }

    // A glyph, or a {hh} escape (leaving `at` on its closing brace).
    static std::optional<signed char> ReadCell(std::string_view text, std::size_t& at) {
        if (text[at] != '{') return CellOfGlyph(text[at]);
        const int value = HexByte(text, at + 1);
        if (value < 0 || at + 3 >= text.size() || text[at + 3] != '}') return std::nullopt;
        at += 3;
        return static_cast<signed char>(value);
    }

    static std::string CellError(std::string_view text, std::size_t at) {
        if (text[at] == '{') return "a cell escape is {hh}: two hex digits in braces";
        return "unknown cell \"" + std::string(text.substr(at, 1)) + "\" (see the legend)";
    }

    void ReadReserved(const Line& line, std::string_view rest) {
        if (seenReserved_) return Fail(line.number, "the reserved area is given twice");
        seenReserved_ = true;
        const auto bytes = HexBytes(rest);
        if (!bytes || bytes->size() != doc_.m_reserved.size())
            return Fail(line.number, "reserved takes 30 bytes in hex");
        std::copy(bytes->begin(), bytes->end(), doc_.m_reserved.begin());
    }

    void ReadMessage(const Line& line, std::string_view rest) {
        if (message_) return Fail(line.number, "the message is given twice");
        auto result = UnquoteMessage(rest);
        if (const auto* failure = std::get_if<UnquoteError>(&result)) return Fail(line.number, failure->message);
        std::string& text = std::get<std::string>(result);
        if (text.size() > kMessageLimitBytes)
            return Fail(line.number, "the message is " + std::to_string(text.size()) +
                                         " bytes in Shift-JIS; at most 255 fit");
        if (text.find('\0') != std::string::npos)
            return Fail(line.number, "a zero byte would end the message early; use message-field");
        message_ = std::move(text);
    }

    void ReadMessageField(const Line& line, std::string_view rest) {
        if (!firstFieldLine_) firstFieldLine_ = line.number;
        const auto bytes = HexBytes(rest);
        if (!bytes) return Fail(line.number, "message-field takes bytes in hex");
        field_.insert(field_.end(), bytes->begin(), bytes->end());
        if (field_.size() > doc_.m_message.size())
            Fail(line.number, "the message-field lines hold more than 256 bytes");
    }

    // The field comes first, then the text and its zero over its start, as
    // the game's own message setting leaves an old tail in place.
    void FinishMessage() {
        if (firstFieldLine_) {
            if (field_.size() != doc_.m_message.size())
                return Fail(*firstFieldLine_, "the message-field lines hold " + std::to_string(field_.size()) +
                                                  " bytes; the field has 256");
            std::memcpy(doc_.m_message.data(), field_.data(), field_.size());
        }
        if (message_) {
            std::memcpy(doc_.m_message.data(), message_->data(), message_->size());
            doc_.m_message[message_->size()] = '\0';
        }
    }

    std::vector<Line> lines_;
    std::size_t next_ = 0;
    CBlockDoc& doc_;
    std::optional<Error> error_;
    std::array<bool, kStageCount> seenStages_{};
    bool seenReserved_ = false;
    std::optional<std::string> message_;
    std::vector<std::uint8_t> field_;
    std::optional<int> firstFieldLine_;
};
}  // namespace

std::optional<Error> Read(std::string_view text, CBlockDoc& doc) { return Reader(text, doc).Run(); }

}  // namespace StageText
