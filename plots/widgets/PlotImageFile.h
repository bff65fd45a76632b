#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

#include "ImageAttributes.h"
#include "PlotGeometry.h"

class QPainter;

namespace quarlo {

// The memory pictures of graphs may take on this machine (ImageMemoryBudget of its memory).
std::uint64_t AvailableImageMemory();

// Draws a picture onto `painter`, whose whole area is `full` and whose current font is the
// picture's base font.
using PaintImage = std::function<void(QPainter& painter, const PixelRect& full)>;

// Makes the picture of `request` with `paint` and writes it to `file`: a bitmap or PNG in the
// colours asked for, or an SVG drawing, each recording the resolution asked for; `baseFont`
// is the font the painter starts with. The file is replaced only once the new one is
// complete. False, with nothing written, when the picture cannot be made for want of memory;
// EInOutError when the file cannot be written.
bool WritePlotImage(const ImageFile& file, const ImageRequest& request, const QString& title, const QFont& baseFont,
                    const PaintImage& paint);

// A picture drawn in full colour, as it is written in `colors`: one bit a pixel (anything not
// white black), the sixteen standard colours, at most 256 colours, 16 or 24 bits. A null
// image when there is no memory for it.
QImage InColors(const QImage& drawn, ImageColors colors);

}  // namespace quarlo
