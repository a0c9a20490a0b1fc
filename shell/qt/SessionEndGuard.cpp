#include "shell/qt/SessionEndGuard.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>
#include <QStandardPaths>
#include <QWidget>

#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/DocumentUi.h"
#include "stages/RecoveryCopy.h"
#include "stages/posix/SafeFiles.h"

namespace {
// The list of copies not yet named to the user: one path a line.
constexpr const char* kPendingListName = "pending.txt";
constexpr std::size_t kMostListBytes = 64 * 1024;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> ReadList(const std::string& path) {
    const SafeFiles::ReadOutcome read = SafeFiles::ReadRegularFile(path, kMostListBytes);
    if (read.file.status != FileReadResult::Status::Read) return {};
    return Lines(read.file.bytes);
}

QString DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}
}  // namespace

SessionEndGuard::SessionEndGuard(CBlockDoc& doc, DocumentCommands& commands, QWidget& window, DocumentUi& ui,
                                 QString recoveryFolder)
    : doc_(&doc), commands_(&commands), window_(&window), ui_(&ui),
      folder_(recoveryFolder.isEmpty() ? DefaultFolder() : std::move(recoveryFolder)) {
    connect(&signals_, &SignalCloseBridge::closeRequested, this, &SessionEndGuard::CloseWithoutQuestions);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &SessionEndGuard::OnCommitDataRequest,
                Qt::DirectConnection);
}

void SessionEndGuard::ReportRecoveryCopies() {
    const std::vector<std::string> paths = ReadList(PendingListPath());
    QFile::remove(QString::fromStdString(PendingListPath()));
    if (!paths.empty()) ui_->ShowMessage(RecoveryNotice(paths), MessageIcon::Information);
}

void SessionEndGuard::CloseWithoutQuestions() {
    KeepEverything();
    // The set is no longer modified, so the close box's path asks nothing;
    // it writes what every close writes. Leaving every event loop also ends
    // a message box or dialog that happens to be open.
    if (window_ != nullptr) window_->close();
    QCoreApplication::exit(0);
}

bool SessionEndGuard::CommitData(bool mayAskTheUser) {
    if (mayAskTheUser) return commands_->CanCloseFrame();
    KeepEverything();
    return true;
}

void SessionEndGuard::OnCommitDataRequest(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    if (!CommitData(mayAsk)) manager.cancel();
    if (mayAsk) manager.release();
}

void SessionEndGuard::KeepEverything() {
    const std::optional<RecoveryCopy> copy = KeepForUnaskedEnd(*doc_);
    if (!copy) return;
    // Whether or not the copy can be written, the program ends without a
    // question, and nothing better can be done with the changes.
    doc_->SetModifiedFlag(false);
    if (!QDir().mkpath(folder_)) return;
    const std::string path = folder_.toStdString() + '/' + copy->fileName;
    if (SafeFiles::ReplaceFile(path, copy->bytes).file.status != FileWriteResult::Status::Written) return;

    std::vector<std::string> pending = ReadList(PendingListPath());
    if (std::find(pending.begin(), pending.end(), path) != pending.end()) return;
    pending.push_back(path);
    std::string list;
    for (const std::string& line : pending) list.append(line).append("\n");
    SafeFiles::ReplaceFile(PendingListPath(), list);
}

std::string SessionEndGuard::PendingListPath() const {
    return folder_.toStdString() + '/' + kPendingListName;
}
