// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/qt/QtDocumentUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "base/StringTable.h"
#include "base/qt/DialogFrame.h"
#include "base/qt/FileDialogLook.h"
#include "base/qt/MessageBox.h"
#include "base/qt/QtText.h"
#include "stages/DocumentTexts.h"

namespace {
constexpr const char* kYesText = "はい";
constexpr const char* kNoText = "いいえ";
constexpr const char* kCancelText = "キャンセル";
// Beside the program, the folder of the stage sets shipped with it.
constexpr const char* kShippedStagesFolder = "stages";

QString BoxTitle() { return ToQString(LoadString(StringId::ProgramTitle)); }

// The stage sets that come with the game, one click away in the Open
// dialog's side bar, after the places the dialog offers itself. Qt keeps a
// dialog's side bar for every Qt program of the user, so the place is taken
// out again before the dialog goes.
class ShippedStageSetsPlace {
public:
    explicit ShippedStageSetsPlace(QFileDialog& dialog) : dialog_(dialog) {
        const QString folder = QCoreApplication::applicationDirPath() + "/" + kShippedStagesFolder;
        QList<QUrl> places = dialog_.sidebarUrls();
        if (!QFileInfo(folder).isDir() || places.contains(QUrl::fromLocalFile(folder))) return;
        place_ = QUrl::fromLocalFile(folder);
        dialog_.setSidebarUrls(places << place_);
    }
    ~ShippedStageSetsPlace() {
        if (place_.isEmpty()) return;
        QList<QUrl> places = dialog_.sidebarUrls();
        places.removeAll(place_);
        dialog_.setSidebarUrls(places);
    }

private:
    QFileDialog& dialog_;
    QUrl place_;
};

// The Open and Save As dialogs share the type list and the default extension.
std::optional<std::string> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, std::string_view title,
                                         std::string_view suggestedName) {
    QFileDialog dialog(parent, ToQString(title));
    FinishFileDialog(dialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({ToQString(DocumentTexts::kStageSetFilter), ToQString(DocumentTexts::kAllFilesFilter)});
    dialog.setDefaultSuffix(ToQString(DocumentTexts::kDefaultExtension.substr(1)));
    if (!suggestedName.empty()) dialog.selectFile(ToQString(suggestedName));
    std::optional<ShippedStageSetsPlace> shipped;
    if (mode == QFileDialog::AcceptOpen) shipped.emplace(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}
}  // namespace

void QtDocumentUi::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtDocumentUi::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void QtDocumentUi::ReportLoadFailure(std::string_view text) { ShowMessage(text, MessageIcon::Exclamation); }

void QtDocumentUi::ReportSaveFailure(std::string_view text) { ShowMessage(text, MessageIcon::Exclamation); }

void QtDocumentUi::ShowMessage(std::string_view text, MessageIcon icon) {
    ShowMessageBox(window_, text, icon);
}

SaveAnswer QtDocumentUi::AskSaveChanges(std::string_view question) {
    QMessageBox box(QMessageBox::Question, BoxTitle(), ToQString(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.button(QMessageBox::Yes)->setText(ToQString(kYesText));
    box.button(QMessageBox::No)->setText(ToQString(kNoText));
    box.button(QMessageBox::Cancel)->setText(ToQString(kCancelText));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    DressAsDialog(box);
    switch (box.exec()) {
    case QMessageBox::Yes: return SaveAnswer::Yes;
    case QMessageBox::No: return SaveAnswer::No;
    default: break;
    }
    return SaveAnswer::Cancel;
}

std::optional<std::string> QtDocumentUi::AskOpenPath() {
    return RunFileDialog(window_, QFileDialog::AcceptOpen, DocumentTexts::kOpenTitle, {});
}

std::optional<std::string> QtDocumentUi::AskSaveAsPath(std::string_view suggestedName) {
    return RunFileDialog(window_, QFileDialog::AcceptSave, DocumentTexts::kSaveAsTitle, suggestedName);
}

void QtDocumentUi::ShowCaption(std::string_view caption) {
    if (window_ != nullptr) window_->setWindowTitle(ToQString(caption));
}
