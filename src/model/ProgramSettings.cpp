#include "model/ProgramSettings.h"

#include "base/Text.h"
#include "model/Files.h"
#include "model/Session.h"

namespace quorl {

std::string ProgramSetting(Session& s, std::string_view key) {
    const std::string text = LoadFileToString(s, s.ProgramFile("Settings.txt"), false);
    for (std::string line : SplitLines(text)) {
        size_t tab = line.find('\t');
        if (tab == std::string::npos || Trim(std::string_view(line).substr(0, tab)) != key) continue;
        return Trim(std::string_view(line).substr(tab + 1));
    }
    return {};
}

}  // namespace quorl
