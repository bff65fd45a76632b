#pragma once

#include <QMessageBox>
#include <QString>

#include <exception>
#include <string>
#include <utility>

class QWidget;

namespace quarlo {

// The program's message boxes, titled with the application's title. Model texts may break
// lines with a carriage return (the evaluator's messages do); boxes show it as a line break.
//
// The title is the one given to SetMessageTitle, else Qt's application display name. The
// program gives its title here rather than as the display name, because the platform appends
// the display name to every other top-level window's title as well.
void SetMessageTitle(const QString& title);
void ShowInformation(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const std::string& text);
// The save-changes question: Yes, No or Cancel.
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text);

// Runs a command from a slot or an event handler. Qt carries no exception through its event
// loop (one would end the program and lose the project), so every failure stops here: its
// message is shown and the command reports false. The command itself must leave the project
// as it was when it fails.
template <class Command>
bool RunGuarded(QWidget* parent, Command&& command) noexcept
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const std::exception& error) {
        ShowInformation(parent, std::string(error.what()));
    } catch (...) {
        ShowInformation(parent, QStringLiteral("The command failed for an unknown reason."));
    }
    return false;
}

}  // namespace quarlo
