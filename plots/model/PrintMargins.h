#pragma once

#include "PlotGeometry.h"

namespace quarlo {

// Page margins as page setup keeps them, in thousandths of an inch: an inch on each side
// until the user sets others.
struct PageMargins {
    int Left = 1000;
    int Top = 1000;
    int Right = 1000;
    int Bottom = 1000;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// A length in inches as whole thousandths of an inch (halves to even); negative lengths
// count as 0.
int ThousandthsOfInch(long double inches);

// One margin in device pixels: the margin at the device's resolution (halves to even), but
// never less than `unprintable`, the edge of the paper on that side the printer cannot
// reach; a margin of 0 thus makes the graph fill the printable area.
int MarginPixels(int thousandths, int ppi, int unprintable);

// The area a printed graph fills, in pixels of the whole sheet `paper`: the sheet less its
// four margins (MarginPixels), the unprintable edges taken from `printable`, the printable
// area in the same sheet pixels. A margin wider than the sheet leaves an empty area.
PixelRect PrintedFullRect(const PageMargins& margins, Resolution ppi, PixelSize paper, const PixelRect& printable);

}  // namespace quarlo
