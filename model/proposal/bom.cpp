#include "proposal/bom.h"

#include <algorithm>
#include <cmath>

#include "runtime/jsonnumber.h"
#include "summary/summarycsv.h"

namespace spindex {

using Json = nlohmann::ordered_json;

namespace {
// Adds the quantity to the item of that name, or appends the item: items keep their first appearance.
void count(std::vector<BomItem>& items, const std::string& name, const char* kind, std::int64_t quantity) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const BomItem& i) { return i.item == name; });
    if (it != items.end())
        it->quantity += quantity;
    else
        items.push_back({name, kind, quantity, std::nullopt, std::nullopt});
}

Json optionalNumber(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : Json(nullptr);
}

std::string optionalPrice(const std::optional<double>& value) {
    return value ? priceText(*value) : std::string();
}
} // namespace

std::string driveItemName(const std::string& driveSize, const std::string& height) {
    return driveSize + " GB " + height + " drive";
}

Bom billOfMaterials(const Plan& plan) {
    Bom bom;
    bom.currency = plan.proposal.currency;
    bom.items.push_back({plan.controller, "controller", 1, std::nullopt, std::nullopt});
    for (const PlanChannel& channel : plan.channels)
        if (channel.used)
            count(bom.items, channel.storage, "enclosure", 1);
    for (const PlanSet& set : plan.sets)
        count(bom.items, driveItemName(set.driveSize, set.height), "drive",
              set.drives * set.spans + (set.localSpare ? 1 : 0));
    if (const auto& spares = plan.globalSpares; spares && spares->driveSize && spares->count > 0)
        count(bom.items, driveItemName(*spares->driveSize, spares->height), "drive", spares->count);

    // Summed in whole cents, so that the total is the sum a customer adds up.
    std::int64_t cents = 0;
    for (BomItem& item : bom.items) {
        const auto price = plan.proposal.prices.find(item.item);
        if (price == plan.proposal.prices.end()) {
            bom.total.complete = false;
            continue;
        }
        item.unitPrice = price->second;
        const std::int64_t itemCents = std::llround(price->second * 100) * item.quantity;
        item.price = static_cast<double>(itemCents) / 100;
        cents += itemCents;
    }
    bom.total.price = static_cast<double>(cents) / 100;
    for (const PlanSet& set : plan.sets)
        bom.total.usableGB += set.capacityGB.value_or(0);
    if (bom.total.complete && bom.total.usableGB > 0)
        bom.total.costPerUsableTB = bom.total.price / (bom.total.usableGB / 1000);
    return bom;
}

Json bomJson(const Bom& bom) {
    Json items = Json::array();
    for (const BomItem& i : bom.items)
        items.push_back({{"item", i.item},
                         {"kind", i.kind},
                         {"quantity", i.quantity},
                         {"unitPrice", optionalNumber(i.unitPrice)},
                         {"price", optionalNumber(i.price)}});
    const BomTotal& t = bom.total;
    return {{"currency", bom.currency},
            {"items", std::move(items)},
            {"total",
             {{"price", jsonNumber(t.price)},
              {"complete", t.complete},
              {"usableGB", jsonNumber(t.usableGB)},
              {"costPerUsableTB", optionalNumber(t.costPerUsableTB)}}}};
}

std::string bomCsv(const Bom& bom) {
    std::string csv = csvRow({"Item", "Kind", "Quantity", "Unit Price", "Price"});
    for (const BomItem& i : bom.items)
        csv += csvRow({i.item, i.kind, std::to_string(i.quantity), optionalPrice(i.unitPrice), optionalPrice(i.price)});
    return csv + csvRow({"Total", "", "", "", priceText(bom.total.price)});
}

} // namespace spindex
