#include "PlotPainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QLine>
#include <QList>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "PlotClipping.h"
#include "PlotColors.h"
#include "PlotCurves.h"
#include "PlotLayout.h"
#include "PlotLegend.h"
#include "PlotMapping.h"
#include "PlotMarkers.h"
#include "PlotMarks.h"
#include "PlotPixels.h"
#include "PlotTicks.h"

namespace quarlo {

namespace {

// Every text of a graph is set in this face, whatever the target's own font is.
constexpr const char* kPlotFontFamily = "Times New Roman";
constexpr int kPointsPerInch = 72;

// The labels (normal weight) and titles (bold) at the plot's text height, and what the
// layout arithmetic measures of them on the target.
struct PlotFonts {
    QFont Label;
    QFont Title;
    PlotTextMetrics Metrics;
};

QFont plotFont(const QFont& base, int h, bool bold)
{
    QFont font(base);
    font.setFamily(QString::fromLatin1(kPlotFontFamily));
    font.setPixelSize(std::max(h, 1));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

PlotFonts makeFonts(const QFont& base, int h, QPaintDevice* device)
{
    PlotFonts fonts{plotFont(base, h, false), plotFont(base, h, true), {}};
    const QFontMetrics label(fonts.Label, device);
    const QFontMetrics title(fonts.Title, device);
    fonts.Metrics.LabelWidth = [label](const std::string& text) {
        return label.horizontalAdvance(QString::fromStdString(text));
    };
    fonts.Metrics.LabelHeight = label.height();
    fonts.Metrics.TitleWidth = [title](const std::string& text) {
        return title.horizontalAdvance(QString::fromStdString(text));
    };
    fonts.Metrics.TitleHeight = title.height();
    return fonts;
}

QColor toQColor(PlotColor colour)
{
    return {colour.R, colour.G, colour.B};
}

// Text placed by the top left corner of its cell; upward text by the corner it starts from
// (see PlotTextMetrics), turned a quarter to the left about it.
void drawText(QPainter& painter, const QFont& font, const TextPlacement& placed)
{
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    const QString text = QString::fromStdString(placed.Text);
    if (!placed.Upward) {
        painter.drawText(QPoint(placed.At.X, placed.At.Y + ascent), text);
        return;
    }
    painter.save();
    painter.translate(placed.At.X, placed.At.Y);
    painter.rotate(-90);
    painter.drawText(QPoint(0, ascent), text);
    painter.restore();
}

void drawLine(QPainter& painter, const PixelLine& line)
{
    painter.drawLine(toQPoint(line.From), toQPoint(line.To));
}

// The outline of `rect` on its first and last rows and columns inside it.
void drawOutline(QPainter& painter, const PixelRect& rect)
{
    painter.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void drawTitles(QPainter& painter, const TGraphPlot& plot, const PlotTarget& target, int h, const PlotFonts& fonts)
{
    const PlotTitles titles = PlaceTitles(plot, target.FullRect, h, fonts.Metrics);
    painter.setPen(Qt::black);
    drawText(painter, fonts.Title, titles.XTitle);
    if (titles.GraphTitle)
        drawText(painter, fonts.Title, *titles.GraphTitle);
    drawText(painter, fonts.Title, titles.YTitle);
}

// A dotted grid line and a label at every major tick, a short solid mark at every tick.
void drawAxisTicks(QPainter& painter, const std::vector<TickMark>& marks, bool upwardLabels, const PlotFonts& fonts)
{
    const QPen solid(Qt::black, 1, Qt::SolidLine);
    const QPen dotted(Qt::black, 1, Qt::DotLine);
    for (const TickMark& mark : marks) {
        if (mark.Major) {
            painter.setPen(dotted);
            drawLine(painter, mark.Grid);
            painter.setPen(solid);
            drawText(painter, fonts.Label, {mark.Label, mark.LabelAt, upwardLabels});
        }
        painter.setPen(solid);
        drawLine(painter, mark.Tick);
    }
}

void drawGrid(QPainter& painter, const PlotMapping& mapping, const PlotTarget& target, int h, const PlotFonts& fonts)
{
    const TickStep steps = ComputeTickStep(mapping.View(), target.PlotRect, h);
    if (steps.X.Drawn())
        drawAxisTicks(painter, XTickMarks(steps.X, mapping, target.Ppi, fonts.Metrics), false, fonts);
    if (steps.Y.Drawn())
        drawAxisTicks(painter, YTickMarks(steps.Y, mapping, target.Ppi, fonts.Metrics), true, fonts);
}

void drawMarker(QPainter& painter, int index, PixelPoint at, Resolution ppi)
{
    QPolygon outline;
    for (const PixelPoint& corner : MarkerVertices(index, at, ppi))
        outline << toQPoint(corner);
    painter.drawPolyline(outline);
}

// Where a target cannot clip (a drawing file ignores the painter's clipping), the graph's
// rectangle within which the curves are cut by hand; none where the painter clips.
using HandClip = std::optional<PixelRect>;

HandClip handClipFor(const QPainter& painter, const PixelRect& plotRect)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::SVG ? HandClip(plotRect) : HandClip();
}

QPolygon toPolygon(const std::vector<PixelPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& point : points)
        polygon << toQPoint(point);
    return polygon;
}

void drawPolyline(QPainter& painter, const std::vector<PixelPoint>& points, const HandClip& clip)
{
    if (!clip) {
        painter.drawPolyline(toPolygon(points));
        return;
    }
    for (const std::vector<PixelPoint>& part : ClipPolyline(points, *clip))
        painter.drawPolyline(toPolygon(part));
}

// The markers of a curve in one call: a marker's corners lie at whole-pixel offsets from its
// point, so the outline around (0, 0) moved to each point gives the same corners, and the
// sines and cosines are taken once per curve instead of once per point.
void drawMarkers(QPainter& painter, const CurvePath& path, Resolution ppi, const HandClip& clip)
{
    const std::vector<PixelPoint> outline = MarkerVertices(path.CurveIndex, {0, 0}, ppi);
    if (outline.size() < 2 || path.MarkerPoints.empty())
        return;
    if (clip) {
        for (const std::size_t j : path.MarkerPoints) {
            std::vector<PixelPoint> marker = outline;
            for (PixelPoint& corner : marker)
                corner = {corner.X + path.Points[j].X, corner.Y + path.Points[j].Y};
            drawPolyline(painter, marker, clip);
        }
        return;
    }
    QList<QLine> edges;
    edges.reserve(static_cast<qsizetype>(path.MarkerPoints.size() * (outline.size() - 1)));
    for (const std::size_t j : path.MarkerPoints) {
        const QPoint at = toQPoint(path.Points[j]);
        for (std::size_t k = 1; k < outline.size(); ++k)
            edges.append(QLine(at + toQPoint(outline[k - 1]), at + toQPoint(outline[k])));
    }
    painter.drawLines(edges);
}

// The marked points go on top of every curve, so that no later curve hides one.
void drawMarks(QPainter& painter, const TGraphPlot& plot, const std::vector<CurvePath>& paths,
               const PlotMapping& mapping, const PlotTarget& target, const HandClip& clip)
{
    const int width = MarkPenWidth(target.Ppi, plot.WidthLine);
    for (const MarkStroke& stroke : MarkStrokes(plot.Marks, paths, mapping, target.Ppi)) {
        painter.setPen(QPen(toQColor(CurveColor(stroke.ColorSlot)), width, Qt::SolidLine, Qt::FlatCap));
        drawPolyline(painter, {stroke.Line.From, stroke.Line.To}, clip);
    }
}

void drawCurves(QPainter& painter, const TGraphPlot& plot, const PlotMapping& mapping, const PlotTarget& target)
{
    const std::vector<CurvePath> paths = CurvePaths(plot, mapping);
    if (paths.empty())
        return;
    painter.save();
    painter.setClipRect(toQRect(target.PlotRect));
    const HandClip clip = handClipFor(painter, target.PlotRect);
    const int width = CurvePenWidth(target.Ppi, plot.WidthLine);
    for (const CurvePath& path : paths) {
        painter.setPen(QPen(toQColor(CurveColor(path.ColorSlot)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        drawPolyline(painter, path.Points, clip);
        drawMarkers(painter, path, target.Ppi, clip);
    }
    drawMarks(painter, plot, paths, mapping, target, clip);
    painter.restore();
}

void drawLegendBox(QPainter& painter, const TGraphPlot& plot, const PlotTarget& target, const LegendOnScreen& legend,
                   const PlotFonts& fonts)
{
    const std::vector<LegendEntry> entries = LegendEntries(plot);
    const LegendBox box = PlaceLegendBox(entries, target.FullRect, legend.TopLeft, legend.Window, target.Ppi,
                                         fonts.Metrics, MarkNote(plot.Marks, entries));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    drawOutline(painter, box.Box);
    for (const LegendBoxItem& item : box.Items) {
        painter.setPen(QPen(Qt::black, 1));
        drawMarker(painter, item.CurveIndex, item.MarkerAt, target.Ppi);
        painter.setPen(toQColor(CurveColor(item.ColorSlot)));
        drawText(painter, fonts.Label, {item.Text, item.TextAt, false});
    }
    if (box.Note) {
        painter.setPen(QPen(Qt::black, MarkPenWidth(target.Ppi, 1), Qt::SolidLine, Qt::FlatCap));
        drawLine(painter, box.Note->Stroke);
        painter.setPen(Qt::black);
        drawText(painter, fonts.Label, {box.Note->Text, box.Note->TextAt, false});
    }
}

void drawFrame(QPainter& painter, const PlotTarget& target)
{
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    drawOutline(painter, PlotFrame(target.PlotRect));
}

}  // namespace

int TargetTextHeight(const QFont& base, const QPaintDevice& device, int sizeFont)
{
    const int basePixels = base.pixelSize() > 0
                               ? base.pixelSize()
                               : static_cast<int>(std::lround(base.pointSizeF() * device.logicalDpiY() / kPointsPerInch));
    return PlotTextHeight(basePixels, sizeFont);
}

void PaintPlotScene(QPainter& painter, const TGraphPlot& plot, const PlotRange& view, const PlotTarget& target,
                    const LegendOnScreen& legend)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(toQRect(target.FullRect), Qt::white);
    if (LargeEnoughToDraw(target.FullRect, target.Ppi)) {
        const QFont base = painter.font();
        const int h = TargetTextHeight(base, *painter.device(), plot.SizeFont);
        const PlotFonts fonts = makeFonts(base, h, painter.device());
        const PlotMapping mapping(view, target.PlotRect, plot.XOnTop);
        drawTitles(painter, plot, target, h, fonts);
        drawGrid(painter, mapping, target, h, fonts);
        drawCurves(painter, plot, mapping, target);
        if (target.Paper)
            drawLegendBox(painter, plot, target, legend, fonts);
        drawFrame(painter, target);
    }
    painter.restore();
}

}  // namespace quarlo
