// The totals row: drives, usable capacity and slot units of the whole configuration.

#include "mainform.h"
#include "numbers.h"

namespace spindex {

namespace {
double numberIn(const TextBox& box) {
    return parseNumber(box.text()).value_or(0);
}
} // namespace

double MainForm::setSlotUnits() const {
    double slots = 0;
    for (int t = 0; t < Sets; ++t) {
        if (field(t, 1).text().empty())
            continue;
        const double drives =
            numberIn(field(t, 1)) * numberIn(field(t, 2)) + numberIn(txtLocSpr[static_cast<size_t>(2 * t)]);
        slots += (tabHalfHeight(t) ? 1.5 : 1) * drives;
    }
    return slots;
}

void MainForm::CalcTotals() {
    double drives = 0;
    double capacity = 0;
    for (int t = 0; t < Sets; ++t) {
        if (!field(t, 1).text().empty())
            drives += numberIn(field(t, 1)) * numberIn(field(t, 2)) + numberIn(txtLocSpr[static_cast<size_t>(2 * t)]);
        if (!field(t, 4).text().empty())
            capacity += numberIn(field(t, 4));
    }
    const double globalSpares = numberIn(Text2);
    const double globalUnits = globalHalfHeight() ? 1.5 : 1;
    txtSumTotals[0].setText(formatNumber(drives + globalSpares));
    txtSumTotals[1].setText(formatNumber(capacity));
    txtSumTotals[3].setText(formatNumber(setSlotUnits() + globalUnits * globalSpares));
    LPSlotsUsed = numberIn(txtSumTotals[3]);
}

} // namespace spindex
