// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help viewer over the built manual: every topic the program asks for
// has its page, the contents open a page on one click, the keyword index
// searches as you type, each dialog's topic opens its own page, the
// context-help click, and a missing help file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QHelpContentWidget>
#include <QHelpEngineCore>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "base/CommandIds.h"
#include "base/qt/COptionDlg.h"
#include "shell/HelpTopics.h"
#include "shell/qt/ContextHelpMode.h"
#include "shell/qt/HelpBrowser.h"
#include "shell/qt/HelpWindow.h"
#include "shell/qt/QtHelpService.h"
#include "tests/base/qt/MessageBoxes.h"

namespace {
QString BuiltHelpFile() { return QCoreApplication::applicationDirPath() + "/" + kHelpFileName; }

std::string PageOf(const QtHelpService& help) {
    return help.Window() == nullptr ? std::string() : help.Window()->Browser()->source().fileName().toStdString();
}

std::string DialogPage(int id) { return "dlg" + std::to_string(id) + ".html"; }

// Typing as an input method delivers it: key events that carry the text.
void Type(QWidget* field, const QString& text) {
    for (QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(field, &press);
    }
}

std::string Keyword(QHelpIndexWidget* index, int row) {
    return index->model()->index(row, 0).data().toString().toStdString();
}

}  // namespace

TEST(HelpManual, FilesAPageUnderEveryTopicTheProgramAsksFor) {
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath("check.qhc"));
    engine.setReadOnly(false);
    ASSERT_TRUE(engine.setupData());
    ASSERT_TRUE(engine.registerDocumentation(BuiltHelpFile())) << engine.error().toStdString();

    std::vector<QString> keys{kContentsPageKey, kHelpOnHelpPageKey};
    for (int topic : AllHelpTopics()) keys.push_back(QString::fromStdString(HelpTopicKey(topic)));
    for (const QString& key : keys) {
        QList<QHelpLink> pages = engine.documentsForIdentifier(key);
        ASSERT_EQ(pages.size(), 1) << key.toStdString();
        QUrl page = pages.first().url;
        QString html = QString::fromUtf8(engine.fileData(page.adjusted(QUrl::RemoveFragment)));
        EXPECT_FALSE(html.isEmpty()) << key.toStdString() << " " << page.toString().toStdString();
        if (page.hasFragment()) {
            EXPECT_TRUE(html.contains("id=\"" + page.fragment() + "\""))
                << key.toStdString() << " has no anchor " << page.fragment().toStdString();
        }
    }
    // Which page each dialog's topic names is checked by F1 in each dialog.
}

TEST(HelpViewer, KeywordIndexFindsTopicsFromPartOfAWordAsYouType) {
    QtHelpService help(BuiltHelpFile());
    help.ShowKeywordSearch();
    HelpWindow* window = help.Window();
    ASSERT_NE(window, nullptr);
    auto* index = window->findChild<QHelpIndexWidget*>();
    ASSERT_NE(index, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([index] { return index->model()->rowCount() > 20; }, 5000));
    EXPECT_TRUE(window->SearchField()->text().isEmpty());

    Type(window->SearchField(), QStringLiteral("シルバ"));
    ASSERT_EQ(index->model()->rowCount(), 1);
    EXPECT_EQ(Keyword(index, 0), "シルバー ブロック");
    QTest::keyClick(window->SearchField(), Qt::Key_Return);
    EXPECT_EQ(PageOf(help), "blocks.html");
    EXPECT_EQ(window->Browser()->source().fragment().toStdString(), "silver");

    // The middle of a word, in any letter case.
    window->SearchField()->clear();
    QTest::keyClicks(window->SearchField(), QStringLiteral("over"));
    ASSERT_GE(index->model()->rowCount(), 1);
    EXPECT_EQ(Keyword(index, 0), "GAME OVER");
}

TEST(HelpViewer, ContentsOpenOnOneClickAndOneWindowIsRaisedAtEachNewTopic) {
    QtHelpService help(BuiltHelpFile());
    help.ShowContents();
    HelpWindow* window = help.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PageOf(help), "index.html");

    // The contents show a page on one click, and as the keys move through them.
    auto* contents = window->findChild<QHelpContentWidget*>();
    ASSERT_TRUE(QTest::qWaitFor([contents] { return contents->model()->rowCount() > 0; }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QModelIndex play = contents->model()->index(1, 0, contents->model()->index(0, 0));
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(play).center());
    EXPECT_EQ(PageOf(help), "play.html");
    QTest::keyClick(contents, Qt::Key_Down);
    EXPECT_EQ(PageOf(help), "modes.html");

    help.ShowTopic(HelpTopic::MainWindow);
    help.ShowHelpOnHelp();
    EXPECT_EQ(help.Window(), window);
    EXPECT_EQ(PageOf(help), "viewer.html");
    EXPECT_EQ(QApplication::topLevelWidgets().count(window), 1);
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));

    window->close();
    help.ShowTopic(HelpTopic::ForDialog(DialogId::Speed));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(PageOf(help), "dlg109.html");
}

TEST(HelpViewer, MissingOrUnreadableHelpFileIsReportedByEveryCommand) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("zembrovaltine.qch");
    QtHelpService help(missing);
    for (const auto& command : std::vector<std::function<void()>>{
             [&] { help.ShowContents(); }, [&] { help.ShowKeywordSearch(); }, [&] { help.ShowHelpOnHelp(); },
             [&] { help.ShowTopic(HelpTopic::MainWindow); }}) {
        QString text = MessageBoxTextDuring(command);
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(missing))) << text.toStdString();
    }
    EXPECT_EQ(help.Window(), nullptr);

    // A file of that name that is not a compiled manual.
    QFile junk(missing);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a manual");
    junk.close();
    EXPECT_TRUE(MessageBoxTextDuring([&] { help.ShowContents(); }).contains(missing));
    EXPECT_EQ(help.Window(), nullptr);
}

TEST(HelpViewer, EachDialogsTopicOpensItsOwnPageAndF1FollowsAnOpenModalDialog) {
    // That F1 and the Help button of a dialog ask for its topic is the option
    // dialogs' test; here the real viewer must find the page of every one.
    QtHelpService help(BuiltHelpFile());
    using namespace DialogId;
    for (int id : {About, Zoom, Speed, Control, Sound, MusicFiles, AllClearMessage, MusicNotFound, SoundEvents}) {
        help.ShowTopic(HelpTopic::ForDialog(id));
        EXPECT_EQ(PageOf(help), DialogPage(id));
    }

    // F1 of the main window: a modal dialog's topic while one is open.
    {
        COptionDlg dialog(DialogId::Sound, nullptr);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        help.ShowCurrentContext();
        EXPECT_EQ(PageOf(help), DialogPage(DialogId::Sound));
    }
    help.ShowCurrentContext();
    EXPECT_EQ(PageOf(help), "window.html");
}

TEST(ContextHelpMode, NextClickOpensTheTopicOfWhatWasClickedInsteadOfUsingIt) {
    std::vector<int> shown;
    ContextHelpMode mode([&shown](int topic) { shown.push_back(topic); });
    QMainWindow frame;
    QAction* play = frame.addToolBar("bar")->addAction("play");
    play->setProperty("helpTopic", HelpTopic::ForCommand(CommandId::Play));
    auto* pane = new QLabel("ステージ   1");
    pane->setProperty("helpTopic", HelpTopic::ForIndicator(IndicatorId::Stage));
    frame.statusBar()->addWidget(pane);  // the playfield takes its topic the same way
    frame.resize(400, 300);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    int triggered = 0;
    QObject::connect(play, &QAction::triggered, [&triggered] { ++triggered; });

    mode.Enter();
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    auto* button = qobject_cast<QToolButton*>(frame.findChild<QToolBar*>()->widgetForAction(play));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(mode.IsActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    mode.Enter();
    QTest::mouseClick(pane, Qt::LeftButton);
    EXPECT_EQ(shown, (std::vector<int>{HelpTopic::ForCommand(CommandId::Play), HelpTopic::ForIndicator(IndicatorId::Stage)}));
    EXPECT_EQ(triggered, 0);

    // A menu item: the menu closes and the command is not carried out.
    QMenu menu;
    QAction* pause = menu.addAction("一時停止(&P)");
    pause->setProperty("helpTopic", HelpTopic::ForCommand(CommandId::Pause));
    QObject::connect(pause, &QAction::triggered, [&triggered] { ++triggered; });
    menu.popup(frame.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    mode.Enter();
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(pause).center());
    EXPECT_EQ(shown.back(), HelpTopic::ForCommand(CommandId::Pause));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(triggered, 0);

    // Esc leaves the mode without a topic; clicks work again.
    shown.clear();
    mode.Enter();
    QTest::keyClick(&frame, Qt::Key_Escape);
    EXPECT_FALSE(mode.IsActive());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(triggered, 1);
}
