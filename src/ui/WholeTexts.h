#pragma once
// Tables whose columns are narrower than their texts: a cut header ends in an ellipsis, and a cut
// header or cell shows its whole text when the mouse rests on it. The user widens a column by
// dragging its header's edge.
#include <QString>

class QHeaderView;
class QTreeView;

namespace quorl {

// Gives the view a header and cells that do so; its columns keep their widths.
void ShowWholeTextsOnHover(QTreeView* view);

// The caption a header section draws: its whole text, or the start of it and an ellipsis (a header
// that ShowWholeTextsOnHover did not give draws the whole text, cut at the section's edge).
QString ShownCaption(const QHeaderView* header, int section);

}  // namespace quorl
