#pragma once

#include <QList>
#include <QMdiArea>
#include <QPointer>

class QMdiSubWindow;

namespace quarlo {

class ChildWindow;

// The main window's document area. Beyond QMdiArea it keeps the fill-and-store rule of the
// child windows: the child that stops being active stores its edits (and stays active when
// it refuses), the child that becomes active fills itself, and a child closes only when it
// agrees. Children are destroyed when closed. A maximized child stays maximized when another
// becomes active; that one keeps its own size.
class ChildArea : public QMdiArea {
    Q_OBJECT
public:
    explicit ChildArea(QWidget* parent = nullptr);

    // Shows `widget` as a new child window (taking ownership) and makes it active; maximized
    // when it is a ChildWindow that opens so.
    QMdiSubWindow* AddChild(QWidget* widget);
    // The active child stores its edits; false when it refused an entry.
    bool CommitActiveChild();
    // Closes every child; false when one refused to close (it stays open, as do the children
    // not yet asked).
    bool CloseAllChildren();
    // Tells every open child that the project's unit system changed.
    void NotifyUnitsChanged();
    // The child windows, the active one first, then the others from the most recently active.
    QList<QMdiSubWindow*> ChildrenActiveFirst() const;

    static ChildWindow* ChildOf(QMdiSubWindow* subWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activationChanged(QMdiSubWindow* activated);

    QPointer<QMdiSubWindow> m_active;
    bool m_restoring = false;
    // Showing and activating a new child makes several activation attempts; a child that
    // refuses to store is asked once, so its refusal is shown once.
    bool m_adding = false;
    bool m_refusedWhileAdding = false;
};

}  // namespace quarlo
