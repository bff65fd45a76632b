#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quarlo {

// "Legend": the legend text of every curve, one row each, and a field to type a new one
// for the selected row. A row never becomes empty: an empty text is refused with "The line
// must have a name!". The plot window gives the rows the curves' names only when the
// dialog is confirmed with OK.
class TfrmLineNames : public QDialog {
    Q_OBJECT
public:
    // `names`: every curve's legend text; `colorSlots`: the colour slot each curve is drawn
    // in, -1 for a curve not drawn (CurveColorSlots).
    TfrmLineNames(const std::vector<std::string>& names, std::vector<int> colorSlots, QWidget* parent);

    // The rows as they stand, however the dialog was closed.
    std::vector<std::string> NameList() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // A row was selected: its text goes into the field, in its curve's colour.
    void lbLinesClick(int row);
    // Enter in the field or leaving it: the field's text replaces the selected row's, or is
    // refused when empty. False when refused.
    bool edLineExit();
    void okClick();

    QListWidget* m_lbLines = nullptr;
    QLineEdit* m_edLine = nullptr;
    std::vector<int> m_colorSlots;
    // A refusal's message box takes the focus from the field, which must not check again.
    bool m_checking = false;
};

}  // namespace quarlo
