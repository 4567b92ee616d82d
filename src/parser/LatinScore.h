#pragma once
// How much a text looks like Latin plant names: letter groups typical of scientific names add
// their weights, commas add, digits subtract. Also the letter classes of the name scores.
#include <array>
#include <cstdint>
#include <string_view>

#include "model/Records.h"

namespace quorl {

constexpr int kLatinGroupCount = 84;
// The letter groups in the order they are tested, followed by the end mark "END" (weight 0).
extern const std::array<LatinClass, kLatinGroupCount + 1> LatinWeights;

int32_t LatinScore(std::string_view text);

inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace quorl
