#include "TDataEdit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

#include <algorithm>

#include "DataEditKeys.h"
#include "Messages.h"

namespace quarlo {

namespace {

// The window a control belongs to: its child window in the document area, else its
// top-level window. Only moves inside one of these check the entry on leaving.
const QWidget* windowOf(const QWidget* widget)
{
    for (const QWidget* ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (ancestor->isWindow() || qobject_cast<const QMdiSubWindow*>(ancestor))
            return ancestor;
    }
    return nullptr;
}

char32_t typedCharacter(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return U'\r';
    const QString text = event->text();
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

}  // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.SetText(text.toStdString()); });
    showModelText();
}

void TDataEdit::SetNumber(long double value)
{
    m_model.SetNumber(value);
    showModelText();
}

void TDataEdit::SetMinVal(long double value)
{
    m_model.SetMinVal(value);
    showModelText();
}

void TDataEdit::SetMaxVal(long double value)
{
    m_model.SetMaxVal(value);
    showModelText();
}

void TDataEdit::SetIntegerOnly(bool integerOnly)
{
    m_model.SetIntegerOnly(integerOnly);
    showModelText();
}

void TDataEdit::SetHex(bool hex)
{
    m_model.SetHex(hex);
    showModelText();
}

void TDataEdit::SetUnits(int code)
{
    m_model.SetUnits(code);
    refreshLabel();
}

void TDataEdit::SetUnitsString(const QString& unitsString)
{
    m_model.SetUnitsString(unitsString.toStdString());
    refreshLabel();
}

void TDataEdit::SetCaption(const QString& caption)
{
    m_model.SetCaption(caption.toStdString());
    refreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label)
{
    m_label = label;
    if (label)
        label->setBuddy(this);
    refreshLabel();
}

bool TDataEdit::Validate()
{
    return runExitCheck();
}

bool TDataEdit::runExitCheck()
{
    if (m_checking)
        return m_model.Valid();
    const QScopedValueRollback checking(m_checking, true);
    DataEditModel::Check check;
    if (RunGuarded(this, [&] { check = m_model.ExitCheck(); })) {
        showModelText();
        if (!check.valid)
            ShowInformation(this, check.message);
    }
    if (!check.valid && isVisible())
        setFocus(Qt::OtherFocusReason);
    return check.valid;
}

void TDataEdit::keyPressEvent(QKeyEvent* event)
{
    const bool wholeTextSelected =
        hasSelectedText() && WholeTextSelected(static_cast<std::size_t>(selectionStart()),
                                               static_cast<std::size_t>(selectedText().size()),
                                               static_cast<std::size_t>(text().size()));
    switch (DataEditKeyAction(typedCharacter(event), wholeTextSelected)) {
    case DataEditKey::CheckEntry:
        runExitCheck();
        selectAll();
        event->accept();
        return;
    case DataEditKey::AppendOperator:
        end(false);
        break;
    case DataEditKey::Type:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_checking && leavesForControlOfSameWindow(event->reason()))
        runExitCheck();
}

bool TDataEdit::leavesForControlOfSameWindow(Qt::FocusReason reason) const
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        break;
    default:
        return false;
    }
    const QWidget* next = QApplication::focusWidget();
    return next && next != this && windowOf(next) == windowOf(this);
}

QSize TDataEdit::sizeHint() const
{
    // The widest canonical value in fixed notation; the plain edit is sized for 17 x's.
    const QFontMetrics metrics = fontMetrics();
    const int wanted = metrics.horizontalAdvance(QStringLiteral("-0.000888888888888888888"));
    const int plain = metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    QSize size = QLineEdit::sizeHint();
    size.rwidth() += std::max(0, wanted - plain);
    return size;
}

void TDataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        refreshLabel();
}

void TDataEdit::showModelText()
{
    const QString shown = QString::fromStdString(m_model.Text());
    if (shown != text())
        setText(shown);
}

void TDataEdit::refreshLabel()
{
    if (!m_label)
        return;
    m_label->setEnabled(isEnabled());
    m_label->setText(QString::fromStdString(m_model.LabelText()));
}

}  // namespace quarlo
