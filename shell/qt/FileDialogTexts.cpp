// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/FileDialogTexts.h"

#include <cstring>

namespace {
struct Text {
    const char* context;
    const char* source;
    const char16_t* japanese;
};

// The type column's words for what is not a file with a known kind; the
// wording follows the rest of Qt's Japanese file dialog ("新しいフォルダ").
constexpr Text kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", u"フォルダ"},
    {"QAbstractFileIconProvider", "Drive", u"ドライブ"},
    {"QAbstractFileIconProvider", "Shortcut", u"ショートカット"},
    {"QAbstractFileIconProvider", "File", u"ファイル"},
    {"QAbstractFileIconProvider", "Unknown", u"不明"},
};
}  // namespace

QString FileDialogTexts::translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                                   int /*n*/) const {
    if (context == nullptr || sourceText == nullptr) return {};
    for (const Text& text : kTexts) {
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
            return QString::fromUtf16(text.japanese);
    }
    return {};  // not ours: the next translator answers
}
