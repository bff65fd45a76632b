#pragma once

#include <QString>

class QWidget;

namespace quarlo {

// Opens `fileName` for the user to read or edit: with the desktop's program for the file when
// `editorPath` is empty, else by starting the program `editorPath` with the file as its one
// argument (a blank in either path is no separator). The program runs on its own; nothing
// waits for it. False when no program could be started.
//
// The main window's text commands and the table windows' View/Edit all open files this way.
bool OpenInTextEditor(const QString& editorPath, const QString& fileName);

// As OpenInTextEditor; a failure is shown over `parent` as "An error occurred in running the
// Word Processor".
void EditInTextEditor(QWidget* parent, const QString& editorPath, const QString& fileName);

}  // namespace quarlo
