#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "DataEditModel.h"


namespace quarlo {

// The numeric entry field of the dialogs: a one-line edit that takes a number or an
// arithmetic expression, checks it when the user leaves the field for another control of
// the same window or presses Enter, and shows a refusal in a message box with the focus
// kept in the field. Its label shows the caption with the unit of the field's unit system.
//
// Leaving the window itself (another child window, a menu) checks nothing here: the window
// asks Validate() before it stores or closes, so a refusal is shown once.
class TDataEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDataEdit(QWidget* parent = nullptr);

    // The value of the text; EAssignError when the text has none.
    long double Number() const { return m_model.Number(); }
    // Clamps into MinVal..MaxVal and shows the value in canonical form.
    void SetNumber(long double value);

    long double MinVal() const { return m_model.MinVal(); }
    long double MaxVal() const { return m_model.MaxVal(); }
    void SetMinVal(long double value);
    void SetMaxVal(long double value);
    bool IntegerOnly() const { return m_model.IntegerOnly(); }
    void SetIntegerOnly(bool integerOnly);
    bool Hex() const { return m_model.Hex(); }
    void SetHex(bool hex);

    int Units() const { return m_model.Units(); }
    void SetUnits(int code);
    QString UnitsString() const { return QString::fromStdString(m_model.UnitsString()); }
    void SetUnitsString(const QString& unitsString);
    QString Caption() const { return QString::fromStdString(m_model.Caption()); }
    void SetCaption(const QString& caption);
    QLabel* EditLabel() const { return m_label; }
    // The label that names the field; it takes the field as its buddy and follows its
    // enabled state.
    void SetEditLabel(QLabel* label);

    // Runs the exit check now; false when the entry was refused (shown, focus kept).
    bool Validate();
    // The last exit check accepted the entry.
    bool IsValid() const { return m_model.Valid(); }

    // Stores the value into `target` when the field shows another value; true when it did.
    bool StoreInto(long double& target) const { return m_model.StoreInto(target); }
    bool StoreInto(int& target) const { return m_model.StoreInto(target); }

    // Wide enough to show a value with all its 18 significant digits.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool runExitCheck();
    bool leavesForControlOfSameWindow(Qt::FocusReason reason) const;
    void showModelText();
    void refreshLabel();

    DataEditModel m_model;
    QPointer<QLabel> m_label;
    // A refusal's message box takes the focus too; that must not check the entry again.
    bool m_checking = false;
};

}  // namespace quarlo
