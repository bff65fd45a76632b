#include "PaintGuard.h"

#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "Messages.h"

namespace quarlo {

void PaintGuard::failed(QWidget& widget, QPainter& painter, const QString& reason) noexcept
{
    try {
        painter.resetTransform();
        painter.setClipping(false);
        painter.fillRect(widget.rect(), Qt::white);
        if (m_reported)
            return;
        m_reported = true;
        QString text = QStringLiteral("The graph could not be drawn.");
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        QTimer::singleShot(0, &widget, [window = QPointer<QWidget>(&widget), text] {
            RunGuarded(window.data(), [&] { ShowInformation(window.data(), text); });
        });
    } catch (...) {
        // Nothing more can be done inside a paint: the widget stays as it is.
    }
}

}  // namespace quarlo
