#pragma once

#include "TDataWindow.h"

namespace quarlo {

class TDataEdit;
class TProgramData;

// The Q-w factors window: the multipliers on the loads Q and on the movements w of the
// tip's Q-w curve, applied when the project's Q-w factor option is on.
class TfrmQwFactors : public TDataWindow {
    Q_OBJECT
public:
    // The main window closes this window before it replaces `project`.
    explicit TfrmQwFactors(TProgramData& project, QWidget* parent = nullptr);

    void FormActivate() override;
    // Stores both multipliers; a changed one marks the project modified. Refuses, storing
    // nothing, while a field holds an entry it does not accept.
    bool FormDeactivate() override;
    void UnitsChanged() override { FormActivate(); }

private:
    TProgramData& m_project;
    TDataEdit* m_qFactor;
    TDataEdit* m_wFactor;
};

}  // namespace quarlo
