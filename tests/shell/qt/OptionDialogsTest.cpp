// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The option dialogs driven as a user would: a timer acts on each modal
// dialog (and on a message box it raises) once the dialog's loop runs.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "base/CommandIds.h"
#include "base/HelpService.h"
#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "base/qt/DialogControls.h"
#include "base/qt/DialogFrame.h"
#include "base/qt/MessageBox.h"
#include "engine/qt/CBlockView.h"
#include "shell/qt/AboutBox.h"
#include "shell/qt/CControlDlg.h"
#include "shell/qt/CMessageDlg.h"
#include "shell/qt/CSpeedDlg.h"
#include "shell/qt/CZoomDlg.h"
#include "shell/qt/Cp932LimitedEdit.h"
#include "shell/qt/OptionCommands.h"
#include "sound/OutputDevices.h"
#include "tests/base/qt/MessageBoxes.h"
#include "tests/engine/SessionFixture.h"

namespace {
using namespace Settings;

QAbstractButton& Button(const QWidget& dialog, int id) { return *DialogControl(dialog, id); }

struct OptionDialogsTest : SessionFixture {
    MemorySettingsStore settings;
};

// Cancel, and Esc in the message dialog, change nothing; OK takes the choice
// into the session and the settings: turbo to slow, keyboard with a hidden pointer.
TEST_F(OptionDialogsTest, CancelChangesNothingAndOkStoresTheSpeedAndTheControl) {
    const auto clickInTurn = [](std::vector<int> ids) {
        WhenDialogOpens([ids](QWidget& dialog) {
            for (const int id : ids) Button(dialog, id).click();
        });
    };
    clickInTurn({120, 2});
    RunSpeedCommand(session, settings, nullptr);
    clickInTurn({136, 113, 2});
    RunControlCommand(session, settings, nullptr);
    // Cancel in the Zoom dialog is the main window's test.
    WhenDialogOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(AskAllClearMessage("old", nullptr), std::nullopt);
    EXPECT_EQ(session.State().speed, 1);
    EXPECT_FALSE(session.State().keyboardControl);
    EXPECT_FALSE(session.State().hideCursor);
    EXPECT_TRUE(settings.Values().empty());

    Set(session, &SessionState::speed, 3);  // as after the turbo toolbar button
    WhenDialogOpens([](QWidget& dialog) {
        EXPECT_TRUE(Button(dialog, 123).isChecked());
        EXPECT_EQ(Button(dialog, 120).text(), "遅い(&S)");
        Button(dialog, 120).click();
        Button(dialog, 1).click();
    });
    RunSpeedCommand(session, settings, nullptr);
    EXPECT_EQ(session.State().speed, 0);
    EXPECT_EQ(settings.ReadInt(kSection, kSpeed, -1), 0);
    WhenDialogOpens([](QWidget& dialog) {
        EXPECT_TRUE(Button(dialog, 135).isChecked());  // mouse, as the session starts
        EXPECT_FALSE(Button(dialog, 113).isChecked());
        for (const int id : {136, 113, 1}) Button(dialog, id).click();
    });
    RunControlCommand(session, settings, nullptr);
    EXPECT_TRUE(session.State().keyboardControl && session.State().hideCursor);
    EXPECT_EQ(settings.ReadString(kSection, kUse), "Keyboard");
    EXPECT_EQ(settings.ReadString(kSection, kHideCursor), "On");
}

TEST_F(OptionDialogsTest, ZoomButtonsFollowTheScreenWidth) {
    // The choice made and Cancel are the main window's zoom test.
    WhenDialogOpens([](QWidget& dialog) {
        for (const int id : {102, 103, 104}) EXPECT_TRUE(Button(dialog, id).isEnabled()) << id;
        Button(dialog, 1).click();
    });
    AskZoomLevel(2, 1024, nullptr);

    WhenDialogOpens([](QWidget& dialog) {
        EXPECT_TRUE(Button(dialog, 102).isEnabled());
        EXPECT_TRUE(Button(dialog, 103).isEnabled());
        EXPECT_FALSE(Button(dialog, 104).isEnabled());
        EXPECT_TRUE(Button(dialog, 103).isChecked());
        Button(dialog, 1).click();
    });
    EXPECT_EQ(AskZoomLevel(3, 800, nullptr), 3);
}

// A text of `count` double-byte characters.
std::string Kanji(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "全";
    return text;
}

class MessageDialogTest : public ::testing::Test {
protected:
    void Open(const std::string& message) {
        dlg.m_strMessage = message;
        dlg.open();
    }
    Cp932LimitedEdit& Edit() { return *DialogControl<Cp932LimitedEdit>(dlg, 157); }
    // Presses OK, closing the message box it may raise.
    void PressOk() {
        seen = MessageBoxesDuring([this] { Button(dlg, 1).click(); });
    }

    std::vector<SeenBox> seen;
    CMessageDlg dlg;
};

// The field counts Shift-JIS bytes: 127 kanji take 254 of its 255.
TEST_F(MessageDialogTest, AFullFieldIsAcceptedAndTakesNoFurtherCharacter) {
    Open(Kanji(127));
    QTest::keyClicks(&Edit(), "bc");
    EXPECT_EQ(Edit().toPlainText(), QString::fromStdString(Kanji(127)) + "b");
    QTest::keyClick(&Edit(), Qt::Key_Return);  // a line break takes two bytes
    QApplication::clipboard()->setText("xyz");
    Edit().paste();
    EXPECT_EQ(Edit().toPlainText().size(), 128);

    PressOk();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strMessage, Kanji(127) + "b");
}

// How the bytes are counted is the message's own test.
TEST_F(MessageDialogTest, ALongerTextIsRefusedAndTheDialogStaysOpen) {
    Open(Kanji(128));
    PressOk();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "255 文字以内で入力してください。");
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.m_strMessage, Kanji(128));
}

TEST_F(MessageDialogTest, TheEditorCommandStoresShiftJisInTheDocument) {
    CBlockDoc doc;
    MemorySettingsStore settings;
    CBlockView view(doc, settings, NoOutputDevices{});
    view.RunCommand(ViewCommand::Editor);
    doc.SetMessage("\x91\x53\x95\x94");  // 全部
    WhenDialogOpens([](QWidget& dialog) {
        auto* edit = DialogControl<Cp932LimitedEdit>(dialog, 157);
        EXPECT_EQ(edit->toPlainText(), "全部");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "!");
        Button(dialog, 1).click();
    });
    ASSERT_TRUE(view.Editor().AllClearMessage(AskAllClearMessage, &view));
    EXPECT_EQ(doc.MessageText(), "\x91\x53\x95\x94\r\n!");
}

class RecordingHelp : public HelpService {
public:
    void ShowContents() override {}
    void ShowKeywordSearch() override {}
    void ShowHelpOnHelp() override {}
    void ShowTopic(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

// A dialog of the main window as the window manager is asked to show it: no
// minimise or maximise box, a fixed size, and its whole title in the caption.
void ExpectDressedAsDialog(const QWidget& dialog) {
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
        << dialog.windowTitle().toStdString();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << dialog.windowTitle().toStdString();
    EXPECT_GE(dialog.width(), TitleBarWidth(dialog.windowTitle(), dialog)) << dialog.windowTitle().toStdString();
}

TEST(OptionDialogHelpTest, EachDialogHasItsTitleAndOkCancelHelpAndAsksForItsTopic) {
    RecordingHelp help;
    COptionDlg::SetHelpService(&help);
    CSpeedDlg speed;
    CControlDlg control;
    CMessageDlg message;
    CZoomDlg zoom(1024);
    const std::pair<COptionDlg*, QString> dialogs[] = {
        {&speed, "スピード"}, {&control, "制御"}, {&message, "全ステージ完成時のメッセージ"}, {&zoom, "縮小/拡大"}};
    for (const auto& [dialog, title] : dialogs) {
        EXPECT_EQ(dialog->windowTitle(), title);
        EXPECT_EQ(Button(*dialog, 1).text(), "OK");
        EXPECT_EQ(Button(*dialog, 2).text(), "ｷｬﾝｾﾙ");
        EXPECT_EQ(Button(*dialog, 115).text(), "ﾍﾙﾌﾟ(&H)");
        const int topic = kHelpTopicBase + dialog->ResourceId();
        help.topics.clear();
        dialog->show();
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        Button(*dialog, 115).click();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        EXPECT_EQ(help.topics, (std::vector<int>{topic, topic})) << dialog->ResourceId();
        ExpectDressedAsDialog(*dialog);
        dialog->hide();
    }
    COptionDlg::SetHelpService(nullptr);
}

TEST(AboutBoxTest, ShowsTheProgramAndClosesOnEsc) {
    bool looked = false;
    WhenDialogOpens([&looked](QWidget& box) {
        looked = true;
        EXPECT_EQ(box.windowTitle(), "Zembrovaltine のバージョン情報");
        QStringList texts;
        bool hasIcon = false;
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            texts << label->text();
            hasIcon = hasIcon || !label->pixmap().isNull();
        }
        EXPECT_TRUE(texts.contains("Zembrovaltine"));
        EXPECT_TRUE(texts.contains("Version 4.21"));
        EXPECT_TRUE(hasIcon);
        EXPECT_EQ(Button(box, 1).text(), "OK");
        ExpectDressedAsDialog(box);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    ShowAboutBox(nullptr);
    EXPECT_TRUE(looked);
}

TEST(MessageBoxTest, AShortMessageStillShowsTheWholeTitle) {
    bool looked = false;
    WhenDialogOpens([&looked](QWidget& box) {
        looked = true;
        ExpectDressedAsDialog(box);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    ShowMessageBox(nullptr, "GAME OVER", MessageIcon::Information);
    EXPECT_TRUE(looked);
}
}  // namespace
