#pragma once
// Latitude and longitude on a label: how much a text looks like coordinates, and the extractor
// that cuts degrees, minutes, seconds and hemisphere letters out of a text into the eight
// coordinate controls of the main window.
#include <string>
#include <string_view>

namespace quorl {

class Session;

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // "°" in UTF-8

// 'N', 'S', 'E' or 'W' (capitals only).
bool IsCompassLetter(char c);
// 3 when the letter stands next to a number as a hemisphere letter does, else 0.
int CompassLetterScore(std::string_view text, char letter);
// Coordinate-likeness of a text; may be negative.
int LatLongScore(std::string_view text);

// Writes one coordinate: the latitude controls for hemisphere "N" or "S", else the longitude ones.
void SetLatLongFields(Session& s, const std::string& degrees, const std::string& minutes,
                      const std::string& seconds, const std::string& hemisphere);

// 1 when the text was accepted as coordinates (whether or not a group was written), else 0.
int ParseLatLong(Session& s, std::string_view text);

}  // namespace quorl
