#pragma once

namespace quarlo {

// Device pixels of a plot target (window, printer page or image), y growing downward.
struct PixelPoint {
    int X = 0;
    int Y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
    int Width = 0;
    int Height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(PixelPoint p) const { return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelLine {
    PixelPoint From;
    PixelPoint To;

    friend bool operator==(const PixelLine&, const PixelLine&) = default;
};

// Dots per inch of a plot target, across and down.
struct Resolution {
    int X = 96;
    int Y = 96;
};

// The point moved into the rectangle, edges included.
PixelPoint ClampToRect(PixelPoint p, const PixelRect& rect);

}  // namespace quarlo
