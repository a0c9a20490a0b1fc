// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/ForcedEndGuard.h"

#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

#include "base/posix/SafeFiles.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/DocumentUi.h"
#include "stages/RecoveryCopy.h"

namespace {
constexpr const char* kNotesName = "pending.txt";
constexpr std::size_t kMostNotesBytes = 64 * 1024;

// Notes are read only from the user's own file: the spare one lies in a
// folder that every user may write.
std::string TakeNotes(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (info.isSymLink() || !info.isFile() || info.ownerId() != ::getuid()) return {};
    const SafeFiles::ReadOutcome read = SafeFiles::ReadRegularFile(path, kMostNotesBytes);
    QFile::remove(QString::fromStdString(path));
    return read.file.status == FileReadResult::Status::Read ? read.file.bytes : std::string();
}

QString DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

std::string Stamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
}
}  // namespace

ForcedEndGuard::ForcedEndGuard(CBlockDoc& doc, DocumentCommands& commands, QWidget& window, DocumentUi& ui,
                               Places places)
    : doc_(&doc), commands_(&commands), window_(&window), ui_(&ui), places_(std::move(places)) {
    if (places_.folder.isEmpty()) places_.folder = DefaultFolder();
    if (places_.spareFolder.isEmpty()) places_.spareFolder = QDir::tempPath();
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &ForcedEndGuard::OnCommitDataRequest,
                Qt::DirectConnection);
}

void ForcedEndGuard::ReportRecoveryCopies() {
    const std::string notice = RecoveryNotice(TakeNotes(NotesPath()) + TakeNotes(SpareNotesPath()));
    if (!notice.empty()) ui_->ShowMessage(notice, MessageIcon::Information);
}

void ForcedEndGuard::CloseWithoutQuestions() {
    KeepEverything();
    // The program ends now whether or not the changes could be kept (what
    // was lost has been said), so the close box's path asks nothing; it
    // writes what every close writes. Leaving every event loop also ends a
    // message box or dialog that happens to be open.
    doc_->SetModifiedFlag(false);
    if (window_ != nullptr) window_->close();
    QCoreApplication::exit(0);
}

bool ForcedEndGuard::CommitData(bool mayAskTheUser) {
    if (mayAskTheUser) return commands_->CanCloseFrame();
    KeepEverything();
    return true;
}

void ForcedEndGuard::OnCommitDataRequest(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    if (!CommitData(mayAsk)) manager.cancel();
    if (mayAsk) manager.release();
}

void ForcedEndGuard::KeepEverything() {
    const std::optional<RecoveryCopy> copy = KeepForUnaskedEnd(*doc_);
    if (!copy) return;
    const std::string path = WriteCopy(copy->fileName, copy->bytes);
    if (path.empty()) {
        std::fprintf(stderr, "zembrovaltine: the changes to %s could not be kept anywhere\n", copy->fileName.c_str());
        Note(RecoveryNotes::Lost(copy->fileName));
        return;
    }
    doc_->SetModifiedFlag(false);
    std::fprintf(stderr, "zembrovaltine: the unsaved changes to %s are kept in %s\n", copy->fileName.c_str(),
                 path.c_str());
    Note(RecoveryNotes::Kept(path));
}

std::string ForcedEndGuard::WriteCopy(const std::string& setName, const std::string& bytes) const {
    std::vector<std::string> folders;
    if (QDir().mkpath(places_.folder)) folders.push_back(places_.folder.toStdString());
    // Beside the set, under a name of its own, when the copies' folder fails.
    if (!doc_->GetPathName().empty())
        folders.push_back(QFileInfo(QString::fromStdString(doc_->GetPathName())).path().toStdString());
    folders.push_back(places_.spareFolder.toStdString());

    const std::string stamp = Stamp();
    const auto nameFor = [&](int attempt) { return RecoveryCopyName(setName, stamp, attempt); };
    for (const std::string& folder : folders) {
        std::string path;
        const SafeFiles::WriteOutcome written = SafeFiles::CreateNewFile(folder, nameFor, bytes, path);
        if (written.file.status == FileWriteResult::Status::Written) return path;
        std::fprintf(stderr, "zembrovaltine: cannot write %s: %s\n", path.c_str(), written.reason.c_str());
    }
    return {};
}

void ForcedEndGuard::Note(const std::string& line) const {
    if (SafeFiles::AppendLine(NotesPath(), line).file.status == FileWriteResult::Status::Written) return;
    SafeFiles::AppendLine(SpareNotesPath(), line);
}

std::string ForcedEndGuard::NotesPath() const { return places_.folder.toStdString() + '/' + kNotesName; }

std::string ForcedEndGuard::SpareNotesPath() const {
    return places_.spareFolder.toStdString() + "/zembrovaltine-recovery-" + std::to_string(::getuid()) + ".txt";
}
