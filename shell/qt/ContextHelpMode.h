// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

#include <QObject>

class QWidget;
class QPoint;

// The context-help mode: the question-mark pointer, and the next click on a
// menu item, toolbar button, status pane or the playfield opens that
// element's topic instead of doing what a click does there. The topic is
// the element's dynamic property "helpTopic" (an int), set on its QAction or
// on the widget or one of its parents. Esc leaves the mode.
class ContextHelpMode : public QObject {
    Q_OBJECT
public:
    explicit ContextHelpMode(std::function<void(int topic)> showTopic, QObject* parent = nullptr);
    ~ContextHelpMode() override;

    void Enter();
    void Leave();
    bool IsActive() const { return active_; }

    // The topic of what lies at the global position of a widget, if any.
    static std::optional<int> TopicAt(QWidget* widget, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnPress(QWidget* widget, const QPoint& globalPos);
    bool OnKey(QObject* watched, int key);
    void Finish(std::optional<int> topic);

    std::function<void(int)> showTopic_;
    bool active_ = false;
    // The click that chose a topic still has its release to come; it must
    // not reach the element either.
    bool swallowRelease_ = false;
};
