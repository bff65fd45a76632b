#include "TableFormHost.h"

#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>

#include "Messages.h"

namespace quarlo {

namespace {

// A top-level window is snapped once the user stopped dragging its frame: the window system
// drags it, and resizing it meanwhile would fight the drag.
constexpr int kSettleMs = 250;

}  // namespace

TableFormHost::TableFormHost(QWidget* form, SnapRequest snap) : QObject(form), m_form(form), m_snap(std::move(snap))
{
}

void TableFormHost::SetHost(QWidget* host)
{
    m_host = host;
    if (!hostIsSeparate())
        return;
    host->installEventFilter(this);
    if (host->isWindow()) {
        m_settled = new QTimer(this);
        m_settled->setSingleShot(true);
        m_settled->setInterval(kSettleMs);
        connect(m_settled, &QTimer::timeout, this, [this] {
            if (m_host)
                RunGuarded(m_form, [this] { m_snap(m_host->size(), true, true); });
        });
    }
}

QSize TableFormHost::Frame() const
{
    if (!hostIsSeparate())
        return {0, 0};
    if (m_host->layout())
        m_host->layout()->activate();
    return m_host->size() - m_form->size();
}

void TableFormHost::Fit(QSize client)
{
    m_applying = true;
    if (!hostIsSeparate()) {
        m_form->resize(client);
    } else if (!m_host->isMaximized() && !m_host->isMinimized()) {
        m_host->resize(client + Frame());
        m_form->resize(client);
    }
    m_applying = false;
}

void TableFormHost::FormResized(QSize size, QSize client)
{
    if (m_applying || m_dragging || size == client || !hostIsSeparate())
        return;
    if (m_host->isMaximized() || m_host->isMinimized())
        return;
    if (m_settled) {
        m_settled->start();
        return;
    }
    RunGuarded(m_form, [this] { m_snap(m_host->size(), true, true); });
}

void TableFormHost::dragEnded()
{
    const QRect dragged = m_host->geometry();
    if (dragged.size() == m_dragStart.size())
        return;
    m_snap(dragged.size(), dragged.width() != m_dragStart.width(), dragged.height() != m_dragStart.height());
    const QRect snapped = m_host->geometry();
    const int left = dragged.left() != m_dragStart.left() ? dragged.right() + 1 - snapped.width() : snapped.left();
    const int top = dragged.top() != m_dragStart.top() ? dragged.bottom() + 1 - snapped.height() : snapped.top();
    m_host->move(left, top);
}

// A child window's frame is dragged with the mouse pressed on it; it snaps when let go.
bool TableFormHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && !m_host->isWindow()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_dragging = true;
            m_dragStart = m_host->geometry();
        } else if (event->type() == QEvent::MouseButtonRelease && m_dragging) {
            m_dragging = false;
            RunGuarded(m_form, [this] { dragEnded(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quarlo
