#pragma once

#include "TDataWindow.h"

class QPushButton;

namespace quarlo {

class TDataEdit;
class TProgramData;

// The pile properties window: pile length, number of increments, outer diameter, area of
// the pile tip and the convergence tolerance of the project, and the button that shows the
// pile's stiffness against depth (table TblAE2). Lengths are in the project's unit system;
// a unit switch refills and relabels the window at once.
class TfrmMaterial : public TDataWindow {
    Q_OBJECT
public:
    // The main window closes this window before it replaces `project`.
    explicit TfrmMaterial(TProgramData& project, QWidget* parent = nullptr);

    void FormActivate() override;
    // Stores the five values; a value that differs from the project's marks it modified.
    // Refuses, storing nothing, while a field holds an entry it does not accept.
    bool FormDeactivate() override;
    void UnitsChanged() override { FormActivate(); }

    void EditDepthsClick();

private:
    TProgramData& m_project;
    TDataEdit* m_pileLength;
    TDataEdit* m_increments;
    TDataEdit* m_outerDiameter;
    TDataEdit* m_tipArea;
    TDataEdit* m_tolerance;
    QPushButton* m_editDepths;
};

}  // namespace quarlo
