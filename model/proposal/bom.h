#pragma once

// The bill of materials: what to order for a plan, derived from the plan alone at any moment, and
// priced from the plan's proposal. The controller first, then the enclosures of the channels in use,
// then one item per drive size and height, with the spares counted in.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "plans/plan.h"
#include "proposal/prices.h"

namespace spindex {

struct BomItem {
    std::string item;
    std::string kind; // "controller", "enclosure" or "drive"
    std::int64_t quantity = 0;
    std::optional<double> unitPrice;
    std::optional<double> price; // quantity × unit price
    bool operator==(const BomItem&) const = default;
};

struct BomTotal {
    double price = 0;     // the sum of the known prices
    bool complete = true; // every item has a price
    double usableGB = 0;  // the plan's usable capacity
    std::optional<double> costPerUsableTB;
};

struct Bom {
    std::string currency;
    std::vector<BomItem> items;
    BomTotal total;
};

// "36.4 GB low profile drive"
std::string driveItemName(const std::string& driveSize, const std::string& height);

Bom billOfMaterials(const Plan& plan);

// As `get PlanBom` prints it and the plan file's "bom" holds it.
nlohmann::ordered_json bomJson(const Bom& bom);

// RFC 4180 with CR LF: a header, a row per item, then the total.
std::string bomCsv(const Bom& bom);

} // namespace spindex
