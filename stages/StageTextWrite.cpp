// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "stages/CBlockDoc.h"
#include "stages/QuotedMessage.h"
#include "stages/StageText.h"

namespace StageText {

const std::string_view kLegend =
    "# Zembrovaltine stage set as text; \"blctool build\" turns it into a .blc file.\n"
    "#\n"
    "# stage N          N = 1..10, then an optional bonus line and 12 rows of 15 cells\n"
    "# bonus yes        a bonus ball when the stage is cleared (\"no\" or none: no ball;\n"
    "#                  0xhh: any other flag byte, which the game also counts as yes)\n"
    "# cells            .  empty          1-9 a b c  colour blocks 1 to 12\n"
    "#                  G  gold (never breaks)        S  silver (three hits)\n"
    "#                  {hh}  any other cell byte in hex, e.g. {2e} a standing silver\n"
    "#                  spaces between cells are ignored\n"
    "# reserved hex     the 30 reserved bytes (zero when the line is missing)\n"
    "# message \"text\"   the all-clear message in Shift-JIS, at most 255 bytes; escapes\n"
    "#                  \\\" \\\\ \\n \\r \\t, and \\xhh for a byte that is not clean text\n"
    "# message-field hex  the whole 256-byte message field, as lines of hex that add\n"
    "#                  up to 256 bytes; the message text is laid over its start.\n"
    "#                  Written only when the field holds bytes after the text's zero.\n"
    "# Lines starting with # are comments.\n";

namespace {
constexpr char kGlyphs[] = ".123456789abcGS";  // kinds 0..14
constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::size_t kFieldBytesPerLine = 32;

std::string Hex(const unsigned char* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += kHexDigits[bytes[i] >> 4];
        text += kHexDigits[bytes[i] & 0xF];
    }
    return text;
}

std::string CellText(signed char cell) {
    if (const std::optional<char> glyph = GlyphOfCell(cell)) return std::string(1, *glyph);
    const auto byte = static_cast<unsigned char>(cell);
    return "{" + Hex(&byte, 1) + "}";
}

std::string BonusLine(std::uint8_t flag) {
    if (flag == 0) return {};
    if (flag == 1) return "bonus yes\n";
    return "bonus 0x" + Hex(&flag, 1) + "\n";
}

void WriteStage(const CBlockDoc& doc, int stage, std::string& out) {
    out += "\nstage " + std::to_string(stage + 1) + "\n";
    out += BonusLine(doc.m_bonusBall[stage]);
    const ConstStageCells cells = doc.CellsOf(stage);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            out += CellText(cells[CellIndex(column, row)]);
        out += '\n';
    }
}

void WriteReserved(const CBlockDoc& doc, std::string& out) {
    const bool allZero = std::all_of(doc.m_reserved.begin(), doc.m_reserved.end(),
                                     [](std::uint8_t b) { return b == 0; });
    if (allZero) return;
    out += "reserved " + Hex(doc.m_reserved.data(), doc.m_reserved.size()) + "\n";
}

void WriteMessageField(const CBlockDoc& doc, std::string& out) {
    const auto* field = reinterpret_cast<const unsigned char*>(doc.m_message.data());
    for (std::size_t at = 0; at < doc.m_message.size(); at += kFieldBytesPerLine)
        out += "message-field " + Hex(field + at, kFieldBytesPerLine) + "\n";
}

void WriteMessage(const CBlockDoc& doc, std::string& out) {
    const std::string_view field(doc.m_message.data(), doc.m_message.size());
    const std::size_t zero = field.find('\0');
    if (zero == std::string_view::npos) {
        // Laying text and its zero over the field would change it, so the
        // text is shown for reading only.
        out += "# The message field holds no zero byte; the game shows its first 255 bytes:\n";
        out += "# " + QuoteMessage(doc.MessageText()) + "\n";
        WriteMessageField(doc, out);
        return;
    }
    out += "message " + QuoteMessage(field.substr(0, zero)) + "\n";
    const std::string_view tail = field.substr(zero + 1);
    if (tail.find_first_not_of('\0') != std::string_view::npos) WriteMessageField(doc, out);
}
}  // namespace

std::optional<char> GlyphOfCell(signed char cell) {
    if (cell < BlockKind::Empty || cell > BlockKind::Silver) return std::nullopt;
    return kGlyphs[cell];
}

std::optional<signed char> CellOfGlyph(char glyph) {
    for (signed char kind = BlockKind::Empty; kind <= BlockKind::Silver; ++kind)
        if (kGlyphs[kind] == glyph) return kind;
    return std::nullopt;
}

std::string Write(const CBlockDoc& doc) {
    std::string out(kLegend);
    for (int stage = 0; stage < kStageCount; ++stage) WriteStage(doc, stage, out);
    out += '\n';
    WriteReserved(doc, out);
    WriteMessage(doc, out);
    return out;
}

}  // namespace StageText
