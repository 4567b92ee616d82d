#pragma once
// The main window's "Check Configuration" command: six checks of the user's settings and learnt
// lists in a fixed order, each reported in its own Yes/No question that offers its repair, and
// "Complete." at the end.
namespace quorl {

class Session;

void EvaluateConfiguration(Session& s);

}  // namespace quorl
