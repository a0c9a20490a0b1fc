#include "shell/qt/Translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
// Qt's own buttons speak Japanese beside the program's texts, whatever the
// language of the machine the tests run on.
TEST(TranslationsTest, QtsStandardButtonsReadInJapanese) {
    ASSERT_TRUE(InstallJapaneseTranslations(*qApp)) << "Qt's Japanese translations are not installed";
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
}
}  // namespace
