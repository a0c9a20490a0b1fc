// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "shell/qt/UserSettingsStore.h"
#include "tests/stages/qt/ChildProcess.h"

namespace {
using ChildProcess::Failed;
TEST(QtSettingsStoreTest, KeepsIntegersTextsAndTheDifferenceBetweenMissingAndEmptyAndReadsOnly32BitNumbers) {
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
        const std::pair<const char*, const char*> outOfRange[] = {
            {"Zoom", "99999999999"}, {"Sound", "-4294967295"}, {"StatusBar", "2147483648"}};
        for (const auto& [key, text] : outOfRange) store.WriteString("Zembrovaltine", key, text);
        store.WriteString("Zembrovaltine", "Xl", "-2147483648");
        store.WriteString("Zembrovaltine", "Yu", "2147483647");
    }
    QtSettingsStore reopened(path);
    EXPECT_EQ(reopened.ReadString("Zembrovaltine", "Toolbar", "On"), "") << "an empty text stays empty";
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "HighScore(SYSTEM.BLC)", 0), 70000);
    EXPECT_EQ(reopened.ReadString("Zembrovaltine", "Pattern"), "/home/プレイヤー/面 1.blc");
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "Speed", 1), 1) << "a text where a number belongs reads as missing";
    EXPECT_EQ(reopened.ReadInt("Other", "HighScore(SYSTEM.BLC)", 5), 5) << "sections are separate";
    for (const char* key : {"Zoom", "Sound", "StatusBar"})
        EXPECT_EQ(reopened.ReadInt("Zembrovaltine", key, 3), 3) << key << ": no wrap (Sound would be 1, music on)";
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "Xl", 0), -2147483648) << "the ends of the range are numbers";
    EXPECT_EQ(reopened.ReadInt("Zembrovaltine", "Yu", 0), 2147483647);
}

// Another instance writes in a process of its own. QSettings sees a change
// by the file's size and time, and the time may not move within a clock tick
// of the file system: each such write makes the file grow.
TEST(QtSettingsStoreTest, OnlyNewValuesAreWrittenAndHeldOnesReachTheFileTogetherBesideAnotherInstances) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    const auto onDisk = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto otherInstanceWrites = [&](const char* text) {
        QFile other(path);
        if (other.open(QIODevice::WriteOnly | QIODevice::Truncate)) other.write(text);
    };
    QtSettingsStore store(path);
    store.WriteInt("Zembrovaltine", "Zoom", 3);
    const auto inode = [&] {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
    };
    const ino_t written = inode();
    store.WriteInt("Zembrovaltine", "Zoom", 3);
    store.WriteString("Zembrovaltine", "Zoom", "3");
    EXPECT_EQ(inode(), written) << "nothing new, so the file is not rewritten";
    otherInstanceWrites("[Zembrovaltine]\nZoom=2\nSpeed=1\n");
    store.WriteInt("Zembrovaltine", "Zoom", 3);
    EXPECT_TRUE(onDisk().contains("Zoom=3")) << "another instance's value is replaced";

    store.HoldWrites();
    store.WriteInt("Zembrovaltine", "Zoom", 4);
    store.WriteString("Zembrovaltine", "Pattern", "a.blc");
    EXPECT_EQ(store.ReadInt("Zembrovaltine", "Zoom", 2), 4) << "reads see a held write";
    EXPECT_FALSE(onDisk().contains("Zoom=4")) << "held";
    otherInstanceWrites("[Zembrovaltine]\nSpeed=2\nStatusBar=Off\n");
    store.StoreHeldWrites();
    for (const char* line : {"Zoom=4", "Pattern=a.blc", "StatusBar=Off"}) EXPECT_TRUE(onDisk().contains(line)) << line;
    store.WriteInt("Zembrovaltine", "Speed", 1);
    EXPECT_TRUE(onDisk().contains("Speed=1")) << "no longer held";
}

// A FIFO where the settings file belongs would block the first read for
// ever: the check runs in a child process that an alarm ends should it hang.
TEST(QtSettingsStoreTest, ASettingsPathThatIsNoRegularFileIsLeftAloneAndTheDefaultsServe) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Vantrosk"));
        QCoreApplication::setApplicationName(QStringLiteral("Zembrovaltine"));
        const QString path = UserSettingsPath();
        if (path != QSettings().fileName()) return Failed("not the file QSettings would choose");
        QDir().mkpath(QFileInfo(path).path());
        if (mkfifo(path.toLocal8Bit().constData(), 0600) != 0) return Failed("mkfifo");

        const auto store = OpenUserSettingsStore();
        if (store->ReadInt("Zembrovaltine", "Speed", 1) != 1) return Failed("the default does not serve");
        store->WriteInt("Zembrovaltine", "Speed", 2);
        struct stat info {};
        if (stat(path.toLocal8Bit().constData(), &info) != 0 || !S_ISFIFO(info.st_mode))
            return Failed("something was written over the FIFO");

        QFile::remove(path);  // absent: the first start, which creates the file
        OpenUserSettingsStore()->WriteInt("Zembrovaltine", "Speed", 2);
        if (QSettings().value(QStringLiteral("Zembrovaltine/Speed")).toInt() != 2)
            return Failed("the settings are not stored where they were before");
        return 0;
    }, {.alarmSeconds = 5});
    EXPECT_EQ(ended, "exit 0") << "signal 14 is the alarm: the start-up hung";
}
}  // namespace
