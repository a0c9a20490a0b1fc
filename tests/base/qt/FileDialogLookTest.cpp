// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/FileDialogLook.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "tests/stages/qt/ChildProcess.h"

namespace {
// The program's dialogs read the way it speaks, whatever the machine's
// language: a date written the Japanese way, and no column cut short,
// neither its text nor at the window's right edge.
void CheckDialogLook() {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));  // as the program starts
    QTemporaryDir folder;
    QFile set(folder.filePath(QStringLiteral("SYSTEM.BLC")));
    ASSERT_TRUE(set.open(QIODevice::WriteOnly));
    set.write(QByteArray(2125, '\0'));
    set.flush();  // so that closing writes nothing more to date the file
    ASSERT_TRUE(set.setFileTime(QDateTime({2026, 12, 28}, {20, 58}), QFileDevice::FileModificationTime));
    set.close();

    QFileDialog dialog(nullptr, QStringLiteral("開く"), folder.path());
    FinishFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("x (*.blc)"), QStringLiteral("y (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("blc"));
    dialog.show();
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(details, nullptr);
    QAbstractItemModel* files = details->model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount(details->rootIndex()) == 1; }));

    const QModelIndex name = files->index(0, 0, details->rootIndex());
    EXPECT_EQ(name.siblingAtColumn(3).data().toString(), QStringLiteral("2026/12/28 20:58"));
    QHeaderView* header = details->header();
    int columnsWidth = 0;
    for (int column = 0; column < 4; ++column) {
        const QString text = name.siblingAtColumn(column).data().toString();
        EXPECT_LT(details->fontMetrics().horizontalAdvance(text), header->sectionSize(column))
            << "column " << column << ": " << text.toStdString();
        columnsWidth += header->sectionSize(column);
    }
    EXPECT_LE(columnsWidth, details->viewport()->width());
    QLocale::setDefault(before);
}

// In a child process: painting a dialog this size starts Qt's drawing
// threads, which any later forked child of this process would wait on.
TEST(FileDialogLook, DatesReadInJapaneseAndNoColumnIsCut) {
    EXPECT_EQ(ChildProcess::Run([] {
        CheckDialogLook();
        return ::testing::Test::HasFailure() ? 1 : 0;
    }), "exit 0");
}
}  // namespace
