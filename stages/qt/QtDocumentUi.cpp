#include "stages/qt/QtDocumentUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "shell/StringTable.h"
#include "stages/DocumentTexts.h"

namespace {
constexpr const char* kYesText = "はい";
constexpr const char* kNoText = "いいえ";
constexpr const char* kCancelText = "キャンセル";

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString BoxTitle() { return ToQString(LoadString(StringId::ProgramTitle)); }

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The Open and Save As dialogs share the type list and the default extension.
std::optional<std::string> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, std::string_view title,
                                         std::string_view suggestedName) {
    QFileDialog dialog(parent, ToQString(title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({ToQString(DocumentTexts::kStageSetFilter), ToQString(DocumentTexts::kAllFilesFilter)});
    dialog.setDefaultSuffix(ToQString(DocumentTexts::kDefaultExtension.substr(1)));
    if (!suggestedName.empty()) dialog.selectFile(ToQString(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}
}  // namespace

void QtDocumentUi::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtDocumentUi::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void QtDocumentUi::ReportLoadFailure(std::string_view text) { ShowMessage(text, MessageIcon::Exclamation); }

void QtDocumentUi::ReportSaveFailure(std::string_view text) { ShowMessage(text, MessageIcon::Exclamation); }

void QtDocumentUi::ShowMessage(std::string_view text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), BoxTitle(), ToQString(text), QMessageBox::Ok, window_);
    box.exec();
}

SaveAnswer QtDocumentUi::AskSaveChanges(std::string_view question) {
    QMessageBox box(QMessageBox::Question, BoxTitle(), ToQString(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8(kYesText));
    box.button(QMessageBox::No)->setText(QString::fromUtf8(kNoText));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8(kCancelText));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
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
