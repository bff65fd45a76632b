#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quarlo {

// What one painter routine draws of the elevation, in device pixels of its target (the
// window or the printed page): everything is worked out by the model, so the screen and the
// paper cannot drift apart.
struct ElevationScene {
    struct Point {
        int x = 0;
        int y = 0;
    };
    struct Line {
        Point from;
        Point to;
    };
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    // A text whose top left corner is at (x, top).
    struct Label {
        int x = 0;
        int top = 0;
        std::string text;
    };
    using Quad = std::array<Point, 4>;

    // The printed frame, filled with the window colour and outlined thinly; none on screen.
    std::optional<Rect> frame;
    int frameWidth = 1;
    // Width of every other line; 0 draws the target's thinnest line.
    int lineWidth = 0;
    std::optional<Line> ground;
    std::vector<Line> hatch;       // strokes under the ground line
    std::vector<Line> layerLines;  // one at the bottom of every layer
    std::vector<Label> labels;     // layers with a soil type 1..6
    // Filled in the text colour; a quad without width (a pile without diameter) is a line.
    std::vector<Quad> pile;
};

}  // namespace quarlo
