#pragma once

// Every layout the calculator offers for the drive size and height now chosen in it: each RAID
// level of the list, each number of spans the calculator offers for it and each number of drives,
// except those the calculator refuses with a message. They are found by setting the calculator of
// a scratch program that holds the same plan, so the running program never changes while the list
// is made, and whether one fits is what "Add to Next Available RAID Set" would decide there.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "mainform/mainform.h"

namespace spindex {

struct Layout {
    std::string level;
    int drives = 0; // per span
    int spans = 0;
    double usableGB = 0; // as the calculator shows it
    double efficiency = 0;
    int survivesAtLeast = 0;
    int survivesAtMost = 0;
    // For a new set without a local spare, covered by the global spares as they are now.
    double lossProbability = 0;
    double mixedIops = 0;
    double slotUnits = 0;
    bool fits = false;
    MainForm::AddRefusal refusal = MainForm::AddRefusal::None; // what Add would lack
};

// In the calculator's order: level, then spans ascending, then drives ascending.
std::vector<Layout> alternatives(const MainForm& main);

// "5 12x1", "50 6x2".
std::string layoutName(const Layout& layout);
// Why Add would refuse the layout now, for people; empty when it fits.
std::string refusalText(const Layout& layout);
nlohmann::ordered_json alternativesJson(const std::vector<Layout>& layouts);

// Sets the calculator to the layout through the user's own picks, in an order that never holds
// more drives on the way than the controller allows, so no message comes up unless the layout itself
// is refused. False when the lists do not offer it.
bool chooseLayout(MainForm& main, const std::string& level, int drives, int spans);

} // namespace spindex
