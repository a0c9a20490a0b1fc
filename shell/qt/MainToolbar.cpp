// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/MainToolbar.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QToolBar>

#include "shell/MainMenu.h"
#include "shell/qt/CommandTable.h"

namespace {
constexpr int kStripId = 2;
constexpr QSize kButtonImage(16, 15);

// The buttons show no tooltips.
class NoToolTips : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

// A cell of the strip, with a copy twice the size with every pixel doubled,
// which a screen at twice the density shows crisp instead of blurred.
QIcon ButtonIcon(const QImage& strip, int cell) {
    const QImage image = strip.copy(QRect(QPoint(cell * kButtonImage.width(), 0), kButtonImage));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image));
    icon.addPixmap(QPixmap::fromImage(image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}
}  // namespace

QToolBar* CreateMainToolbar(QWidget* parent, CommandTable& commands) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(kButtonImage);
    toolbar->toggleViewAction()->setVisible(false);  // the View menu has its own item

    const QImage strip(QStringLiteral(":/bitmaps/%1.png").arg(kStripId));
    auto* noToolTips = new NoToolTips(toolbar);
    int cell = 0;
    for (const int command : MainMenu::ToolbarEntries()) {
        if (command == MainMenu::kSeparator) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = commands.Action(command);
        action->setIcon(ButtonIcon(strip, cell++));
        action->setIconVisibleInMenu(false);
        toolbar->addAction(action);
        toolbar->widgetForAction(action)->installEventFilter(noToolTips);
    }
    return toolbar;
}
