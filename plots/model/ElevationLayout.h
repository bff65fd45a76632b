#pragma once

#include <string>

#include "ElevationModel.h"
#include "ElevationScene.h"

namespace quarlo {

// The window's drawing: the ground line across the whole width with 20 hatch strokes under
// it, a line across at every layer bottom, each label at the left edge one text line below
// its layer's top, and the pile outline. Empty unless the model is Usable.
// `textHeight` is the height of a line of the label font in pixels.
ElevationScene elevationScreenScene(const ElevationModel& model, int textHeight);

// A printed page in device pixels.
struct ElevationPage {
    int width = 0;
    int height = 0;
    int dotsPerInch = 600;
    int textHeight = 0;  // a line of the printed label font
};

// The printout: a frame from 10 % to 90 % of the page, filled by the depths from the ground
// surface to the deepest of pile tip and layer bottoms (so a pile longer than the layers stays
// on the page), the ground line with 10 hatch strokes, the layer lines and labels, and the pile
// as a bar centred on the page, its width on the depth scale. A project with nothing to scale
// prints the frame alone. Line widths and hatch steps are those of a 600 dpi printer, scaled
// to the page's resolution, so the sheet looks alike on any printer.
ElevationScene elevationPrintScene(const ElevationModel& model, const ElevationPage& page);

// The file name proposed for a printout saved as PDF: the project's name with
// "-elevation.pdf" in place of its extension.
std::string elevationPdfName(const std::string& projectFileName);

}  // namespace quarlo
