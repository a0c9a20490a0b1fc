// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/SettingsKeys.h"
#include "base/qt/QtSettingsStore.h"
#include "engine/qt/CBlockView.h"
#include "shell/qt/CBlockApp.h"
#include "shell/qt/CMainFrame.h"
#include "stages/PatternFile.h"
#include "tests/stages/DocumentFakes.h"

// The whole program started in a temporary directory, with a real settings
// file and real stage files; only the document's dialogs and reports are faked.
class StartedApp : public ::testing::Test {
protected:
    StartedApp() : settings(dir.filePath("settings.ini")) {
        QDir(dir.path()).mkdir("bin");
        QApplication::setQuitOnLastWindowClosed(false);
        // Silent: music on would ask about the missing tunes in a real dialog.
        settings.WriteInt(Settings::kSection, Settings::kSound, 0);
    }

    // A stage set whose stages hold one block each, so a game can start on any.
    QString WriteSet(const QString& name) {
        CBlockDoc source;
        for (int stage = 0; stage < kStageCount; ++stage, source.NextStage()) source.SetCell(4, 2, 3);
        PatternFile::NormaliseForSave(source);
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(PatternFile::Encode(source)));
        return path;
    }
    std::unique_ptr<CBlockApp> Start(QStringList arguments = {}) {
        arguments.prepend("zembrovaltine");
        auto app = std::make_unique<CBlockApp>(
            CBlockApp::Environment{dir.filePath("bin/zembrovaltine"), arguments, &settings, &ui,
                                   dir.filePath("recovery")});
        started = app->InitInstance();
        return app;
    }
    static GameSession& SessionOf(CBlockApp& app) { return app.MainWindow()->View()->Session(); }
    std::string Stored(std::string_view key) { return settings.ReadString(Settings::kSection, key, "(missing)"); }

    QTemporaryDir dir;
    QtSettingsStore settings;
    FakeDocumentUi ui;
    bool started = false;
};
