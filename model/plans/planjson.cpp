#include "plans/planjson.h"

#include "analysis/analysis.h"
#include "proposal/bom.h"
#include "runtime/jsonnumber.h"
#include "summary/summary.h"

namespace spindex {

using Json = nlohmann::ordered_json;

namespace {
Json optionalText(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}
} // namespace

Json planJson(const Plan& plan) {
    Json json;
    json["format"] = "spindex-plan";
    json["version"] = 1;
    json["controller"] = plan.controller;
    json["rules"] = plan.rules;
    Json& channels = json["channels"] = Json::array();
    for (const PlanChannel& channel : plan.channels)
        channels.push_back({{"used", channel.used}, {"storage", channel.storage}});
    Json& sets = json["sets"] = Json::array();
    for (const PlanSet& set : plan.sets)
        sets.push_back({{"level", set.level},
                        {"drives", set.drives},
                        {"spans", set.spans},
                        {"driveSize", set.driveSize},
                        {"height", set.height},
                        {"localSpare", set.localSpare},
                        {"capacityGB", set.capacityGB ? jsonNumber(*set.capacityGB) : Json(nullptr)}});
    if (const auto& spares = plan.globalSpares)
        json["globalSpares"] = {
            {"count", spares->count}, {"driveSize", optionalText(spares->driveSize)}, {"height", spares->height}};
    else
        json["globalSpares"] = nullptr;
    if (const auto& calc = plan.calculator)
        json["calculator"] = {{"level", calc->level},         {"drives", calc->drives}, {"spans", calc->spans},
                              {"driveSize", calc->driveSize}, {"height", calc->height}, {"sets", calc->sets}};
    json["assumptions"] = assumptionsJson(plan.assumptions);
    Json prices = Json::object();
    for (const auto& [item, price] : plan.proposal.prices)
        prices[item] = jsonNumber(price);
    json["proposal"] = {{"customer", plan.proposal.customer},
                        {"preparedBy", plan.proposal.preparedBy},
                        {"currency", plan.proposal.currency},
                        {"prices", std::move(prices)}};
    return json;
}

Json driveTypesJson(const std::vector<DriveType>& types) {
    Json list = Json::array();
    for (const DriveType& type : types) {
        Json heights = Json::array();
        if (type.halfHeight)
            heights.push_back(HalfHeight);
        if (type.lowProfile)
            heights.push_back(LowProfile);
        Json entry = {{"size", type.size}, {"heights", std::move(heights)}};
        for (const DriveFigure& figure : driveFigures())
            if (const std::optional<double>& value = type.*figure.value)
                entry[figure.key] = jsonNumber(*value);
        list.push_back(std::move(entry));
    }
    return list;
}

Json savedPlanJson(const MainForm& main) {
    const Plan plan = capturePlan(main);
    Json json = planJson(plan);
    json["summary"] = summaryJson(main);
    json["analysis"] = analysisJson(planAnalysis(main));
    json["bom"] = bomJson(billOfMaterials(plan));
    json["driveTypes"] = driveTypesJson(plan.driveTypes);
    return json;
}

std::string planFileText(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string compactJson(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace spindex
