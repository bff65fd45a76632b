#include "ElevationPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace quarlo {

namespace {

QPoint toQt(const ElevationScene::Point& point)
{
    return {point.x, point.y};
}

void drawLine(QPainter& painter, const ElevationScene::Line& line)
{
    painter.drawLine(toQt(line.from), toQt(line.to));
}

void drawFrame(QPainter& painter, const ElevationScene& scene, const QColor& paper, const QColor& ink)
{
    if (!scene.frame)
        return;
    const ElevationScene::Rect& frame = *scene.frame;
    painter.setPen(QPen(ink, scene.frameWidth));
    painter.setBrush(paper);
    painter.drawRect(QRect(QPoint(frame.left, frame.top), QPoint(frame.right, frame.bottom)));
}

// A quad without width or height (a pile without diameter or length) has no inside to fill:
// it is drawn as the line along its long side.
void drawPile(QPainter& painter, const ElevationScene::Quad& quad)
{
    const bool noWidth = quad[0].x == quad[1].x && quad[2].x == quad[3].x && quad[0].x == quad[2].x;
    const bool noHeight = quad[0].y == quad[3].y && quad[1].y == quad[2].y && quad[0].y == quad[1].y;
    if (noWidth || noHeight) {
        painter.drawLine(toQt(quad[0]), toQt(quad[2]));
        return;
    }
    QPolygon polygon;
    for (const ElevationScene::Point& corner : quad)
        polygon << toQt(corner);
    painter.drawPolygon(polygon);
}

}  // namespace

void PaintElevation(QPainter& painter, const ElevationScene& scene, const QColor& paper, const QColor& ink)
{
    painter.save();
    drawFrame(painter, scene, paper, ink);
    painter.setPen(QPen(ink, scene.lineWidth));
    painter.setBrush(Qt::NoBrush);
    if (scene.ground)
        drawLine(painter, *scene.ground);
    for (const ElevationScene::Line& stroke : scene.hatch)
        drawLine(painter, stroke);
    for (const ElevationScene::Line& line : scene.layerLines)
        drawLine(painter, line);
    const int ascent = painter.fontMetrics().ascent();
    for (const ElevationScene::Label& label : scene.labels)
        painter.drawText(label.x, label.top + ascent, QString::fromStdString(label.text));
    painter.setBrush(ink);
    for (const ElevationScene::Quad& quad : scene.pile)
        drawPile(painter, quad);
    painter.restore();
}

}  // namespace quarlo
