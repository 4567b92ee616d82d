#include "base/NumberRange.h"

#include <algorithm>
#include <cmath>

namespace quorl {

std::optional<long long> WholeMeasurement(long double value) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxWholeMeasurement) return std::nullopt;
    return static_cast<long long>(value);
}

int ClampFieldLineLimit(int limit) { return std::clamp(limit, -kMaxFieldLineLimit, kMaxFieldLineLimit); }

}  // namespace quorl
