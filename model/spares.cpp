// Hot spares and the per-set drive height.
//
// A spare takes slot units like any drive (1.5 for a half-height one), and no spare may ever push
// the slots in use past MaxSlots: every way of adding one checks the exact units first.

#include <algorithm>

#include "appinfo.h"
#include "mainform.h"
#include "numbers.h"
#include "program.h"

namespace spindex {

namespace {
// A global spare count as the user may type it: the whole numbers 0 to 4 (larger ones are cut to 4
// by the caller), or the empty text while typing.
bool isCountText(const std::string& text) {
    return text.size() <= 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

void MainForm::optLocHotSpr_Click(int index) {
    const int t = index / 2;
    const auto u = static_cast<size_t>(2 * t);
    if (index % 2 == 0) {
        if (field(t, 3).text().empty()) {
            optLocHotSpr[u + 1].setValue(true);
            return;
        }
        const double units = tabHalfHeight(t) ? 1.5 : 1;
        if (!m_movingSets && LPSlotsUsed + units > MaxSlots) {
            program.host.messageBox("No Free Drives to add a spare", MsgButtons::Ok, MsgIcon::None, appinfo::Title);
            optLocHotSpr[u + 1].setValue(true);
            return;
        }
        txtLocSpr[u].setText("1");
        txtLocSpr[u + 1].setText(field(t, 3).text());
    } else {
        txtLocSpr[u].setText("0");
        txtLocSpr[u + 1].setText("");
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
        if (const auto size = parseNumber(field(t, 3).text()))
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
    const double units = globalHalfHeight() ? 1.5 : 1;
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
    if (!isCountText(text)) {
        // Letters, signs and fractions are not a count: the last valid count comes back.
        Text2.setText(m_lastGlobalCount);
        return;
    }
    const double count = text.empty() ? 0 : *parseNumber(text);
    if (count > 4) {
        Text2.setText("4");
        return;
    }
    if (!checkGlobalSpareCount(count))
        return;
    m_lastGlobalCount = text;
    CalcTotals();
}

void MainForm::optGlobHotSpH_Click(int index) {
    const std::string size = cmbGlobalHotSpareSize.text();
    if (index == 0 && size == "9.1")
        optGlobHotSpH[1].setValue(true);
    else if (index == 1 && size == "72.8")
        optGlobHotSpH[0].setValue(true);
    // A new size or height changes the units of the spares already counted.
    if (optGlobHotSpr[0].value()) {
        const std::string text = Text2.text();
        if (isCountText(text) && checkGlobalSpareCount(text.empty() ? 0 : *parseNumber(text)))
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
    LogDrvHUser = False;
    optLogDriveH[static_cast<size_t>(index == 2 * t ? 2 * t + 1 : 2 * t)].setValue(true);
    LogDrvHUser = True;
}

} // namespace spindex
