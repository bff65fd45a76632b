#pragma once

#include <QChartView>

class QCategoryAxis;
class QLineSeries;

namespace quarlo {

struct ChartAxis;
struct TableChartData;

// The chart above the grid of a table window (object name "Chart1"): the first series in
// red with diamonds, the second in green with squares, both lines two pixels wide, on a
// white plot with titled axes; the legend names the series only when there are two.
class TableChartView : public QChartView {
    Q_OBJECT
public:
    explicit TableChartView(QWidget* parent = nullptr);

    void Show(const TableChartData& data);

    QLineSeries* FirstSeries() const { return m_first; }
    QLineSeries* SecondSeries() const { return m_second; }
    QCategoryAxis* BottomAxis() const { return m_bottom; }
    QCategoryAxis* LeftAxis() const { return m_left; }

private:
    QLineSeries* makeSeries(const QColor& color, bool diamonds);
    QCategoryAxis* makeAxis(Qt::Alignment alignment);
    static void showAxis(QCategoryAxis* axis, const ChartAxis& data);

    QLineSeries* m_first;
    QLineSeries* m_second;
    QCategoryAxis* m_bottom;
    QCategoryAxis* m_left;
};

}  // namespace quarlo
