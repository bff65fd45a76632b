#pragma once

#include "TDataWindow.h"

class QLineEdit;

namespace quarlo {

class TProgramData;
class TTitleMemo;

// The project title window: the one-line title (at most 80 characters) and the designer's
// name and the date, which the project keeps while it is open but never saves.
class TdlgTitle : public TDataWindow {
    Q_OBJECT
public:
    // The main window closes this window before it replaces `project`.
    explicit TdlgTitle(TProgramData& project, QWidget* parent = nullptr);

    void FormActivate() override;
    // A changed title marks the project modified. The designer's name and the date do not:
    // they are not saved, so a save question for them would offer to keep nothing.
    bool FormDeactivate() override;

private:
    TProgramData& m_project;
    TTitleMemo* m_title;
    QLineEdit* m_designer;
    QLineEdit* m_date;
};

}  // namespace quarlo
