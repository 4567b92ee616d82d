#pragma once
// Positions in an inner text (UTF-8 bytes, any line end) and in the same text as a text widget
// holds it (UTF-16 code units, one LF for every line end: CR LF, LF or a lone CR).
#include <cstddef>
#include <string_view>

namespace quorl {

// The byte offset in inner of the widget position (clamped to the text; a position inside a
// character or a line end is taken to its start).
size_t InnerOffsetOf(std::string_view inner, size_t widgetPos);
// The widget position of a byte offset in inner (clamped; inside a character: its start).
size_t WidgetOffsetOf(std::string_view inner, size_t innerPos);

}  // namespace quorl
