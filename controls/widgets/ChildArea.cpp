#include "ChildArea.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

#include "ChildWindow.h"
#include "Messages.h"

namespace quarlo {

ChildArea::ChildArea(QWidget* parent) : QMdiArea(parent)
{
    setBackground(Qt::white);
    // A maximized child (a graph) stays maximized behind the others: a window activated over
    // it keeps its own size, which the data and table windows are laid out for.
    setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    connect(this, &QMdiArea::subWindowActivated, this, &ChildArea::activationChanged);
}

ChildWindow* ChildArea::ChildOf(QMdiSubWindow* subWindow)
{
    return subWindow ? dynamic_cast<ChildWindow*>(subWindow->widget()) : nullptr;
}

QMdiSubWindow* ChildArea::AddChild(QWidget* widget)
{
    QMdiSubWindow* subWindow = addSubWindow(widget);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->installEventFilter(this);
    {
        const QScopedValueRollback adding(m_adding, true);
        const ChildWindow* child = ChildOf(subWindow);
        const bool maximized = child && child->OpensMaximized();
        widget->show();
        if (maximized) {
            // Restored later, the window comes back at the size it asks for, not as a title bar.
            subWindow->resize(subWindow->sizeHint());
            subWindow->showMaximized();
        }
        else
            subWindow->show();
        setActiveSubWindow(subWindow);
    }
    m_refusedWhileAdding = false;
    return subWindow;
}

void ChildArea::activationChanged(QMdiSubWindow* activated)
{
    if (m_restoring || activated == m_active)
        return;
    ChildWindow* leaving = ChildOf(m_active);
    if (leaving && m_active->isVisible()) {
        bool stored = false;
        if (!m_refusedWhileAdding)
            RunGuarded(this, [&] { stored = leaving->FormDeactivate(); });
        if (!stored) {
            m_refusedWhileAdding = m_adding;
            // The refused entry stays as typed: going back must not refill the window.
            m_restoring = true;
            setActiveSubWindow(m_active);
            m_restoring = false;
            return;
        }
    }
    m_active = activated;
    if (ChildWindow* entering = ChildOf(activated))
        RunGuarded(this, [&] { entering->FormActivate(); });
}

bool ChildArea::CommitActiveChild()
{
    ChildWindow* child = ChildOf(activeSubWindow());
    bool stored = true;
    if (child && !RunGuarded(this, [&] { stored = child->FormDeactivate(); }))
        stored = false;
    return stored;
}

bool ChildArea::CloseAllChildren()
{
    for (QMdiSubWindow* subWindow : subWindowList()) {
        if (!subWindow->close())
            return false;
    }
    return true;
}

void ChildArea::NotifyUnitsChanged()
{
    for (QMdiSubWindow* subWindow : subWindowList()) {
        if (ChildWindow* child = ChildOf(subWindow))
            RunGuarded(this, [&] { child->UnitsChanged(); });
    }
}

QList<QMdiSubWindow*> ChildArea::ChildrenActiveFirst() const
{
    QList<QMdiSubWindow*> history = subWindowList(QMdiArea::ActivationHistoryOrder);
    QList<QMdiSubWindow*> ordered(history.rbegin(), history.rend());
    if (QMdiSubWindow* active = activeSubWindow()) {
        ordered.removeOne(active);
        ordered.prepend(active);
    }
    return ordered;
}

bool ChildArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        auto* subWindow = qobject_cast<QMdiSubWindow*>(watched);
        ChildWindow* child = ChildOf(subWindow);
        bool agreed = true;
        if (child && !RunGuarded(this, [&] { agreed = child->FormCloseQuery(); }))
            agreed = false;
        if (!agreed) {
            event->ignore();
            return true;
        }
        if (subWindow == m_active)
            m_active = nullptr;
    }
    return QMdiArea::eventFilter(watched, event);
}

}  // namespace quarlo
