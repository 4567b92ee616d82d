#pragma once
// Reading the values the record writers and learning take from the main window: a field by its
// number (the first edit, memo or list carrying the field's Tag) and a single box by its name.
#include <string>
#include <string_view>

namespace quorl {

class Session;

// Text of the first edit, memo or list whose Tag is the field, untrimmed; "" when there is none.
std::string ReadFieldText(const Session& s, int field);

// Text of the named control; "" when the main window has no such control.
std::string BoxText(const Session& s, std::string_view name);

// Puts text into the named box (runs the box's change handler like any code change).
void SetBoxText(Session& s, std::string_view name, const std::string& text);

}  // namespace quorl
