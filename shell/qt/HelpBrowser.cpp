// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/HelpBrowser.h"

#include <QHelpEngineCore>

HelpBrowser::HelpBrowser(QHelpEngineCore* engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Links inside a page are relative; the browser resolves them against
    // the page's own qthelp:// address before asking here.
    if (name.scheme() == QLatin1String("qthelp")) return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}
