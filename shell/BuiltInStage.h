// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CBlockDoc;

// Fills the document with a small built-in stage set for running the game
// without a stage file: rainbow rows under a silver band with a few gold
// pillars on the first stage, and every colour, silver and gold somewhere
// on each of the ten stages. The document is left unmodified.
void LoadBuiltInStageSet(CBlockDoc& doc);
