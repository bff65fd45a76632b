#pragma once

#include "Real.h"

#include <vector>

namespace quarlo {

// The bracket search shared by the depth lookups (settlement, modification factors): the
// first 1-based index k from 2 to n with X <= depths(k), or 0 when there is none.
inline int firstDepthAtOrBelow(const std::vector<Real>& depths, int n, Real X)
{
    for (int k = 2; k <= n; ++k) {
        if (X <= depths[k - 1])
            return k;
    }
    return 0;
}

}  // namespace quarlo
