// Hot spares and the per-set drive height.
//
// A spare takes slot units like any drive (1.5 for a half-height one), and no spare may ever push
// the slots in use past MaxSlots: every way of adding one checks the exact units first.

#include <algorithm>
#include <optional>

#include "appinfo.h"
#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

namespace {
constexpr int MostGlobalSpares = 4;

// The global spare count a text stands for: a whole number written in digits, of any length and
// with or without leading zeros ("0003" is 3), the empty text while typing being 0. Any count above
// the most allowed is given as one more than that, however many digits it has. Nothing for a text
// that is not a count (letters, signs, fractions, blanks).
std::optional<int> countOf(const std::string& text) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    if (text.size() - first > 1)
        return MostGlobalSpares + 1;
    return std::min(text[first] - '0', MostGlobalSpares + 1);
}
} // namespace

void MainForm::optLocHotSpr_Click(int index) {
    const int t = index / 2;
    const bool yes = &optLocHotSpr[index] == &tabSpareOption(t, true);
    if (yes) {
        if (tabDriveSize(t).text().empty()) {
            tabSpareOption(t, false).setValue(true);
            return;
        }
        if (!m_movingSets && LPSlotsUsed + slotUnits(tabHalfHeight(t)) > MaxSlots) {
            program.host.messageBox("No Free Drives to add a spare", MsgButtons::Ok, MsgIcon::None, appinfo::Title);
            tabSpareOption(t, false).setValue(true);
            return;
        }
        tabSpareCount(t).setText("1");
        tabSpareSize(t).setText(tabDriveSize(t).text());
    } else {
        tabSpareCount(t).setText("0");
        tabSpareSize(t).setText("");
    }
    CalcTotals();
}

void MainForm::optGlobHotSpr_Click(int index) {
    if (index == 1) {
        cmbGlobalHotSpareSize.setListIndex(-1);
        Text2.setText("0");
        Text2.enabled = false;
        return;
    }
    if (LPSlotsUsed > MaxSlots - 1) {
        program.host.messageBox("No Free Drives to add a spare", MsgButtons::Ok, MsgIcon::None, appinfo::Title);
        optGlobHotSpr[1].setValue(true);
        return;
    }
    double largest = 0;
    for (int t = 0; t < Sets; ++t)
        if (const auto size = parseNumber(tabDriveSize(t).text()))
            largest = std::max(largest, roundHalfEven(*size));
    const auto& sizes = cmbGlobalHotSpareSize.items();
    for (size_t i = 0; i < sizes.size(); ++i) {
        cmbGlobalHotSpareSize.setListIndex(static_cast<int>(i));
        if (largest == 0 || roundHalfEven(parseNumber(sizes[i]).value_or(0)) == largest)
            break;
    }
    Text2.enabled = true;
    Text2.setText("1");
}

bool MainForm::checkGlobalSpareCount(double count) {
    const double units = slotUnits(globalHalfHeight());
    const double others = setSlotUnits();
    if (count == 0 || others + count * units <= MaxSlots)
        return true;
    program.host.messageBox("Too many total drives, choose less drives", MsgButtons::Ok, MsgIcon::None, appinfo::Title);
    if (others + units <= MaxSlots)
        Text2.setText("1");
    else
        optGlobHotSpr[1].setValue(true);
    return false;
}

void MainForm::Text2_Change() {
    const std::string text = Text2.text();
    const std::optional<int> count = countOf(text);
    if (!count) {
        // Letters, signs and fractions are not a count: the last valid count comes back.
        Text2.setText(m_lastGlobalCount);
        return;
    }
    if (*count > MostGlobalSpares) {
        Text2.setText(std::to_string(MostGlobalSpares));
        return;
    }
    if (!checkGlobalSpareCount(*count))
        return;
    m_lastGlobalCount = text;
    CalcTotals();
}

void MainForm::optGlobHotSpH_Click(int index) {
    // A spare size not made in the height clicked takes the other height.
    if (const std::optional<DriveSize> size = driveSizeOf(cmbGlobalHotSpareSize.text())) {
        if (index == 0 && !size->halfHeight)
            optGlobHotSpH[1].setValue(true);
        else if (index == 1 && !size->lowProfile)
            optGlobHotSpH[0].setValue(true);
    }
    // A new size or height changes the units of the spares already counted.
    if (optGlobHotSpr[0].value()) {
        const std::string text = Text2.text();
        if (const std::optional<int> count = countOf(text); count && checkGlobalSpareCount(*count))
            CalcTotals();
    }
}

void MainForm::optLogDriveH_Click(int index) {
    if (!LogDrvHUser) {
        LogDrvHUser = True;
        return;
    }
    // The height of a set stays as it was added: the user's click is undone.
    const int t = SSTab1.tab();
    const bool clickedHalfHeight = &optLogDriveH[index] == &tabHeightOption(t, true);
    LogDrvHUser = False;
    tabHeightOption(t, !clickedHalfHeight).setValue(true);
    LogDrvHUser = True;
}

} // namespace spindex
