#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace quarlo {

class TProgramData;

// The file dialogs of the File menu. Both are Qt's own dialogs, the same on every desktop,
// listing "QUARLO 2014 (*.qv3d)", "QUARLO 2.0 (*.qvd)" (the old format) and "All Files";
// a name typed without extension gets ".qv3d".

// The Open dialog's choice: the file, and whether it is read in the current format (it is,
// unless the old-format entry of the file types was chosen).
struct OpenChoice {
    QString fileName;
    bool currentFormat = true;
};

// Asks for an existing project file to open; nothing when cancelled.
std::optional<OpenChoice> AskOpenFileName(QWidget* parent);

// Asks for the name to save `project` under, titled "Save <display name> As" and proposing
// the name the project model proposes. An old-format name chosen becomes the current one
// (".qv3d"), and when a file of that name exists the user is asked before it is replaced.
// Nothing when cancelled.
std::optional<QString> AskSaveFileName(QWidget* parent, const TProgramData& project);

}  // namespace quarlo
