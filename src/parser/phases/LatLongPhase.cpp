// Placeholder until the phase is written: it only reports that it ran.
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void LatLongPhase(Session& s, PhaseState&) { WriteToLog(s, "Start LatLong"); }

int32_t LatLongScore(Session&, const std::string&) { return 0; }

}  // namespace quorl
