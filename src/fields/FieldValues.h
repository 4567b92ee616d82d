#pragma once
// Single boxes of the main window by name, for the values that are parts of a field (degree,
// elevation, prefix and suffix boxes) or no field at all (the user box).
#include <string>
#include <string_view>

namespace quorl {

class Session;

// Text of the named control; "" when the main window has no such control.
std::string BoxText(const Session& s, std::string_view name);
// Selected item of the named list; -1 when none is selected or there is no such control.
int BoxItemIndex(const Session& s, std::string_view name);

// Puts text into the named box (runs the box's change handler like any code change).
void SetBoxText(Session& s, std::string_view name, const std::string& text);

}  // namespace quorl
