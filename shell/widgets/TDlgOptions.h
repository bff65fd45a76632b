#pragma once

#include <QString>

#include "TDataWindow.h"

class QLineEdit;
class QPushButton;

namespace quarlo {

// The control options window: the program that opens the report and the other text files
// of a project. It edits the text editor path the main window keeps with its settings.
class TDlgOptions : public TDataWindow {
    Q_OBJECT
public:
    // `editorPath` belongs to the main window, which outlives its child windows.
    explicit TDlgOptions(QString& editorPath, QWidget* parent = nullptr);

    void FormActivate() override;
    bool FormDeactivate() override;

    // Proposes the path in the box; a program chosen there replaces it, with its full path.
    void BtnBrowseClick();

private:
    QString& m_editorPath;
    QLineEdit* m_editor;
    QPushButton* m_browse;
};

}  // namespace quarlo
