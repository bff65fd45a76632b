#include "DocumentPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace quarlo {

namespace {

constexpr qreal kFooterPointSize = 8;

void paintFooter(QPainter& painter, const QRectF& area, const QFont& font, const QString& left, const QString& right)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom, left);
    painter.drawText(area, Qt::AlignRight | Qt::AlignBottom, right);
    painter.restore();
}

}  // namespace

void PaintDocumentPages(QPainter& painter, QPrinter& printer, const QTextDocument& document, const QString& footer)
{
    // A copy, laid out for the printer: the shown document keeps the window's layout.
    const std::unique_ptr<QTextDocument> printed(document.clone());
    printed->documentLayout()->setPaintDevice(&printer);

    QFont footerFont = printed->defaultFont();
    footerFont.setPointSizeF(kFooterPointSize);
    const qreal footerHeight = 2 * QFontMetricsF(footerFont, &printer).height();
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF body(page.width(), page.height() - footerHeight);
    printed->setPageSize(body);

    const int pages = printed->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        const QRectF shown(0, i * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        printed->drawContents(&painter, shown);
        painter.restore();
        paintFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), footerFont, footer,
                    QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages));
    }
}

}  // namespace quarlo
