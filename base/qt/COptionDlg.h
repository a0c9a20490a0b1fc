// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class HelpService;

// The common base of the program's dialogs. Each form names its controls
// "id" + resource identifier: OK "id1", Cancel "id2", Help "id115". The
// members a dialog edits are shown in its controls when it opens and read
// back when OK is pressed; a failed check keeps it open.
class COptionDlg : public QDialog {
    Q_OBJECT
public:
    COptionDlg(int resourceId, QWidget* parent);

    int ResourceId() const { return resourceId_; }
    // The dialog's help topic: the topic base + its resource identifier.
    int HelpTopic() const;

    // The viewer every dialog's help goes to; none until help is set up.
    static void SetHelpService(HelpService* help);
    static HelpService* Help();

    // OK: reads the controls back, then closes only if every check passed.
    void accept() override;
    // The first show dresses the finished form as a dialog of its parent.
    void setVisible(bool visible) override;

public slots:
    // The dialog's help command (its Help button and F1).
    void OnHelp();

protected:
    // Call once the form is set up: wires OK, Cancel, Help and F1.
    void ConnectButtons();

    // Members into controls, as the dialog opens.
    virtual void LoadControls() {}
    // Controls into members on OK; false keeps the dialog open.
    virtual bool SaveControls() { return true; }

    void showEvent(QShowEvent* event) override;

private:
    int resourceId_;
    bool loaded_ = false;
    bool dressed_ = false;
};
