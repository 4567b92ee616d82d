// Placeholder until the phase is written: it only reports that it ran.
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void CountryPhase(Session& s, PhaseState&) { WriteToLog(s, "Start Country"); }

}  // namespace quorl
