#pragma once

#include <QPoint>
#include <QWidget>

#include <vector>

#include "PaintGuard.h"
#include "PlotCurves.h"

namespace quarlo {

// The legend on a plot window: one line per active curve in its curve colour, " *" after the
// curves that are shown. The user drags it anywhere inside the window (with any button) and
// double-clicks a line to show or hide its curve. The window decides what it lists and how
// large it is; the legend only draws and reports.
class PlotLegendView : public QWidget {
    Q_OBJECT
public:
    // Named "Legend"; at its design size and item height until the window fits it.
    explicit PlotLegendView(QWidget* parent);

    void SetEntries(std::vector<LegendEntry> entries);
    const std::vector<LegendEntry>& Entries() const { return m_entries; }
    // The line below the items about the graph's marked points (MarkNote); none when empty.
    void SetNote(std::string note);
    const std::string& Note() const { return m_note; }

    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height) { m_itemHeight = height; }

    // Sized for its items and note: the height they take, and a width widened (from
    // `width`) to the widest line plus `extra` pixels.
    void FitToItems(int width, int extra);

    // The item at a point of the legend, -1 where there is none.
    int ItemAt(QPoint point) const;
    // Where item `item` is drawn, in the legend's coordinates.
    QRect ItemRect(int item) const;

Q_SIGNALS:
    // The user double-clicked item `item` (LegendDblClick).
    void ItemDoubleClicked(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void LegendDrawItem(QPainter& painter, int item) const;
    void drawNote(QPainter& painter) const;

    std::vector<LegendEntry> m_entries;
    std::string m_note;
    int m_itemHeight;
    bool m_dragging = false;
    QPoint m_grab;
    PaintGuard m_paintGuard;
};

}  // namespace quarlo
