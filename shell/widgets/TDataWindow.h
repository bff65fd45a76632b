#pragma once

#include <QWidget>

#include <initializer_list>

#include "ChildWindow.h"

class QLabel;

namespace quarlo {

class TDataEdit;

// A small child window of the main window that edits single values: a fixed size, a title
// bar with the system menu, minimize and close buttons. It fills itself when it becomes the
// active child and stores when it stops being active or closes (ChildWindow); the main
// window shows it with ChildArea::AddChild and learns of its closing by QPointer or
// destroyed(), as the window is deleted on closing.
class TDataWindow : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    explicit TDataWindow(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

    // A numeric field named `objectName` with its label named `objectName` + "Label"; the
    // caller places both.
    TDataEdit* MakeField(const char* objectName, const QString& caption, QLabel*& label);
    // Every field checks its entry, the focused one first, before anything is stored:
    // false when one refused it (the refusal is shown and the field keeps the focus).
    bool FieldsAccepted(std::initializer_list<TDataEdit*> fields) const;
    // The keyboard order of `widgets`, first to last.
    static void SetTabOrder(std::initializer_list<QWidget*> widgets);
};

}  // namespace quarlo
