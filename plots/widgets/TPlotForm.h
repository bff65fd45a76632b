#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "ChildWindow.h"
#include "PaintGuard.h"
#include "PlotMapping.h"
#include "PlotPageSetup.h"
#include "PlotPainter.h"
#include "PlotRange.h"

class QPainter;
class QRubberBand;

namespace quarlo {

class PlotLegendView;
class PlotMenu;
class TGraphPlot;
struct LegendEntry;
struct PrintedPage;

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
    // The graph on a printed sheet, within the page-setup margins, its texts sized for paper.
    void PaintPage(QPainter& painter, const PrintedPage& page) const;
    // The graph in a picture whose whole area is `full`: laid out as on screen, at the
    // screen's resolution, so a picture looks as the window does when the painter's font (the
    // base of the texts) is the window's.
    void PaintImage(QPainter& painter, const PixelRect& full) const;

    // The project the graph belongs to, whose name the files proposed for printouts and
    // pictures take; until it is given they are proposed by the graph's name alone.
    void SetProjectFileName(std::function<std::string()> projectFileName);
    const PlotPageSetup& PageSetup() const { return m_pageSetup; }

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
    // The markers submenu is about to drop down: the entry of the plot's Markers checked.
    void PlotMarkersClick();
    // Markers on every `tag`-th point (0 none), then the graph drawn again.
    void MarkClick(int tag);
    // Texts `tag` tenths of their size: the legend sized for them and put back in the
    // graph's corner, the graph laid out again.
    void SizeClick(int tag);
    // Curves `tag` times as wide.
    void WidthClick(int tag);
    // "Graph Title": the dialog; the title it shows when closed is the graph's.
    void PlotCaptionClick();
    // "Edit Legend": the curves' names from the legend editor, when confirmed.
    void mLineNameClick();
    // "Active Curves": which curves the legend, the menu and the graph show, when confirmed.
    void ActiveGraphsClick();
    // "Print...": on the printer chosen, or into a PDF file where no printer is installed.
    void PlotPrintClick();
    // "Page Setup": printer, paper, orientation and margins for the next print.
    void PlotPageClick();
    // "Save To Disk...": a picture of the graph as a bitmap, PNG or SVG file.
    void PlotSaveClick();
    // "Export PDF...": the printed page as a PDF file, with or without a printer.
    void PlotExportPdfClick();
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
    void setLegendEntries(const std::vector<LegendEntry>& entries);
    std::string proposedFileName(const char* extension) const;
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
    PlotPageSetup m_pageSetup;
    std::function<std::string()> m_projectFileName;
};

}  // namespace quarlo
