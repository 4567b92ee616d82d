#pragma once
// Bounds for numbers read from labels and files: a number far beyond anything real is refused or
// clamped where it is read, instead of overflowing in the arithmetic that follows.
#include <optional>

namespace quorl {

// Largest magnitude of a whole measurement taken from a label (an elevation in meters or feet):
// far beyond any real one, and far from the limits of long long.
constexpr long double kMaxWholeMeasurement = 1e15L;

// value, already rounded to a whole number, as long long; nullopt when it is not finite or its
// magnitude is beyond kMaxWholeMeasurement.
std::optional<long long> WholeMeasurement(long double value);

// Line limits of a field definition (Minimum, Maximum) are kept within this magnitude, so that
// a line number computed from them never overflows.
constexpr int kMaxFieldLineLimit = 1000000;
int ClampFieldLineLimit(int limit);

// A word's count in the learning statistics is kept between 0 and this, so that learning can go
// on adding to it; its values (per cent, or 0-255 in older files) between 0 and 255.
constexpr int kMaxWordCount = 1000000000;
constexpr int kMaxWordValue = 255;

}  // namespace quorl
