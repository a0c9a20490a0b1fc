// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/Translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {
// Qt's own buttons and file dialogs speak Japanese beside the program's texts,
// whatever the language of the machine the tests run on.
TEST(TranslationsTest, QtsOwnTextsReadInJapanese) {
    ASSERT_TRUE(InstallJapaneseTranslations(*qApp)) << "Qt's Japanese translations are not installed";
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));

    // The file dialog's type column: Qt's catalogue has no word for a folder.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("フォルダ"));
    // ... while what the catalogue does hold still comes from it.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "New Folder"), QStringLiteral("新しいフォルダ"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Not a text of Qt's"),
              QStringLiteral("Not a text of Qt's"));
}
}  // namespace
