#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quarlo {

class TProgramData;

// A point of the elevation in project length units: x across (0 at the pile axis), y depth
// downward from the ground surface (0).
struct ElevationPoint {
    long double x = 0.0L;
    long double y = 0.0L;
};

// Corners of a quadrilateral of the drawing, in order around it.
using ElevationQuad = std::array<ElevationPoint, 4>;

// One row of the soil-layer table as the elevation shows it.
struct ElevationLayer {
    long double top = 0.0L;     // the bottom of the layer above, 0 for the first layer
    long double bottom = 0.0L;  // "Bottom of Layer"
    std::string label;          // empty for a soil type outside 1..6
};

// A range of the drawing in project length units.
struct ElevationBounds {
    long double xMin = 0.0L;
    long double xMax = 0.0L;
    long double yMin = 0.0L;
    long double yMax = 0.0L;
};

// What the view can show:
//  - Usable: the drawing has a scale;
//  - Blank: there is nothing to scale, because the soil-layer table has no rows or the project
//    has no vertical extent (pile length and every layer bottom 0, as in a new project): only
//    the background is shown and printed, without read-out, until the project gets a depth;
//  - Unusable: the window has no client area or the numbers give no finite scale: nothing is
//    drawn and no read-out is given while that lasts.
enum class ElevationState { Usable, Blank, Unusable };

// The elevation of the pile in its soil layers: the pile outline, the layer boundaries with
// their labels, the model bounds and the view range that keeps one scale across and down for
// the current window shape, and the mapping between project lengths and window pixels.
//
// The pile is drawn 1.5 times its outer diameter wide. Diameter, pile length and layer bottoms
// all carry the project's one length unit (inches or metres), so the width needs no conversion
// to the depth unit: converting it again would draw the pile 12 or 1000 times too thin. A
// pile without diameter is a line on the axis.
class ElevationModel {
public:
    // Room the bounds keep around the drawing: the deepest point gets 5 % below it and the
    // pile 5 % at both sides.
    static constexpr long double kRoom = 1.05L;
    // Drawn pile width per unit of outer diameter.
    static constexpr long double kWidthPerDiameter = 1.5L;

    // Rebuilds everything from the project, keeping the client size: the pile from its
    // length and outer diameter, the layers from the soil-layer table D2.
    void Build(const TProgramData& project);
    // The window's client area changed: recomputes the view range.
    void SetClientSize(int width, int height);

    ElevationState State() const { return m_state; }
    // The drawing can be put to a scale, whatever the window: it has soil layers, a depth
    // range and finite numbers. The printout needs no more than this.
    bool HasScale() const;
    bool Usable() const { return m_state == ElevationState::Usable; }

    // The pile outline (one quadrilateral when the project has soil layers, else none).
    const std::vector<ElevationQuad>& Outline() const { return m_outline; }
    const std::vector<ElevationLayer>& Layers() const { return m_layers; }
    long double PileWidth() const { return m_pileWidth; }
    long double PileLength() const { return m_pileLength; }
    // The depths the drawing spans before its room: from the shallowest to the deepest of
    // the ground surface, the pile tip and the layer bottoms.
    long double ShallowestDepth() const { return m_shallowest; }
    long double DeepestDepth() const { return m_deepest; }
    // The bounds with their room, and the view range widened from them to the window shape.
    const ElevationBounds& Bounds() const { return m_bounds; }
    const ElevationBounds& View() const { return m_view; }
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }

    // A pixel coordinate rounded to the nearest whole pixel. Points far beyond any screen or
    // page are held at a distance that keeps painters' integer arithmetic from overflowing.
    static int RoundPixel(long double value);

    // Window pixels of a point; meaningful only while Usable.
    int PixelX(long double x) const;
    int PixelY(long double y) const;
    // The depth shown at pixel row `py`.
    long double DepthAt(int py) const;
    // The caption while the pointer is at pixel row `py` ("  Depth: " and the depth with one
    // decimal), none unless Usable.
    std::optional<std::string> ReadOut(int py) const;

    // "depth= " top " - " bottom and "; Clay" (odd soil types 1..5) or "; Sand" (even
    // 2..6); empty for any other soil type. The depths come as texts, as the soil-layer grid
    // shows them.
    static std::string LayerLabel(const std::string& top, const std::string& bottom, int soilType);

private:
    void buildBounds();
    void computeView();

    std::vector<ElevationQuad> m_outline;
    std::vector<ElevationLayer> m_layers;
    long double m_pileWidth = 0.0L;
    long double m_pileLength = 0.0L;
    long double m_shallowest = 0.0L;
    long double m_deepest = 0.0L;
    ElevationBounds m_bounds;
    ElevationBounds m_view;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    ElevationState m_state = ElevationState::Blank;
};

}  // namespace quarlo
