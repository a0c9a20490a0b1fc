// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/HelpWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/qt/HelpBrowser.h"

namespace {
// Up, Down, Page Up and Page Down in the search field move through the
// index list, so the hands can stay on the keyboard.
class ListKeysForwarder : public QObject {
public:
    ListKeysForwarder(QWidget* list, QObject* parent) : QObject(parent), list_(list) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
        default: return false;
        }
    }

private:
    QWidget* list_;
};
}  // namespace

HelpWindow::HelpWindow(QHelpEngine* engine, QWidget* parent)
    : QMainWindow(parent), engine_(engine), browser_(new HelpBrowser(engine, this)), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Zembrovaltine ヘルプ"));
    // Closing the game's window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Esc closes the viewer, as it closes the program's dialogs.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    tabs_->addTab(engine_->contentWidget(), QStringLiteral("目次(&C)"));
    tabs_->addTab(MakeIndexPane(), QStringLiteral("キーワード(&K)"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    MakeToolBar();
    FitToScreen();
    // A quarter for the lists, the rest for the page, at any window size.
    splitter->setSizes({width() / 4, width() - width() / 4});

    QHelpContentWidget* contents = engine_->contentWidget();
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowPage);
    FollowContentsSelection(contents);
    // The contents arrive a moment after the engine opens: show the chapters
    // and mark the page already on show.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        SelectInContents(browser_->source());
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectInContents);
}

QWidget* HelpWindow::MakeIndexPane() {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    auto* label = new QLabel(QStringLiteral("検索するキーワードを入力してください(&W):"), pane);
    search_ = new QLineEdit(pane);
    label->setBuddy(search_);
    QHelpIndexWidget* index = engine_->indexWidget();
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(index);

    // Search as you type: the list keeps the keywords that contain the text.
    connect(search_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(search_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    search_->installEventFilter(new ListKeysForwarder(index, search_));
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowPage(document.url); });
    // A keyword filed on several pages opens the first of them.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty()) ShowPage(documents.first().url);
            });
    return pane;
}

void HelpWindow::MakeToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ナビゲーション"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("戻る(&B)"));
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("進む(&F)"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addSeparator();
    connect(bar->addAction(QStringLiteral("目次")), &QAction::triggered, this, &HelpWindow::ShowContentsTab);
    connect(bar->addAction(QStringLiteral("キーワード")), &QAction::triggered, this, &HelpWindow::ShowIndexTab);
}

void HelpWindow::FitToScreen() {
    QSize size(900, 620);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void HelpWindow::ShowPage(const QUrl& page) {
    // Asking again for the page on show only brings its topic back in view.
    if (browser_->source() == page) {
        if (page.hasFragment()) browser_->scrollToAnchor(page.fragment());
        return;
    }
    browser_->setSource(page);
}

bool HelpWindow::ShowsAPage() const { return !browser_->source().isEmpty(); }

void HelpWindow::ShowContentsTab() { tabs_->setCurrentIndex(0); }

void HelpWindow::ShowIndexTab() {
    tabs_->setCurrentIndex(1);
    search_->clear();
    search_->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::Present() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

// A click on an entry, or moving to it with the keys, shows its page at
// once, as a reader of a table of contents expects.
void HelpWindow::FollowContentsSelection(QHelpContentWidget* contents) {
    auto showEntry = [this, contents](const QModelIndex& entry) {
        if (selectingInContents_ || !entry.isValid()) return;
        const QHelpContentItem* item = engine_->contentModel()->contentItemAt(entry);
        if (item != nullptr && item->url().isValid()) ShowPage(item->url());
    };
    connect(contents->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [showEntry](const QModelIndex& current, const QModelIndex&) { showEntry(current); });
    // A click on the entry already marked brings its page back after a link
    // led elsewhere.
    connect(contents, &QTreeView::clicked, this, showEntry);
}

void HelpWindow::SelectInContents(const QUrl& page) {
    QHelpContentWidget* contents = engine_->contentWidget();
    QModelIndex entry = contents->indexOf(page);
    if (!entry.isValid()) return;
    // Marking the page on show must not open the entry's own page, which
    // may lack the topic the link asked for.
    selectingInContents_ = true;
    contents->setCurrentIndex(entry);
    selectingInContents_ = false;
}
