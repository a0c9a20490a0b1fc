// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The document's own Open dialog: the stage sets shipped with the game are
// one click away in its side bar, and only there.
#include "stages/qt/QtDocumentUi.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QSettings>
#include <QUrl>

#include "tests/base/qt/MessageBoxes.h"

TEST(QtDocumentUiTest, TheOpenDialogOffersTheShippedStageSetsInItsSideBarOnly) {
    const QUrl shipped = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/stages");
    QList<QUrl> places;
    WhenDialogOpens([&](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        places = files->sidebarUrls();
        files->reject();
    });
    QtDocumentUi ui;
    EXPECT_FALSE(ui.AskOpenPath().has_value());
    EXPECT_TRUE(places.contains(shipped));

    // Qt remembers a dialog's side bar for all the user's Qt programs: the
    // place must not stay in theirs.
    const QSettings remembered(QSettings::UserScope, "QtProject");
    EXPECT_FALSE(remembered.value("FileDialog/shortcuts").toStringList().contains(shipped.toString()));
}
