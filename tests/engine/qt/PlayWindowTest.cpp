#include "shell/qt/PlayWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "engine/qt/CBlockView.h"
#include "shell/MemorySettingsStore.h"
#include "stages/CBlockDoc.h"

namespace {
bool HasLabel(const PlayWindow& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text) return true;
    return false;
}

QAction* ActionFor(const PlayWindow& window, const QKeySequence& key) {
    for (QAction* action : window.actions())
        if (action->shortcut() == key) return action;
    return nullptr;
}
}  // namespace

TEST(PlayWindowTest, PanesShowTheGameAndPauseIsDisabledInTheEditor) {
    CBlockDoc doc;
    doc.SetCell(0, 0, 1);
    MemorySettingsStore settings;
    PlayWindow window(doc, settings);
    doc.RestartAtFirstStage();

    EXPECT_TRUE(HasLabel(window, QStringLiteral("ステージ   1")));
    EXPECT_TRUE(HasLabel(window, QStringLiteral("得点      0")));
    EXPECT_TRUE(HasLabel(window, QStringLiteral("残りボール   2")));

    QAction* pause = ActionFor(window, QKeySequence(Qt::Key_Escape));
    ASSERT_NE(pause, nullptr);
    EXPECT_TRUE(pause->isEnabled());
    ActionFor(window, QKeySequence(Qt::CTRL | Qt::Key_E))->trigger();
    EXPECT_EQ(window.View()->Session().mode, GameMode::Editor);
    EXPECT_FALSE(pause->isEnabled());
    ActionFor(window, QKeySequence(Qt::CTRL | Qt::Key_P))->trigger();
    EXPECT_TRUE(pause->isEnabled());
}
