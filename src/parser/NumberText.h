#pragma once
// Removal of the numbers that stand at the ends of a name taken from a label line
// ("12 J. Smith 45)" gives "J. Smith ").
#include <string>

namespace quorl {

std::string CleanNumberText(const std::string& text);

}  // namespace quorl
