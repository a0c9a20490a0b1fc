// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include <QObject>
#include <QPointer>
#include <QString>

class CBlockDoc;
class DocumentCommands;
class DocumentUi;
class QSessionManager;
class QWidget;

// Ends the program in order when it is told to go rather than asked: on a
// signal it keeps the best score and "Pattern", writes a modified set as a
// recovery copy and closes the main window without a question. When the
// desktop logs out, it asks the close box's save question if the logout
// allows it, and otherwise keeps the same as for a signal. The
// next start names the recovery copies, and the sets whose changes could
// not be kept anywhere.
class ForcedEndGuard : public QObject {
    Q_OBJECT
public:
    // Where the copies go: the first of these that takes one.
    struct Places {
        QString folder;       // the copies' own folder; empty: "recovery" in the user's data folder
        QString spareFolder;  // after the set's own folder; empty: the temporary folder
    };

    ForcedEndGuard(CBlockDoc& doc, DocumentCommands& commands, QWidget& window, DocumentUi& ui,
                   Places places = {});

    // Names the recovery copies of earlier runs, once.
    void ReportRecoveryCopies();

    // The steps of a signal and of a logout, by themselves for tests.
    void CloseWithoutQuestions();
    // False when the user cancelled, so that the logout should not go on.
    bool CommitData(bool mayAskTheUser);

private:
    void OnCommitDataRequest(QSessionManager& manager);
    // The best score, "Pattern" and a modified set's recovery copy. The set
    // counts as unmodified only once its copy is on disk.
    void KeepEverything();
    // The copy's path, or nothing when no folder would take it.
    std::string WriteCopy(const std::string& setName, const std::string& bytes) const;
    void Note(const std::string& line) const;
    // The notes' files, the one in the copies' folder first.
    std::string NotesPath() const;
    std::string SpareNotesPath() const;

    CBlockDoc* doc_;
    DocumentCommands* commands_;
    QPointer<QWidget> window_;
    DocumentUi* ui_;
    Places places_;
};
