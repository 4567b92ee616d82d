// Placeholder until the phase is written: it only reports that it ran.
#include "model/Log.h"
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void AgainCollectionNumberPhase(Session& s, PhaseState&) { WriteToLog(s, "Start Again Collection Number"); }

}  // namespace quorl
