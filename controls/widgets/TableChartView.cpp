#include "TableChartView.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>

#include "TableChartData.h"

namespace quarlo {

namespace {

constexpr int kMarkerSize = 7;
constexpr int kLineWidth = 2;
constexpr int kChartFontPoints = 7;

QImage markerImage(const QColor& color, bool diamond)
{
    QImage image(kMarkerSize * 4, kMarkerSize * 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal s = image.width();
    if (diamond)
        painter.drawPolygon(QPolygonF({{s / 2, 0}, {s, s / 2}, {s / 2, s}, {0, s / 2}}));
    else
        painter.drawRect(QRectF(s / 8, s / 8, s * 3 / 4, s * 3 / 4));
    return image;
}

QFont chartFont()
{
    QFont font;
    font.setPointSize(kChartFontPoints);
    return font;
}

}  // namespace

TableChartView::TableChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing);
    QChart* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    // Room at the right and top for the half of the last labels that lies beyond the plot.
    chart->setMargins(QMargins(2, 6, 14, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setFont(chartFont());
    chart->legend()->hide();
    setChart(chart);
    m_first = makeSeries(Qt::red, true);
    m_second = makeSeries(Qt::darkGreen, false);
    m_bottom = makeAxis(Qt::AlignBottom);
    m_left = makeAxis(Qt::AlignLeft);
}

QLineSeries* TableChartView::makeSeries(const QColor& color, bool diamonds)
{
    auto* series = new QLineSeries;
    QPen pen(color);
    pen.setWidth(kLineWidth);
    series->setPen(pen);
    series->setPointsVisible(true);
    series->setMarkerSize(kMarkerSize);
    series->setLightMarker(markerImage(color, diamonds));
    chart()->addSeries(series);
    return series;
}

QCategoryAxis* TableChartView::makeAxis(Qt::Alignment alignment)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsFont(chartFont());
    axis->setTitleFont(chartFont());
    chart()->addAxis(axis, alignment);
    m_first->attachAxis(axis);
    m_second->attachAxis(axis);
    return axis;
}

void TableChartView::showAxis(QCategoryAxis* axis, const ChartAxis& data)
{
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setTitleText(QString::fromStdString(data.title));
    axis->setReverse(data.inverted);
    axis->setStartValue(data.range.minimum);
    axis->setRange(data.range.minimum, data.range.maximum);
    for (const AxisTick& tick : data.ticks)
        axis->append(QString::fromStdString(tick.label), tick.value);
}

void TableChartView::Show(const TableChartData& data)
{
    const auto points = [](const std::vector<ChartPoint>& from) {
        QList<QPointF> list;
        list.reserve(static_cast<qsizetype>(from.size()));
        for (const ChartPoint& point : from)
            list.append(QPointF(point.x, point.y));
        return list;
    };
    m_first->replace(points(data.first));
    m_second->replace(points(data.second));
    m_second->setVisible(data.hasSecond);
    m_first->setName(QString::fromStdString(data.firstTitle));
    m_second->setName(QString::fromStdString(data.secondTitle));
    chart()->legend()->setVisible(data.hasSecond);
    showAxis(m_bottom, data.bottom);
    showAxis(m_left, data.left);
}

}  // namespace quarlo
