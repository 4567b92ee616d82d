#include "model/Records.h"

namespace quorl {

const std::array<std::string, kFieldNameCount> FieldNames = {
    "Collector", "Collection Number", "Other Collectors", "Collection Date", "Family", "Genus",
    "Species", "Rank", "SubSp", "Scientific Name", "Associated Species", "Description",
    "Location", "Habitat", "Country", "State", "County", "Elevation", "Latitude/Longitude",
    "Herbarium", "Phenology", "Determiner", "Determined Date", "Accession", "Notes", "Township",
    "Range", "Section", "Section Info", "Barcode", "", "", "", "", "", "", "", "", "", ""};

bool AnsiStringLess(const CountryClass& a, const CountryClass& b) {
    // std::string compares through char_traits<char>, which compares bytes as unsigned char.
    return a.Name.compare(b.Name) < 0;
}

}  // namespace quorl
