#pragma once
// Writing the place tree back to CountryList.txt: every level sorted by name, one country per
// line, its states after TABs and each state's counties after commas, boxes where they are set.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// A bound in the shortest decimal form that reads back as the same 32-bit value: 29.378,
// -179.147, 10.
std::string FormatRegionBound(float value);

// "(MinLat/MaxLat/MinLong/MaxLong)" when any of the four bounds is non-zero, else "": a box on the
// equator or the prime meridian keeps its zero bound.
std::string FormatRegionBounds(const CountryClass& node);

// Sorts countries, the states of each and the counties of each state by name in byte order;
// places of the same name keep their order. True when any order changed.
bool SortCountryList(std::vector<CountryClass>& list);

// The file text of a list as it stands (no sorting). A state without name, box or counties (what a
// country line without states reads as) is not written.
std::string CountryListText(const std::vector<CountryClass>& list);

// The notes for boxes whose minimum lies above their maximum, in file order:
// "Note!  <name> Min Lat greater than Max Lat." and the same for Min Long.
std::vector<std::string> RegionBoundsNotes(const std::vector<CountryClass>& list);

}  // namespace quorl
