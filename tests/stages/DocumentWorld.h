// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "base/MemorySettingsStore.h"
#include "engine/GameSession.h"
#include "engine/SessionStageSetView.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/PatternFile.h"
#include "tests/engine/FakePlatform.h"
#include "tests/stages/DocumentFakes.h"

// A document wired to its session, settings, files and user, all faked: the
// world in which the document and start-up tests open and save sets.
struct DocumentWorld {
    DocumentWorld() : session(doc, platform, platform), commands(doc) {
        platform.Serve(session);
        doc.AttachView(&sessionView);
        doc.AttachServices({&files, &ui, &settings});
    }

    CBlockDoc doc;
    FakePlatform platform;
    GameSession session;
    SessionStageSetView sessionView{session};
    MemorySettingsStore settings;
    FakeDocumentFiles files;
    FakeDocumentUi ui;
    DocumentCommands commands;
};

// The bytes of a stage set whose first stage holds one block of the kind.
inline std::string PatternWith(int kind) {
    CBlockDoc source;
    source.SetCell(0, 0, kind);
    PatternFile::NormaliseForSave(source);
    return PatternFile::Encode(source);
}
