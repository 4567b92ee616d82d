#pragma once
// The label lines that the country, state and county searches pass over: a herbarium's or an
// institution's name ("The New York Botanical Garden", "University of Texas Herbarium") names the
// place of the institution, not the place where the plant was collected.
namespace quorl {

class Session;

// Marks (ParserState::PlacePassOver) the lines the herbarium phase will take and the lines that
// name a botanical garden, herbarium, museum, university or institute (in English, Spanish or
// French). When every line of the label would be marked, none is. The state and county searches
// never read a marked line; the country search reads them when no other line names a country.
void MarkPlaceLinesPassedOver(Session& s);

}  // namespace quorl
