#include "SingleChild.h"

#include <stdexcept>

#include <QMdiSubWindow>

#include "ChildArea.h"

namespace quarlo {

bool SingleChild::IsOpen() const
{
    if (!m_window)
        return false;
    // A closed window lingers, hidden, until Qt deletes it back in the event loop; it is no
    // longer open, and the project it showed may already be gone.
    const QWidget* frame = m_window->parentWidget();
    return !(frame ? frame->isHidden() : m_window->isHidden());
}

void SingleChild::Show(ChildArea& area)
{
    if (IsOpen()) {
        auto* subWindow = qobject_cast<QMdiSubWindow*>(m_window->parentWidget());
        if (subWindow) {
            if (subWindow->isMinimized())
                subWindow->showNormal();
            area.setActiveSubWindow(subWindow);
        }
        return;
    }
    if (!m_factory)
        throw std::logic_error(m_command.toStdString() + ": the program has no window for this command.");
    QWidget* window = m_factory();
    m_window = window;
    area.AddChild(window);
}

}  // namespace quarlo
