// The progress lines that the phases write to the log, by which a user or a developer follows a
// parse that went wrong.
#include <gtest/gtest.h>

#include <algorithm>

#include "ParserFixture.h"
#include "base/Text.h"
#include "parser/Phases.h"

using namespace quorl;
using V = std::vector<std::string>;

class PhaseLog : public ptest::ParserTest {
protected:
    // The log lines written since the log was this long, without their time stamps, that are one
    // of the given lines, in log order.
    V LogLinesAmong(const V& wanted, size_t since) {
        V out;
        for (const std::string& l : SplitLines(LogText().substr(since))) {
            const std::string text = l.size() > 14 && l[2] == ':' ? l.substr(14) : l;
            if (std::find(wanted.begin(), wanted.end(), text) != wanted.end()) out.push_back(text);
        }
        return out;
    }
};

TEST_F(PhaseLog, FamilyTellsWhereTheFamilyCameFrom) {
    AddFamily("Fagaceae", {{"Quercus", {"alba"}}});
    Def(fFamily).Minimum = 0;
    Def(fFamily).Maximum = 50;
    const V progress = {"Start Family", "Family 1", "Family Not Found", "Family Found", "Family 2", "End Family"};
    const struct {
        const char* label;
        const char* defaultFamily;
        V lines;
        V log;
    } cases[] = {
        {"the default", "Fagaceae", {"x", "y"},
         {"Start Family", "Family 1", "Family Found", "Family 2", "End Family"}},
        {"a family line", "", {"x", "Fagaceae"},
         {"Start Family", "Family 1", "Family Not Found", "Family Found", "Family 2", "End Family"}},
        {"genus and species", "", {"Quercus alba", "y"},
         {"Start Family", "Family 1", "Family Not Found", "Family 2", "End Family"}},
        {"nothing", "", {"x", "y"}, {"Start Family", "Family 1", "Family Not Found", "Family 2", "End Family"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const size_t since = LogText().size();
        Def(fFamily).Default = c.defaultFamily;
        SetLines(c.lines);
        s.parser.ChosenFamilyIndex = 0;
        Run(FamilyPhase);
        EXPECT_EQ(LogLinesAmong(progress, since), c.log);
    }
}

// A default family is taken from no line: the analyze mode says so, and no line is its own.
TEST_F(PhaseLog, DefaultFamilyIsFoundInNoLine) {
    AddFamily("Fagaceae", {{"Quercus", {"alba"}}});
    Def(fFamily).Default = "Fagaceae";
    SetLines({"x", "y"});
    s.trace.Trace = true;
    s.trace.TraceField = fFamily;
    Run(FamilyPhase);
    EXPECT_EQ(s.trace.TraceText, "Found \"Fagaceae as Default or Preserved\r\n.");
    EXPECT_EQ(s.parser.Owner(0), 0);
}
