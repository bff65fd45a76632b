#include "ElevationLayout.h"

#include <cmath>
#include <filesystem>
#include <functional>

namespace quarlo {

namespace {

using Point = ElevationScene::Point;
using Line = ElevationScene::Line;

// The window's ground hatch: 20 strokes, 20 pixels apart from x = 120, each 15 across and 5
// down.
constexpr int kScreenStrokes = 20;
constexpr int kScreenStrokeStep = 20;
constexpr int kScreenStrokeStart = 100;
constexpr int kScreenStrokeRun = 15;
constexpr int kScreenStrokeDrop = 5;

// The printout, in pixels of a 600 dpi printer: lines 12 wide (half a millimetre), 10 hatch
// strokes 50 apart and 70 down.
constexpr int kReferenceDpi = 600;
constexpr int kPrintLineWidth = 12;
constexpr int kPrintStrokes = 10;
constexpr int kPrintStrokeStep = 50;
constexpr int kPrintStrokeDrop = 70;

constexpr auto roundToInt = &ElevationModel::RoundPixel;

void addLayers(ElevationScene& scene, const ElevationModel& model, int left, int right, int labelX, int textHeight,
               const std::function<int(long double)>& depthToY) {
    for (const ElevationLayer& layer : model.Layers()) {
        const int bottom = depthToY(layer.bottom);
        scene.layerLines.push_back({{left, bottom}, {right, bottom}});
        if (!layer.label.empty()) {
            scene.labels.push_back({labelX, depthToY(layer.top) + textHeight, layer.label});
        }
    }
}

}  // namespace

ElevationScene elevationScreenScene(const ElevationModel& model, int textHeight) {
    ElevationScene scene;
    if (!model.Usable()) {
        return scene;
    }
    const int width = model.ClientWidth();
    const int ground = model.PixelY(0.0L);
    scene.ground = Line{{0, ground}, {width, ground}};
    for (int j = 1; j <= kScreenStrokes; ++j) {
        const int x = kScreenStrokeStep * j + kScreenStrokeStart;
        scene.hatch.push_back({{x, ground}, {x + kScreenStrokeRun, ground + kScreenStrokeDrop}});
    }
    addLayers(scene, model, 0, width, 0, textHeight, [&](long double depth) { return model.PixelY(depth); });
    for (const ElevationQuad& quad : model.Outline()) {
        ElevationScene::Quad corners;
        for (std::size_t i = 0; i < quad.size(); ++i) {
            corners[i] = {model.PixelX(quad[i].x), model.PixelY(quad[i].y)};
        }
        scene.pile.push_back(corners);
    }
    return scene;
}

ElevationScene elevationPrintScene(const ElevationModel& model, const ElevationPage& page) {
    ElevationScene scene;
    const long double width = page.width;
    const long double height = page.height;
    const long double dots = static_cast<long double>(page.dotsPerInch) / kReferenceDpi;
    const int left = roundToInt(0.1L * width);
    const int right = roundToInt(0.9L * width);
    scene.frame = ElevationScene::Rect{left, roundToInt(0.1L * height), right, roundToInt(0.9L * height)};
    scene.frameWidth = std::max(1, roundToInt(dots));
    if (!model.HasScale()) {
        return scene;
    }
    const long double span = model.DeepestDepth() - model.ShallowestDepth();
    scene.lineWidth = std::max(1, roundToInt(kPrintLineWidth * dots));
    // Page pixels per project length unit: the depths fill the frame's height.
    const long double scale = 0.8L * height / span;
    const auto depthToY = [&](long double depth) {
        return roundToInt((depth - model.ShallowestDepth()) * scale + 0.1L * height);
    };
    const int ground = depthToY(0.0L);
    scene.ground = Line{{left, ground}, {right, ground}};
    for (int k = 1; k <= kPrintStrokes; ++k) {
        const int step = roundToInt(kPrintStrokeStep * k * dots);
        scene.hatch.push_back({{roundToInt(0.35L * height) + step, ground},
                               {roundToInt(0.365L * height) + step, ground + roundToInt(kPrintStrokeDrop * dots)}});
    }
    addLayers(scene, model, left, right, roundToInt(0.15L * height), page.textHeight, depthToY);
    // The bar is as wide as the pile on the depth scale, as on screen.
    const int centre = roundToInt(0.5L * width);
    const int half = roundToInt(model.PileWidth() / 2.0L * scale);
    const int tip = depthToY(model.PileLength());
    scene.pile.push_back({Point{centre - half, ground}, Point{centre + half, ground}, Point{centre + half, tip},
                          Point{centre - half, tip}});
    return scene;
}

std::string elevationPdfName(const std::string& projectFileName) {
    std::filesystem::path name(projectFileName);
    if (name.stem().empty()) {
        return "elevation.pdf";
    }
    name.replace_extension();
    name += "-elevation.pdf";
    return name.string();
}

}  // namespace quarlo
