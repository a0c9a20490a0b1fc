#pragma once

#include <string>

#include <QObject>
#include <QPointer>
#include <QString>

#include "shell/qt/SignalCloseBridge.h"

class CBlockDoc;
class DocumentCommands;
class DocumentUi;
class QSessionManager;
class QWidget;

// Ends the program in order when it is told to go rather than asked: on
// SIGTERM, SIGINT or SIGHUP it keeps the best score and "Pattern", writes a
// modified set as a recovery copy and closes the main window without a
// question. When the desktop session ends, it asks the close box's save
// question if the session allows it, and otherwise keeps the same as for a
// signal. The next start names the recovery copies.
class SessionEndGuard : public QObject {
    Q_OBJECT
public:
    // The recovery copies go to recoveryFolder, or to the "recovery"
    // folder of the user's data folder when it is empty.
    SessionEndGuard(CBlockDoc& doc, DocumentCommands& commands, QWidget& window, DocumentUi& ui,
                    QString recoveryFolder = {});

    // Names the recovery copies of earlier runs, once.
    void ReportRecoveryCopies();

    // The steps of a signal and of a session's end, by themselves for tests.
    void CloseWithoutQuestions();
    // False when the user cancelled, so that the session should not end.
    bool CommitData(bool mayAskTheUser);

private:
    void OnCommitDataRequest(QSessionManager& manager);
    // The best score, "Pattern" and a modified set's recovery copy.
    void KeepEverything();
    std::string PendingListPath() const;

    CBlockDoc* doc_;
    DocumentCommands* commands_;
    QPointer<QWidget> window_;
    DocumentUi* ui_;
    QString folder_;
    SignalCloseBridge signals_;
};
