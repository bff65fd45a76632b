#pragma once

#include <QString>

#include <exception>
#include <utility>

class QPainter;
class QWidget;

namespace quarlo {

// Runs the drawing of a paint handler. Qt carries no exception out of an event handler, and a
// message box opened inside a paint would be painted over and fail again with every repaint:
// a failed drawing leaves the widget white, and the failure is reported once for the widget's
// life, in a box shown after the paint is over.
class PaintGuard {
public:
    template <class Paint>
    void Run(QWidget& widget, QPainter& painter, Paint&& paint) noexcept
    {
        try {
            std::forward<Paint>(paint)();
        } catch (const std::exception& error) {
            failed(widget, painter, QString::fromLocal8Bit(error.what()));
        } catch (...) {
            failed(widget, painter, QString());
        }
    }

    // A failure has been reported.
    bool Reported() const { return m_reported; }

private:
    void failed(QWidget& widget, QPainter& painter, const QString& reason) noexcept;

    bool m_reported = false;
};

}  // namespace quarlo
