#pragma once

#include <QColor>

#include "ElevationScene.h"

class QPainter;

namespace quarlo {

// Draws an elevation scene with the painter's font: the frame filled with `paper`, every line,
// label and the pile in `ink`. The one drawing routine of the window and the printout.
void PaintElevation(QPainter& painter, const ElevationScene& scene, const QColor& paper, const QColor& ink);

}  // namespace quarlo
