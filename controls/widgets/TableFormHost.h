#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>

class QTimer;
class QWidget;

namespace quarlo {

// Where a table window lives (a child window of the document area, a modal window, or the
// window itself when embedded) and how that host follows the window's layout. A size the
// user gives the host is passed on to be snapped to whole rows and columns: a child window
// when the user lets go of its frame (its edge that did not move stays put), a top-level
// window once its frame has stopped moving, any other resize at once.
class TableFormHost : public QObject {
    Q_OBJECT
public:
    // Asked to fit the window into a host size the user chose; the flags tell which of the
    // width and height the user changed.
    using SnapRequest = std::function<void(QSize hostSize, bool widthDragged, bool heightDragged)>;

    TableFormHost(QWidget* form, SnapRequest snap);

    void SetHost(QWidget* host);
    QWidget* Host() const { return m_host; }
    // What the host adds around the window (frame and title bar).
    QSize Frame() const;
    // Sizes window and host for the window's layout size `client`.
    void Fit(QSize client);
    // The window was resized to `size` while its layout wants `client`.
    void FormResized(QSize size, QSize client);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hostIsSeparate() const { return m_host && m_host != m_form; }
    void dragEnded();

    QWidget* m_form;
    SnapRequest m_snap;
    QPointer<QWidget> m_host;
    QTimer* m_settled = nullptr;
    bool m_applying = false;
    bool m_dragging = false;
    QRect m_dragStart;
};

}  // namespace quarlo
