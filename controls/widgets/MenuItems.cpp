#include "MenuItems.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quarlo {

QAction* AddMenuItem(QMenu& menu, const char* name, const QString& caption, QWidget* messageParent,
                     Command command, const QKeySequence& shortcut)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, action, Guarded(messageParent, std::move(command)));
    return action;
}

QMenu* AddMenu(QMenuBar& menuBar, const char* name, const QString& caption)
{
    QMenu* menu = menuBar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubmenu(QMenu& menu, const char* name, const QString& caption)
{
    QMenu* submenu = menu.addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    return submenu;
}

void OnMenuOpening(QMenu& menu, QWidget* messageParent, Command command)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, Guarded(messageParent, std::move(command)));
}

}  // namespace quarlo
