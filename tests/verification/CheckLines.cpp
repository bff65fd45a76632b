#include "CheckLines.h"

#include "NumberText.h"

namespace quarlo::verification {

void writeOutsideLines(std::ostream& out, const Verification& v)
{
    for (const CaseResult* result : v.results()) {
        if (!result->failure.empty())
            out << "quarlo_verify: " << result->title << ": " << result->failure << '\n';
        for (const Comparison& c : result->comparisons) {
            if (c.withinTolerance())
                continue;
            out << "quarlo_verify: " << result->title << ": " << c.quantity << ": expected "
                << quantityText(c.expected, c.unit) << ", computed " << quantityText(c.computed, c.unit)
                << ", relative difference " << ratioText(c.relativeDifference()) << " beyond the tolerance "
                << ratioText(c.tolerance) << '\n';
        }
    }
}

}  // namespace quarlo::verification
