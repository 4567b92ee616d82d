#pragma once
// Township, range and section of the land survey on a label (T17S, Twp. 5N, Rge 10 E, Sec,33
// SE1/4 of NW 1/4): numbers and direction letters that look like coordinates and are none.
#include <string>

namespace quorl {

// Blanks out every township, range and section with its number, and every quarter call
// (SE1/4, NW 1/4, SE¼), in place, so that the characters around them keep their positions:
// - the word T, Twp or Township, R, Rge or Range, Sec or Section (T and R in capitals only, the
//   others in any case), then perhaps dots, commas and blanks, and a number that no degree sign
//   or decimal part follows;
// - after a township's or range's number, its direction letter (Range needs an E or W, for a
//   mountain range is followed by a distance: "Front Range 2 miles N.W.");
// - after a section's number, its quarter calls, or its quarter letters alone where no number
//   follows them ("Sec 13 SW", but "sec. 22 N 29 37" keeps the N of the latitude);
// - quarter calls anywhere, joined by "of" ("SE1/4 of NW 1/4").
// The degree, quarter and half signs are read as the single bytes of the one-byte view (0xB0,
// 0xBC, 0xBD); UTF-8 text is blanked all the same, its signs only go unseen. Returns which of
// township, range and section were found.
constexpr int kTownship = 1, kRange = 2, kSection = 4;
int BlankLandSurvey(std::string& t);

}  // namespace quorl
