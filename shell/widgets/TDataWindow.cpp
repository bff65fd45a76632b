#include "TDataWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>

#include "TDataEdit.h"

namespace quarlo {

namespace {

// A fixed single border with the system menu, minimize and close buttons: the window's
// fields are laid out for one size, so it neither resizes nor maximizes.
constexpr Qt::WindowFlags kFrameFlags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

TDataWindow::TDataWindow(QWidget* parent) : QWidget(parent) {}

bool TDataWindow::event(QEvent* event)
{
    // The document area puts the window into its frame when it is shown there.
    if (event->type() == QEvent::ParentChange) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->setWindowFlags(kFrameFlags);
    }
    return QWidget::event(event);
}

TDataEdit* TDataWindow::MakeField(const char* objectName, const QString& caption, QLabel*& label)
{
    auto* field = new TDataEdit(this);
    field->setObjectName(QString::fromLatin1(objectName));
    label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Label"));
    field->SetCaption(caption);
    field->SetEditLabel(label);
    return field;
}

bool TDataWindow::FieldsAccepted(std::initializer_list<TDataEdit*> fields) const
{
    auto* focused = qobject_cast<TDataEdit*>(focusWidget());
    if (focused && !focused->Validate())
        return false;
    for (TDataEdit* field : fields) {
        if (field != focused && !field->Validate())
            return false;
    }
    return true;
}

void TDataWindow::SetTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace quarlo
