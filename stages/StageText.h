// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

class CBlockDoc;

// A stage set as readable, editable text: a grid of one glyph per cell for
// each stage, the bonus-ball flags, the reserved area and the all-clear
// message. Writing and reading are exact inverses over the stored areas, so
// any pattern file survives text -> file byte for byte, oddities included.
namespace StageText {

// The legend printed at the top of every text, so a designer needs no manual.
extern const std::string_view kLegend;

// The glyph of a plain cell kind 0..14 ('.', '1'..'9', 'a'..'c', 'G', 'S'),
// or nothing for any other byte, which is written as a {hh} escape instead.
std::optional<char> GlyphOfCell(signed char cell);
std::optional<signed char> CellOfGlyph(char glyph);

std::string Write(const CBlockDoc& doc);

struct Error {
    int line = 0;  // 1-based line of the text at fault
    std::string message;
};

// Fills cells, flags, reserved area and message of a cleared document;
// anything the text leaves out stays zero. Nothing on success.
std::optional<Error> Read(std::string_view text, CBlockDoc& doc);

}  // namespace StageText
