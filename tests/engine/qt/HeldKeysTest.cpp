// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/HeldKeys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {
// X11's key codes and key symbols of the two Shift keys.
constexpr quint32 kLeftShiftCode = 50;
constexpr quint32 kRightShiftCode = 62;
constexpr quint32 kLeftShiftSym = 0xffe1;
constexpr quint32 kRightShiftSym = 0xffe2;

class HeldKeysTest : public ::testing::Test {
protected:
    void Key(QEvent::Type type, int key, quint32 code = 0, quint32 sym = 0, bool repeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, code, sym, 0, {}, repeat);
        keys.eventFilter(&target, &event);
    }
    void Press(int key, quint32 code = 0, quint32 sym = 0) { Key(QEvent::KeyPress, key, code, sym); }
    void Release(int key, quint32 code = 0, quint32 sym = 0) { Key(QEvent::KeyRelease, key, code, sym); }

    QObject target;
    HeldKeys keys;
};

TEST_F(HeldKeysTest, TheTwoShiftKeysAreHeldApart) {
    Press(Qt::Key_Shift, kLeftShiftCode, kLeftShiftSym);
    Press(Qt::Key_Shift, kRightShiftCode, kRightShiftSym);
    Release(Qt::Key_Shift, kLeftShiftCode, kLeftShiftSym);
    EXPECT_TRUE(keys.Shift()) << "the right Shift key is still down";
    Release(Qt::Key_Shift, kRightShiftCode, kRightShiftSym);
    EXPECT_FALSE(keys.Shift());

    Press(Qt::Key_Shift);  // a key event without native codes
    EXPECT_TRUE(keys.Shift());
    Release(Qt::Key_Shift);
    EXPECT_FALSE(keys.Shift());
}

TEST_F(HeldKeysTest, RepeatsOfAHeldKeyKeepItDownAndLosingTheKeyboardLetsEverythingGo) {
    Press(Qt::Key_Left);
    Key(QEvent::KeyRelease, Qt::Key_Left, 0, 0, true);
    Key(QEvent::KeyPress, Qt::Key_Left, 0, 0, true);
    Key(QEvent::KeyRelease, Qt::Key_Left, 0, 0, true);
    EXPECT_TRUE(keys.Left()) << "an auto-repeat release is no release";
    Press(Qt::Key_Right);
    Press(Qt::Key_Shift, kLeftShiftCode, kLeftShiftSym);
    ASSERT_TRUE(keys.Right() && keys.Shift());

    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    keys.eventFilter(&target, &active);
    EXPECT_TRUE(keys.Left() && keys.Right() && keys.Shift()) << "becoming active changes nothing";
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    keys.eventFilter(&target, &inactive);
    EXPECT_FALSE(keys.Left());
    EXPECT_FALSE(keys.Right());
    EXPECT_FALSE(keys.Shift());
}
}  // namespace
