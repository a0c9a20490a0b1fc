// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BlockPicture.h"

#include "engine/DrawGeometry.h"
#include "stages/CBlockDoc.h"

namespace {
void AddLine(FillList& fills, PixelPoint from, PixelPoint to, Rgb colour) {
    fills.Add(LinePixels(from, to), colour);
}

// A crack is a bright line with a dark one just before it, so it looks cut in.
void AddVerticalCrack(FillList& fills, int x, int top, int height, const BlockColours& colours) {
    AddLine(fills, {x, top}, {x, top + height}, colours.highlight);
    AddLine(fills, {x - 1, top}, {x - 1, top + height}, colours.outline);
}

void AddEmptyCell(FillList& fills, PixelPoint origin, int width, int height, bool editorMode) {
    fills.Add({origin.x, origin.y, width, height}, ViewColours::kBackground);
    if (!editorMode) return;
    // Only the top and left edges: the neighbours' lines close each cell.
    AddLine(fills, origin, {origin.x + width, origin.y}, ViewColours::kGridLine);
    AddLine(fills, origin, {origin.x, origin.y + height}, ViewColours::kGridLine);
}

void AddBlock(FillList& fills, PixelPoint origin, int width, int height, int kind) {
    const auto [x, y] = origin;
    const BlockColours& colours = ColoursOfKind(kind);
    fills.Add({x, y, width, height}, colours.outline);
    fills.Add({x + 1, y + 1, width - 2, height - 2}, colours.fill);
    AddLine(fills, origin, {x, y + height - 1}, colours.highlight);
    AddLine(fills, origin, {x + width - 1, y}, colours.highlight);

    if (kind > BlockKind::Silver) AddVerticalCrack(fills, x + width / 2, y, height, colours);
    if (kind > BlockKind::SilverCracked) {
        const int quarter = x + width / 4;
        const int threeQuarters = x + 3 * width / 4;
        const int middle = y + height / 2;
        AddLine(fills, {quarter, y}, {quarter, y + height}, colours.highlight);
        AddLine(fills, {threeQuarters, y}, {threeQuarters, y + height}, colours.highlight);
        AddLine(fills, {x, middle}, {x + width, middle}, colours.highlight);
        AddLine(fills, {quarter - 1, y}, {quarter - 1, y + height}, colours.outline);
        AddLine(fills, {threeQuarters - 1, y}, {threeQuarters - 1, y + height}, colours.outline);
        AddLine(fills, {x, middle - 1}, {x + width, middle - 1}, colours.outline);
    }
}
}  // namespace

FillList BlockFills(PixelPoint origin, int width, int height, std::int8_t cell, bool editorMode) {
    const bool standing = (cell & BlockAlive) != 0;
    const int kind = cell & ~BlockAlive;
    FillList fills;
    // A standing bit on an empty cell names no colour: such a cell is empty.
    if (cell <= 0 || kind == BlockKind::Empty || !(standing || editorMode))
        AddEmptyCell(fills, origin, width, height, editorMode);
    else
        AddBlock(fills, origin, width, height, kind);
    return fills;
}
