// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/FileDialogLook.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QStyle>
#include <QTreeView>

namespace {
enum Column { Name = 0, Size = 1, Type = 2, Date = 3 };

// Qt writes sizes and dates in the system's language, not in the program's
// (QLocale's default, Japanese); this writes the date column again in it.
class ProgramLocaleDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() != Date || files == nullptr)
            return QIdentityProxyModel::data(index, role);
        return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    }
};

// The widest text each column is made to hold: the largest size below a
// thousand GiB, type names such as a stage set's and a MIDI file's, and a
// date with the widest digits.
int ColumnWidth(const QFontMetrics& metrics, Column column) {
    const int padding = 4 * metrics.averageCharWidth();
    switch (column) {
    case Size: return metrics.horizontalAdvance(QStringLiteral("1000.00 KiB")) + padding;
    case Type: return metrics.horizontalAdvance(QStringLiteral("MIDI オーディオ ファイル")) + padding;
    case Date: return metrics.horizontalAdvance(QLocale().toString(QDateTime({2000, 12, 28}, {20, 58}),
                                                                   QLocale::ShortFormat)) + padding;
    case Name: break;
    }
    return metrics.horizontalAdvance(QString(32, QLatin1Char('n'))) + padding;  // 32 letters of a name
}

void WidenColumns(QFileDialog& dialog) {
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (details == nullptr) return;
    QHeaderView* header = details->header();
    int columnsWidth = 0;
    for (const Column column : {Name, Size, Type, Date}) {
        header->resizeSection(column, ColumnWidth(details->fontMetrics(), column));
        columnsWidth += header->sectionSize(column);
    }
    // The view holds every column with a scroll bar's width to spare for
    // long folders, and the window grows to let it.
    const int scrollBar = details->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, details);
    details->setMinimumWidth(columnsWidth + scrollBar + 2 * details->frameWidth());
}

// The side bar keeps room for a place named in eight Japanese characters
// ("コンピュータ" and the game's own folders), beside the widened view.
void WidenSideBar(QFileDialog& dialog) {
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    if (places == nullptr) return;
    const QFontMetrics metrics = places->fontMetrics();
    const int scrollBar = places->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, places);
    places->setMinimumWidth(metrics.horizontalAdvance(QString(8, QChar(0x30B3))) + places->iconSize().width() +
                            4 * metrics.averageCharWidth() + scrollBar);
}
}  // namespace

void FinishFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ProgramLocaleDates(&dialog));
    WidenColumns(dialog);
    WidenSideBar(dialog);
}
