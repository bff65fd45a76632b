#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace quarlo {

// "Active Curves": one row per curve, its flag (" yes : " active, " no  : " not) before its
// name, and buttons that toggle the selected rows or set every flag. The plot window sets
// the curves' Active flags from the rows only when the dialog is confirmed with OK.
class TfrmActiveLines : public QDialog {
    Q_OBJECT
public:
    // `names`: every curve's legend text; `flags`: every curve's flag (ActiveFlagList).
    TfrmActiveLines(std::vector<std::string> names, std::vector<std::string> flags, QWidget* parent);

    const std::vector<std::string>& FlagList() const { return m_flags; }

private:
    void FormShow();
    // Row i again from its flag and name.
    void SetLineNames(int i);
    // Flag i toggled.
    void SetKodeLines(int i);
    void lbLinesDblClick();
    void ActivateDesactivateButtonClick();
    void ActivateButtonClick();
    void DesactivateButtonClick();
    void setEveryFlag(const char* flag);

    std::vector<std::string> m_names;
    std::vector<std::string> m_flags;
    QListWidget* m_lbLines = nullptr;
};

}  // namespace quarlo
