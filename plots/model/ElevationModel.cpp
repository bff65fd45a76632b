#include "ElevationModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "ProgramData.h"
#include "ProjectFileFormat.h"

namespace quarlo {

namespace {

// Pixels beyond any screen or page.
constexpr long double kPixelLimit = 1.0e6L;

bool finite(const ElevationBounds& bounds) {
    return std::isfinite(bounds.xMin) && std::isfinite(bounds.xMax) && std::isfinite(bounds.yMin) &&
           std::isfinite(bounds.yMax);
}

// Fixed notation with one decimal, a full stop whatever the locale.
std::string oneDecimal(long double value) {
    // Room for the widest finite extended value written out in full.
    std::array<char, 5000> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 1);
    return std::string(text.data(), result.ptr);
}

}  // namespace

void ElevationModel::Build(const TProgramData& project) {
    m_outline.clear();
    m_layers.clear();
    m_pileWidth = kWidthPerDiameter * project.OuterDiameter;
    m_pileLength = project.PileLength;
    const TGridTableChart& layers = project.Tables().D2();
    // The first layer starts at the ground surface, written as the general format writes 0.
    std::string topText = "0";
    long double top = 0.0L;
    for (int row = 0; row < layers.RowCount(); ++row) {
        const long double bottom = layers.Data(1, row).AsFloat();
        const std::string bottomText = layers.Data(1, row).Text();
        m_layers.push_back({top, bottom, LayerLabel(topText, bottomText, layers.Data(0, row).AsInteger())});
        top = bottom;
        topText = bottomText;
    }
    if (!m_layers.empty()) {
        const long double half = m_pileWidth / 2.0L;
        m_outline.push_back({{{-half, 0.0L}, {half, 0.0L}, {half, m_pileLength}, {-half, m_pileLength}}});
    }
    buildBounds();
    computeView();
}

void ElevationModel::SetClientSize(int width, int height) {
    m_clientWidth = width;
    m_clientHeight = height;
    computeView();
}

void ElevationModel::buildBounds() {
    ElevationBounds bounds;
    for (const ElevationQuad& quad : m_outline) {
        for (const ElevationPoint& corner : quad) {
            bounds.xMin = std::min(bounds.xMin, corner.x);
            bounds.xMax = std::max(bounds.xMax, corner.x);
            bounds.yMin = std::min(bounds.yMin, corner.y);
            bounds.yMax = std::max(bounds.yMax, corner.y);
        }
    }
    // Every layer bottom, not only the last: layers out of order must not leave the drawing.
    for (const ElevationLayer& layer : m_layers) {
        bounds.yMin = std::min(bounds.yMin, layer.bottom);
        bounds.yMax = std::max(bounds.yMax, layer.bottom);
    }
    m_shallowest = bounds.yMin;
    m_deepest = bounds.yMax;
    m_bounds = {bounds.xMin * kRoom, bounds.xMax * kRoom, bounds.yMin * kRoom, bounds.yMax * kRoom};
}

bool ElevationModel::HasScale() const {
    // Bounds pass over a NaN (no comparison holds for it), so the pile's own numbers are
    // checked as well.
    return !m_layers.empty() && finite(m_bounds) && std::isfinite(m_pileWidth) && std::isfinite(m_pileLength) &&
           m_bounds.yMax > m_bounds.yMin;
}

void ElevationModel::computeView() {
    m_view = m_bounds;
    if (m_clientWidth <= 0 || m_clientHeight <= 0 || !finite(m_bounds) || !std::isfinite(m_pileWidth) ||
        !std::isfinite(m_pileLength)) {
        m_state = ElevationState::Unusable;
        return;
    }
    if (!HasScale()) {
        m_state = ElevationState::Blank;
        return;
    }
    const long double xExtent = m_bounds.xMax - m_bounds.xMin;
    const long double yExtent = m_bounds.yMax - m_bounds.yMin;
    const long double windowRatio = static_cast<long double>(m_clientWidth) / m_clientHeight;
    if (xExtent == 0.0L) {
        // A pile without width: the depth range alone sets the scale, centred on the axis.
        const long double half = windowRatio * yExtent / 2.0L;
        m_view.xMin = -half;
        m_view.xMax = half;
    } else {
        // One length unit gets the same number of pixels across and down: the direction with
        // room to spare is widened.
        const long double a = windowRatio / (xExtent / yExtent);
        if (a >= 1.0L) {
            m_view.xMin *= a;
            m_view.xMax *= a;
        } else {
            m_view.yMin /= a;
            m_view.yMax /= a;
        }
    }
    const bool scaled = finite(m_view) && m_view.xMax > m_view.xMin && m_view.yMax > m_view.yMin;
    m_state = scaled ? ElevationState::Usable : ElevationState::Unusable;
}

int ElevationModel::RoundPixel(long double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::lround(static_cast<double>(std::clamp(value, -kPixelLimit, kPixelLimit))));
}

int ElevationModel::PixelX(long double x) const {
    return RoundPixel(m_clientWidth * (x - m_view.xMin) / (m_view.xMax - m_view.xMin));
}

int ElevationModel::PixelY(long double y) const {
    return RoundPixel(m_clientHeight * (y - m_view.yMin) / (m_view.yMax - m_view.yMin));
}

long double ElevationModel::DepthAt(int py) const {
    return m_view.yMin + static_cast<long double>(py) / m_clientHeight * (m_view.yMax - m_view.yMin);
}

std::optional<std::string> ElevationModel::ReadOut(int py) const {
    if (!Usable()) {
        return std::nullopt;
    }
    return "  Depth: " + oneDecimal(DepthAt(py));
}

std::string ElevationModel::LayerLabel(const std::string& top, const std::string& bottom, int soilType) {
    if (soilType < projectfile::kFirstSoilType || soilType > projectfile::kLastSoilType) {
        return {};
    }
    return "depth= " + top + " - " + bottom + (projectfile::isClay(soilType) ? "; Clay" : "; Sand");
}

}  // namespace quarlo
