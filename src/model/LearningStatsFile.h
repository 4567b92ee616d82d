#pragma once
// WordStats.txt and NameStats.txt of the user folder: the learnt word statistics (with their word
// pairs) and the known person names.
#include <string>
#include <vector>

#include "model/Records.h"

namespace quorl {

class Session;

// Empties WordStats and NameStats and loads both files. A missing file gives the learning-file
// message and empty statistics; unreadable lines are skipped with one message per file and kept to
// be written back byte for byte, whatever their encoding (Session::WordStatsUnread, NameStatsUnread,
// BayesClass::UnreadLine); those of a UTF-16 file go back as UTF-8 text, like the rest of it.
void LoadLearningStats(Session& s);

// The text of WordStats.txt: word TAB count TAB and the Description, Location and Habitat values
// each followed by TAB; with followers, a "," and the same five values per follower; CR LF. A word
// read from a line it could not read whole is that line as it stood.
std::string WordStatsText(const std::vector<BayesClass>& words, bool withFollowers);
// The text of NameStats.txt: each name followed by CR LF.
std::string NameStatsText(const std::vector<std::string>& names);

// Replace the user's files, with the lines their load could not read written back after the
// entries. The learning step writes the followers; the editors do not.
bool SaveWordStats(Session& s, bool withFollowers);
bool SaveNameStats(Session& s);

}  // namespace quorl
