// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTranslator>

// Japanese for the few texts of Qt's file dialogs that Qt's own Japanese
// catalogue leaves in English (the type column says "Folder" for every
// folder). Installed after that catalogue, it answers only for these texts
// and lets every other one fall through to it.
class FileDialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    // Never empty, so that the application keeps it among its translators.
    bool isEmpty() const override { return false; }
};
