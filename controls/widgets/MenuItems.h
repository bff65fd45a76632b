#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "Messages.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

// A command of a window's menu, run from a menu item, a menu opening or a tool button.
using Command = std::function<void()>;

// The slot that runs `command` guarded: a failure is shown in a box over `messageParent` and
// goes no further than the command (Qt would end the program on an exception leaving a slot).
inline auto Guarded(QWidget* messageParent, Command command)
{
    return [parent = QPointer<QWidget>(messageParent), command = std::move(command)] {
        RunGuarded(parent.data(), command);
    };
}

// Adds the item `caption` (with its mnemonic) to `menu`, named `name` so that tests and later
// work find it, running `command` guarded when chosen.
QAction* AddMenuItem(QMenu& menu, const char* name, const QString& caption, QWidget* messageParent,
                     Command command, const QKeySequence& shortcut = {});

// Adds the menu `caption` to the menu bar, named `name`.
QMenu* AddMenu(QMenuBar& menuBar, const char* name, const QString& caption);

// Adds a submenu named `name`.
QMenu* AddSubmenu(QMenu& menu, const char* name, const QString& caption);

// Runs `command` guarded each time `menu` is about to drop down, before the user sees it.
void OnMenuOpening(QMenu& menu, QWidget* messageParent, Command command);

}  // namespace quarlo
