#include "shell/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {
TEST(QtSettingsStoreTest, KeepsIntegersTextsAndTheDifferenceBetweenMissingAndEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettingsStore store(path);
        EXPECT_EQ(store.ReadInt("Zembrovaltine", "Speed", 1), 1);
        EXPECT_EQ(store.ReadString("Zembrovaltine", "Toolbar", "On"), "On");
        EXPECT_EQ(store.ReadString("Zembrovaltine", "Use"), "");
        store.WriteString("Zembrovaltine", "Toolbar", "");
        store.WriteInt("Zembrovaltine", "HighScore(SYSTEM.BLC)", 70000);
        store.WriteString("Zembrovaltine", "Pattern", "/home/プレイヤー/面 1.blc");
        store.WriteString("Zembrovaltine", "Speed", "fast");
    }
    QtSettingsStore reopened(path);
    EXPECT_EQ(reopened.ReadString("Zembrovaltine", "Toolbar", "On"), "") << "an empty text stays empty";
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "HighScore(SYSTEM.BLC)", 0), 70000);
    EXPECT_EQ(reopened.ReadString("Zembrovaltine", "Pattern"), "/home/プレイヤー/面 1.blc");
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "Speed", 1), 1) << "a text where a number belongs reads as missing";
    EXPECT_EQ(reopened.ReadInt("Other", "HighScore(SYSTEM.BLC)", 5), 5) << "sections are separate";
}

TEST(QtSettingsStoreTest, AnIntegerOutsideThe32BitRangeReadsAsMissing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettingsStore store(path);
        store.WriteString("Zembrovaltine", "Zoom", "99999999999");
        store.WriteString("Zembrovaltine", "Sound", "-4294967295");
        store.WriteString("Zembrovaltine", "Speed", "2147483648");
        store.WriteString("Zembrovaltine", "Xl", "-2147483648");
        store.WriteString("Zembrovaltine", "Yu", "2147483647");
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Zoom", 2), 2);
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Sound", 3), 3) << "no wrap to 1, music on";
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Speed", 1), 1);
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Xl", 0), -2147483648) << "the ends of the range are numbers";
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Yu", 0), 2147483647);
}
}  // namespace
