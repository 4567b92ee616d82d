// Placeholder until the phase is written: rank and subspecies have no opening log line.
#include "model/Session.h"
#include "parser/Phases.h"

namespace quorl {

void RankPhase(Session&, PhaseState&) {}

}  // namespace quorl
