#include "DowndragSite.h"

#include <charconv>
#include <string>

#include "NumberFormat.h"
#include "ProgramData.h"
#include "UnitFactor.h"
#include "Units.h"

namespace quarlo {

namespace {

// Significant digits of the numbers in the project data file.
constexpr int kProjectFileDigits = 8;

// A length of the project in the run's units, as the engine reads it from the file.
class RunLength {
public:
    RunLength(int projectUnits, int runUnits) : m_factor(UnitFactor(projectUnits, runUnits, "L")) {}

    float operator()(long double value) const
    {
        const std::string text = formatGeneral(value * m_factor, kProjectFileDigits);
        float result = 0;
        std::from_chars(text.data(), text.data() + text.size(), result);
        return result;
    }

private:
    long double m_factor;
};

// y1 + (x - x1) * (y2 - y1) / (x2 - x1), in this order, as the engine interpolates.
float interpolate(float x, float x1, float y1, float x2, float y2)
{
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

}  // namespace

DowndragSite DowndragSiteOf(const TProgramData& project, int runUnits)
{
    DowndragSite site;
    const RunLength length(project.Units(), runUnits);
    site.PileLength = length(project.PileLength);
    const TGridTableChart& profile = project.Tables().TblSettlement2();
    site.DownDrag = project.DowndragOn && profile.RowCount() > 0;
    if (!site.DownDrag)
        return site;
    for (int row = 0; row < profile.RowCount(); ++row) {
        site.Depths.push_back(length(profile.Data(0, row).AsFloat()));
        site.Settlements.push_back(length(profile.Data(1, row).AsFloat()));
    }
    return site;
}

float SoilSettlement(const DowndragSite& site, float X)
{
    const std::vector<float>& depth = site.Depths;
    const std::vector<float>& settlement = site.Settlements;
    const std::size_t n = std::min(depth.size(), settlement.size());
    if (n == 0 || X < depth[0] || X > depth[n - 1])
        return 0;
    if (n == 1)
        return settlement[0];
    std::size_t k = 1;   // 0-based: the first point from the second on at or below X
    while (k < n && !(X <= depth[k]))
        ++k;
    if (k == n)
        return 0;   // X compares with nothing (not a number)
    // At the last depth the first of a doubled pair counts.
    if (X == depth[n - 1])
        return settlement[k];
    if (X == depth[k]) {
        if (k + 1 < n && depth[k + 1] == depth[k])
            return (settlement[k] + settlement[k + 1]) / 2;
        return settlement[k];
    }
    return interpolate(X, depth[k - 1], settlement[k - 1], depth[k], settlement[k]);
}

std::vector<float> SegmentLookupDepths(float pileLength, int segments)
{
    std::vector<float> depths;
    if (segments < 1)
        return depths;
    const float DL = pileLength / static_cast<float>(segments);
    float X = pileLength - DL / 2;
    for (int s = 0; s < segments; ++s) {
        depths.push_back(X);
        X = X - DL;
    }
    return depths;
}

}  // namespace quarlo
