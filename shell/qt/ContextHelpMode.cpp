// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/ContextHelpMode.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

namespace {
const char kHelpTopicProperty[] = "helpTopic";

std::optional<int> TopicOf(const QObject* object) {
    if (object == nullptr) return std::nullopt;
    QVariant topic = object->property(kHelpTopicProperty);
    if (!topic.isValid()) return std::nullopt;
    return topic.toInt();
}

void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) break;
    }
}
}  // namespace

ContextHelpMode::ContextHelpMode(std::function<void(int)> showTopic, QObject* parent)
    : QObject(parent), showTopic_(std::move(showTopic)) {}

ContextHelpMode::~ContextHelpMode() {
    if (active_) QApplication::restoreOverrideCursor();
}

void ContextHelpMode::Enter() {
    if (active_) return;
    active_ = true;
    swallowRelease_ = false;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void ContextHelpMode::Leave() {
    if (active_) {
        active_ = false;
        QApplication::restoreOverrideCursor();
    }
    if (!swallowRelease_) qApp->removeEventFilter(this);
}

std::optional<int> ContextHelpMode::TopicAt(QWidget* widget, const QPoint& globalPos) {
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* item = menu->actionAt(menu->mapFromGlobal(globalPos));
        return item != nullptr ? TopicOf(item) : std::nullopt;
    }
    if (auto* button = qobject_cast<QToolButton*>(widget)) {
        if (auto topic = TopicOf(button->defaultAction())) return topic;
    }
    // A status pane's label, the playfield or anything inside them.
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (auto topic = TopicOf(w)) return topic;
        if (w->isWindow()) break;
    }
    return std::nullopt;
}

bool ContextHelpMode::eventFilter(QObject* watched, QEvent* event) {
    // Mouse and key events reach the window before its widgets; act on the
    // widget's copy only.
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (!swallowRelease_) return false;
        swallowRelease_ = false;
        if (!active_) qApp->removeEventFilter(this);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!active_) return false;
        return OnPress(widget, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    case QEvent::KeyPress:
        if (!active_) return false;
        return OnKey(watched, static_cast<QKeyEvent*>(event)->key());
    default: return false;
    }
}

bool ContextHelpMode::OnPress(QWidget* widget, const QPoint& globalPos) {
    // The menu bar opens its menus as usual, so that an item can be chosen.
    if (qobject_cast<QMenuBar*>(widget) != nullptr) return false;
    // A submenu's own item opens the submenu.
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QAction* item = menu->actionAt(menu->mapFromGlobal(globalPos));
        if (item != nullptr && item->menu() != nullptr) return false;
    }
    swallowRelease_ = true;
    Finish(TopicAt(widget, globalPos));
    return true;
}

bool ContextHelpMode::OnKey(QObject* watched, int key) {
    if (key == Qt::Key_Escape) {
        Finish(std::nullopt);
        return true;
    }
    // Enter on a highlighted menu item asks for that item's topic.
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        QAction* item = menu->activeAction();
        if (item == nullptr || item->menu() != nullptr) return false;
        Finish(TopicOf(item));
        return true;
    }
    return false;
}

void ContextHelpMode::Finish(std::optional<int> topic) {
    Leave();
    CloseMenus();
    if (topic) showTopic_(*topic);
}
