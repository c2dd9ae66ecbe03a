#include "rules/spanrules.h"

#include <algorithm>

namespace spindex {

namespace {
using enum RuleGroup;
using enum SpanList;

const std::vector<SpanRule>& spanRules() {
    static const std::vector<SpanRule> rules{
        {Standard, {"0"}, false, Single, 1, 8, 7},
        {Standard, {"1"}, false, Single, 2, 2, 0},
        {Standard, {"10"}, true, Short, 2, 2, 0},
        {Standard, {"5", "3"}, false, Single, 3, 8, 5},
        {Standard, {"50", "30"}, true, Short, 3, 8, 5},
        {Wide, {"0"}, false, Single, 1, 14, 11},
        {Wide, {"1"}, false, Single, 2, 2, 0},
        {Wide, {"10"}, true, Short, 2, 2, 0},
        {Wide, {"5"}, false, Single, 3, 14, 9},
        {Wide, {"50"}, true, Short, 3, 14, 9},
        {FibreChannel, {"0"}, false, Single, 1, 8, 7},
        {FibreChannel, {"1"}, false, Single, 2, 2, 0},
        {FibreChannel, {"0+1"}, true, Short, 2, 8, 0},
        {FibreChannel, {"5", "3"}, false, Single, 3, 8, 5},
        {FibreChannel, {"50", "30"}, true, Short, 3, 8, 5},
        {Osprey, {"0"}, false, Single, 1, 48, 11},
        {Osprey, {"1"}, false, Single, 2, 2, 0},
        {Osprey, {"10"}, true, Long, 2, 2, 0},
        {Osprey, {"5", "3"}, false, Single, 3, 16, 9},
        {Osprey, {"50", "30"}, true, Long, 3, 16, 9},
    };
    return rules;
}
} // namespace

const SpanRule* findSpanRule(RuleGroup group, const std::string& raidLevel) {
    for (const SpanRule& rule : spanRules())
        if (rule.group == group && std::find(rule.levels.begin(), rule.levels.end(), raidLevel) != rule.levels.end())
            return &rule;
    return nullptr;
}

std::vector<std::string> spanEntries(SpanList list) {
    switch (list) {
    case Single:
        return {"1"};
    case Short:
        return {"2", "3", "4"};
    case Long: {
        std::vector<std::string> entries;
        for (int s = 2; s <= 16; ++s)
            entries.push_back(std::to_string(s));
        return entries;
    }
    }
    return {};
}

} // namespace spindex
