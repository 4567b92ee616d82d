// Placeholder until the phase is written: it only reports that it ran.
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void ElevationPhase(Session& s, PhaseState&) { WriteToLog(s, "Start Elevation"); }

int32_t ElevationScore(Session&, int) { return 0; }

}  // namespace quorl
