// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// The page pane of the help viewer: shows the manual's pages, pictures and
// style sheet straight out of the compiled help file.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngineCore* engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore* engine_;
};
