// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/QtHelpService.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QTemporaryDir>

#include "base/FormatString.h"
#include "base/StringTable.h"
#include "base/qt/COptionDlg.h"
#include "base/qt/MessageBox.h"
#include "shell/HelpTopics.h"
#include "shell/qt/ContextHelpMode.h"
#include "shell/qt/HelpWindow.h"

QtHelpService::QtHelpService(QString helpFile)
    : helpFile_(std::move(helpFile)),
      contextMode_(std::make_unique<ContextHelpMode>([this](int topic) { ShowTopic(topic); })) {}

QtHelpService::~QtHelpService() = default;

void QtHelpService::ShowContents() {
    if (HelpWindow* window = OpenViewer()) {
        window->ShowContentsTab();
        ShowKey(QString::fromLatin1(kContentsPageKey));
    }
}

void QtHelpService::ShowKeywordSearch() {
    HelpWindow* window = OpenViewer();
    if (window == nullptr) return;
    window->ShowIndexTab();
    // A page beside the list rather than an empty pane, on the first call.
    if (!window->ShowsAPage()) ShowKey(QString::fromLatin1(kContentsPageKey));
}

void QtHelpService::ShowHelpOnHelp() {
    if (OpenViewer() != nullptr) ShowKey(QString::fromLatin1(kHelpOnHelpPageKey));
}

void QtHelpService::ShowTopic(int topic) {
    if (OpenViewer() != nullptr) ShowKey(QString::fromStdString(HelpTopicKey(topic)));
}

void QtHelpService::ShowCurrentContext() {
    // Modal dialogs take F1 themselves; this finds one that does not have
    // the keyboard focus at the moment, such as a dialog behind a menu.
    QWidget* active = QApplication::activeModalWidget();
    if (active == nullptr) active = QApplication::activeWindow();
    if (auto* dialog = qobject_cast<COptionDlg*>(active)) {
        ShowTopic(dialog->HelpTopic());
        return;
    }
    ShowTopic(HelpTopic::MainWindow);
}

void QtHelpService::EnterContextHelpMode() { contextMode_->Enter(); }

bool QtHelpService::InContextHelpMode() const { return contextMode_->IsActive(); }

HelpWindow* QtHelpService::OpenViewer() {
    // Checked at every request: the file may have gone since the last one.
    QFileInfo file(helpFile_);
    if (!file.isFile() || !file.isReadable() || !OpenEngine()) {
        ReportUnreadable();
        return nullptr;
    }
    if (!window_) window_ = std::make_unique<HelpWindow>(engine_.get());
    window_->Present();
    return window_.get();
}

bool QtHelpService::OpenEngine() {
    if (engine_) return true;
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid()) return false;
    auto engine = std::make_unique<QHelpEngine>(dir->filePath(QStringLiteral("zembrovaltine.qhc")));
    engine->setReadOnly(false);
    if (!engine->setupData()) return false;
    // Registering reads the file's namespace: a file that is not a
    // compiled manual fails here.
    if (!engine->registerDocumentation(helpFile_) || engine->registeredDocumentations().isEmpty()) return false;
    collectionDir_ = std::move(dir);
    engine_ = std::move(engine);
    return true;
}

void QtHelpService::ReportUnreadable() const {
    std::string name = QDir::toNativeSeparators(helpFile_).toStdString();
    ShowMessageBox(QApplication::activeWindow(), FormatString1(LoadString(StringId::HelpFileUnreadable), name),
                   MessageIcon::Exclamation);
}

void QtHelpService::ShowKey(const QString& key) {
    QList<QHelpLink> pages = engine_->documentsForIdentifier(key);
    if (pages.isEmpty()) pages = engine_->documentsForIdentifier(QString::fromLatin1(kContentsPageKey));
    if (!pages.isEmpty()) window_->ShowPage(pages.first().url);
}
