#pragma once
// Sizes and fonts of the main window's controls: scaling every control from its design position
// when the window is resized, and the font of the field controls chosen in the "Font" group.
namespace quorl {

class Session;

// Scales the controls to a window of width x height (the inner size). A size below the design
// size is set back to it (width and height are updated). Buttons, labels and group boxes get the
// font size trunc(4 * (x + y)) for the scale factors x and y, bold from 9 points on. Nothing
// happens before the design positions are recorded.
void FormResize(Session& s, int& width, int& height);

// Every edit, memo and list (also inside group boxes) gets the size in FontEdit, bold when
// BoldCheck is checked.
void SetFieldFont(Session& s);

}  // namespace quorl
