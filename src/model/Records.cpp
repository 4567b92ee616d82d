#include "model/Records.h"

namespace quorl {

const std::array<std::string, kFieldNameCount> FieldNames = {
    "Collector", "Collection Number", "Other Collectors", "Collection Date", "Family", "Genus",
    "Species", "Rank", "SubSp", "Scientific Name", "Associated Species", "Description",
    "Location", "Habitat", "Country", "State", "County", "Elevation", "Latitude/Longitude",
    "Herbarium", "Phenology", "Determiner", "Determined Date", "Accession", "Notes", "Township",
    "Range", "Section", "Section Info", "Barcode", "", "", "", "", "", "", "", "", "", ""};

}  // namespace quorl
