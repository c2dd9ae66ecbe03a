// The totals row: drives, usable capacity, channels in use and slot units of the whole configuration.

#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/numbers.h"

namespace spindex {

namespace {
double numberIn(const TextBox& box) {
    return parseNumber(box.text()).value_or(0);
}
} // namespace

double MainForm::setSlotUnits() const {
    double slots = 0;
    for (int t = 0; t < Sets; ++t) {
        if (tabDrives(t).text().empty())
            continue;
        const double drives = numberIn(tabDrives(t)) * numberIn(tabSpans(t)) + numberIn(tabSpareCount(t));
        slots += slotUnits(tabHalfHeight(t)) * drives;
    }
    return slots;
}

void MainForm::CountChannelsUsed() {
    int used = 0;
    for (const CheckBox& box : ckChanUsed)
        used += box.value() != 0 ? 1 : 0;
    txtSumTotals[2].setText(std::to_string(used));
}

void MainForm::CalcTotals() {
    double drives = 0;
    double capacity = 0;
    for (int t = 0; t < Sets; ++t) {
        if (!tabDrives(t).text().empty())
            drives += numberIn(tabDrives(t)) * numberIn(tabSpans(t)) + numberIn(tabSpareCount(t));
        if (!tabCapacity(t).text().empty())
            capacity += numberIn(tabCapacity(t));
    }
    const double globalSpares = numberIn(Text2);
    txtSumTotals[0].setText(formatNumber(drives + globalSpares));
    txtSumTotals[1].setText(formatNumber(capacity));
    CountChannelsUsed();
    txtSumTotals[3].setText(formatNumber(setSlotUnits() + slotUnits(globalHalfHeight()) * globalSpares));
    LPSlotsUsed = numberIn(txtSumTotals[3]);
}

} // namespace spindex
