#pragma once

#include <QPoint>
#include <QWidget>

#include <memory>

#include "ChildWindow.h"
#include "PaintGuard.h"
#include "PlotMapping.h"
#include "PlotPainter.h"
#include "PlotRange.h"

class QPainter;
class QRubberBand;

namespace quarlo {

class PlotLegendView;
class PlotMenu;
class TGraphPlot;

// The window of one result graph: the graph drawn to fill it, a legend the user moves about
// and uses to show or hide curves, the data coordinates under the pointer in the caption,
// zooming in by dragging a rectangle and out by right-clicking, and the "&Plot" menu, which
// the main window shows in its menu bar while this window is active.
//
// The window draws what the plot holds at the time of drawing. Only the view (zoom) and the
// places of the legend and menu entries are its own; the curves' Shown flags, names and the
// display options stay in the plot and carry over to the next window of the same plot.
class TPlotForm : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    // The caption until the pointer first moves over the graph.
    static constexpr const char* kInitialCaption = "PlotForm";

    // Opens on `plot`, which must outlive the window: its curves made active (at most the
    // first 20 while it limits them), the view the range of all its data. The window is named
    // as the plot (`name`, e.g. "pltLoad").
    TPlotForm(TGraphPlot& plot, const QString& name, QWidget* parent = nullptr);
    ~TPlotForm() override;

    TGraphPlot& Plot() const { return m_plot; }

    // The one drawing of the graph, on whatever target: the window itself (ScreenTarget), a
    // printed page or an image. The painter's current font is the target's base font; on
    // paper the legend becomes a box where the window's legend stands.
    void PaintPlot(QPainter& painter, const PlotTarget& target) const;
    // The window as a target: its client area, its resolution and the screen layout.
    PlotTarget ScreenTarget() const;

    // Lays the graph out for the client area again and repaints. With `legendToCorner` (on
    // opening, after a font size change) the legend goes to the graph's bottom right corner;
    // in every case it is then kept inside the window.
    void FormResize(bool legendToCorner);
    // Sizes the legend for a font size in tenths of the default.
    void SetupLegend(int size);
    // The curves' Active flags or names changed: legend and curve entries are built again
    // from the plot, the k-th active curve at position k.
    void CurvesChanged();

    // The view shown, and the range of all data it opened on (zooming never leaves it).
    const PlotRange& ViewRange() const { return m_viewRange; }
    const PlotRange& FullRange() const { return m_fullRange; }
    PlotLegendView& Legend() const { return *m_legend; }
    PlotMenu& Menu() const { return *m_menu; }

    // The menu is about to drop down.
    void PlotMenuClick();
    // "Show Legend": the plot's ShowLegend toggles and the legend follows it.
    void PlotLegendClick();
    // A curve entry or a legend item: the curve is shown or hidden.
    void ToggleCurve(int curveIndex);
    void LegendDblClick(int item);

    // The size the window comes back to when it is restored from maximized.
    QSize sizeHint() const override;

    QMenu* ChildMenu() override;
    bool OpensMaximized() const override { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void PaintBoxMouseDown(QPoint at, Qt::MouseButton button);
    void PaintBoxMouseMove(QPoint at);
    void FormMouseUp(QPoint at, Qt::MouseButton button);
    void refreshLegend();
    void popUpPlotMenu();
    PlotMapping screenMapping() const;

    TGraphPlot& m_plot;
    PlotRange m_viewRange;
    PlotRange m_fullRange;
    PlotLegendView* m_legend = nullptr;
    std::unique_ptr<PlotMenu> m_menu;
    QRubberBand* m_rubberBand = nullptr;
    bool m_zoomDragging = false;
    QPoint m_anchor;
    QPoint m_corner;
    // Until the window is first drawn, every resize (the window being maximized as it opens)
    // puts the legend back in the graph's corner; afterwards resizing only keeps it inside.
    bool m_opening = true;
    PaintGuard m_paintGuard;
};

}  // namespace quarlo
