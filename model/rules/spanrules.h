#pragma once

// The span and drive-count rules: one row per controller group and RAID level.

#include <string>
#include <vector>

#include "rules/catalogue.h"

namespace spindex {

enum class SpanList { Single, Short, Long };

struct SpanRule {
    RuleGroup group;
    std::vector<std::string> levels; // RAID level texts the row matches
    bool showSpanLabel;
    SpanList spans;
    int drivesFrom, drivesTo; // drives list, in steps of 1
    int drivesSelected;       // position preselected in the drives list
};

// The first row for the group whose levels hold the text, or nothing.
const SpanRule* findSpanRule(RuleGroup group, const std::string& raidLevel);

// The entries of a span list, ascending.
std::vector<std::string> spanEntries(SpanList list);

} // namespace spindex
