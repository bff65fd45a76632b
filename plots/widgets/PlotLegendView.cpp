#include "PlotLegendView.h"

#include <QMouseEvent>
#include <QPainter>

#include "Messages.h"
#include "PlotColors.h"
#include "PlotLegend.h"
#include "PlotMarks.h"
#include "PlotPixels.h"

namespace quarlo {

namespace {

// The line around the items; the legend's height keeps 3 pixels for it.
constexpr int kBorder = 1;
constexpr int kDesignHeight = 81;

}  // namespace

PlotLegendView::PlotLegendView(QWidget* parent) : QWidget(parent), m_itemHeight(kLegendItemHeight)
{
    setObjectName(QStringLiteral("Legend"));
    resize(kLegendDesignWidth, kDesignHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::SizeAllCursor);
}

void PlotLegendView::SetEntries(std::vector<LegendEntry> entries)
{
    m_entries = std::move(entries);
    update();
}

void PlotLegendView::SetNote(std::string note)
{
    m_note = std::move(note);
    update();
}

void PlotLegendView::FitToItems(int width, int extra)
{
    const QFontMetrics metrics = fontMetrics();
    const int fitted = LegendWidth(
        m_entries, width,
        [&metrics](const std::string& text) { return metrics.horizontalAdvance(QString::fromStdString(text)); }, extra,
        m_note, LegendNoteIndent(logicalDpiX()));
    resize(fitted, LegendHeight(m_entries, m_itemHeight, !m_note.empty()));
}

int PlotLegendView::ItemAt(QPoint point) const
{
    if (point.x() < 0 || point.x() >= width())
        return -1;
    return LegendItemAt(point.y() - kBorder, m_itemHeight, static_cast<int>(m_entries.size()));
}

QRect PlotLegendView::ItemRect(int item) const
{
    return {kBorder, kBorder + item * m_itemHeight, width() - 2 * kBorder, m_itemHeight};
}

void PlotLegendView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paintGuard.Run(*this, painter, [&] {
        painter.fillRect(rect(), Qt::white);
        for (int item = 0; item < static_cast<int>(m_entries.size()); ++item)
            LegendDrawItem(painter, item);
        drawNote(painter);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    });
}

void PlotLegendView::LegendDrawItem(QPainter& painter, int item) const
{
    const QRect cell = ItemRect(item);
    painter.fillRect(cell, Qt::white);
    const LegendEntry& entry = m_entries[static_cast<std::size_t>(item)];
    const PlotColor colour = CurveColor(entry.ColorSlot);
    painter.setPen(QColor(colour.R, colour.G, colour.B));
    painter.drawText(cell.adjusted(kLegendTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(LegendItemText(entry)));
}

// The note's line: a black stroke as the marks are drawn on the graph, then the note.
void PlotLegendView::drawNote(QPainter& painter) const
{
    if (m_note.empty())
        return;
    const QRect cell = ItemRect(static_cast<int>(m_entries.size()));
    const Resolution ppi{logicalDpiX(), logicalDpiY()};
    const int y = cell.center().y();
    painter.setPen(QPen(Qt::black, MarkPenWidth(ppi, 1), Qt::SolidLine, Qt::FlatCap));
    const int strokeLeft = cell.left() + kLegendTextIndent;
    painter.drawLine(strokeLeft, y, strokeLeft + LegendNoteStrokeLength(logicalDpiX()), y);
    painter.setPen(Qt::black);
    painter.drawText(cell.adjusted(LegendNoteIndent(logicalDpiX()), 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdString(m_note));
}

void PlotLegendView::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    m_grab = event->position().toPoint();
    event->accept();
}

void PlotLegendView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !parentWidget())
        return;
    RunGuarded(this, [&] {
        const QPoint pointer = mapToParent(event->position().toPoint());
        const PixelRect moved = DragLegend(toPixelRect(geometry()), toPixelPoint(pointer), toPixelPoint(m_grab),
                                           toPixelSize(parentWidget()->size()));
        move(moved.Left, moved.Top);
    });
}

void PlotLegendView::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    event->accept();
}

void PlotLegendView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_dragging = false;
    const int item = ItemAt(event->position().toPoint());
    if (item >= 0)
        Q_EMIT ItemDoubleClicked(item);
}

}  // namespace quarlo
