#pragma once
// The phases of the label parser, in the order FillLabelChunks runs them, and the score of the
// coordinate extractor that the scoring pass uses. Each phase writes its own
// opening log line ("Start Family", ...) and works on the per-label state in the Session.
//
// The driver calls:
//   FamilyPhase
//   GenusPhase      only when familyFound and not genusAndSpeciesFound
//   SpeciesPhase    only when genusFound
//   RankPhase       only when speciesChosen; then found is cleared
//   CountryPhase
//   StatePhase      only when countryFound
//   CountyPhase     (also Township, Range, Section, Section Info and Barcode)
//   HerbariumPhase, LatLongPhase, ElevationPhase, CustomFieldsPhase, DeterminerPhase,
//   CollectorPhase, AgainCollectionNumberPhase, AssociatedSpeciesPhase,
//   DescriptionLocationHabitatPhase, SecondDatePhase, DateCleanupPhase
// A phase with a condition of its own beyond these (the again-collection-number phase runs only
// when the number is still empty, ...) checks it itself.
#include <cstdint>
#include <string>

namespace quorl {

class Session;

// Results the plant-name and place phases hand to the phases after them within one parse.
struct PhaseState {
    bool found = false;                 // found flag of the running phase
    bool familyFound = false;
    bool genusAndSpeciesFound = false;  // the family phase found genus and species in the first lines
    bool genusFound = false;            // the genus phase found a genus
    bool speciesChosen = false;         // a species was chosen (family or species phase)
    int familyIndex = -1;
    bool countryFound = false;
    int countryIndex = -1;
    bool stateFound = false;
    int stateIndex = -1;
};

void FamilyPhase(Session& s, PhaseState& ps);                     // "Start Family"
void GenusPhase(Session& s, PhaseState& ps);                      // "Start Genus"
void SpeciesPhase(Session& s, PhaseState& ps);                    // "Start Species"
void RankPhase(Session& s, PhaseState& ps);                       // rank and subspecies
void CountryPhase(Session& s, PhaseState& ps);                    // "Start Country"
void StatePhase(Session& s, PhaseState& ps);                      // "Start States"
void CountyPhase(Session& s, PhaseState& ps);                     // "Start County/Parish"
void HerbariumPhase(Session& s, PhaseState& ps);                  // "Start Herbarium"
void LatLongPhase(Session& s, PhaseState& ps);                    // "Start LatLong"
void ElevationPhase(Session& s, PhaseState& ps);                  // "Start Elevation"
void CustomFieldsPhase(Session& s, PhaseState& ps);               // "Start Custom Fields"
void DeterminerPhase(Session& s, PhaseState& ps);                 // "Start Determiner"
void CollectorPhase(Session& s, PhaseState& ps);                  // "Start Collector"
void AgainCollectionNumberPhase(Session& s, PhaseState& ps);      // "Start Again Collection Number"
void AssociatedSpeciesPhase(Session& s, PhaseState& ps);          // "Start Associated Species"
void DescriptionLocationHabitatPhase(Session& s, PhaseState& ps); // "Start L/D/H"
void SecondDatePhase(Session& s, PhaseState& ps);                 // "Start Second Date"
void DateCleanupPhase(Session& s, PhaseState& ps);                // "Date Cleanup"

// Coordinate-likeness of a text (may be negative); added to every line's Latitude/Longitude score.
int32_t LatLongScore(Session& s, const std::string& text);

}  // namespace quorl
