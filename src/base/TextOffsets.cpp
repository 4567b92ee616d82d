#include "base/TextOffsets.h"

#include "base/Encoding.h"

namespace quorl {

namespace {

// Walks inner one character (or line end) at a time, with its widget length, until stop says so.
// Returns the byte offset where it stopped; units receives the widget position there.
template <class Stop>
size_t Walk(std::string_view inner, size_t& units, Stop stop) {
    size_t i = 0;
    units = 0;
    while (i < inner.size()) {
        size_t bytes, width = 1;
        if (inner[i] == '\r' && i + 1 < inner.size() && inner[i + 1] == '\n') {
            bytes = 2;
        } else {
            char32_t cp;
            bytes = NextCodePoint(inner, i, cp);
            if (cp >= 0x10000) width = 2;  // a surrogate pair
        }
        if (stop(i, bytes, units, width)) break;
        i += bytes;
        units += width;
    }
    return i;
}

}  // namespace

size_t InnerOffsetOf(std::string_view inner, size_t widgetPos) {
    size_t units;
    return Walk(inner, units, [&](size_t, size_t, size_t u, size_t width) { return u + width > widgetPos; });
}

size_t WidgetOffsetOf(std::string_view inner, size_t innerPos) {
    size_t units;
    Walk(inner, units, [&](size_t i, size_t bytes, size_t, size_t) { return i + bytes > innerPos; });
    return units;
}

}  // namespace quorl
