#pragma once

#include <QString>

#include <functional>

namespace quarlo {

// Opens a text file for the user to read or edit; false when no program could be started.
using FileViewer = std::function<bool(const QString& path)>;

// The View/Edit command of the table windows opens files through this. By default the
// desktop's program for the file opens it; the program can point it at the text editor the
// user configured. An empty viewer restores the default.
void SetTableFileViewer(FileViewer viewer);
bool ViewTableFile(const QString& path);

}  // namespace quarlo
