// Channel storage and drive slots.

#include "appinfo.h"
#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/numbers.h"
#include "runtime/program.h"

namespace spindex {

void MainForm::CalcSlots() {
    MaxSlots = 0;
    for (int i = 0; i < Channels; ++i) {
        std::int16_t& slots = program.ChannelSlots[i];
        if (cmbStorageSel[i].enabled) {
            const int entry = cmbStorageSel[i].listIndex();
            if (entry >= 0)
                slots = static_cast<std::int16_t>(storageList()[entry].slotCount);
            MaxSlots = static_cast<std::int16_t>(MaxSlots + slots);
        } else {
            slots = 0;
        }
    }
    const double inUse = parseNumber(txtSumTotals[3].text()).value_or(0);
    if (inUse > MaxSlots) {
        program.host.messageBox("Your Selection is being rolled back.  You have " + txtSumTotals[3].text() +
                                    " drives configured and your selection only allows " + std::to_string(MaxSlots) +
                                    " drives",
                                MsgButtons::Ok, MsgIcon::None, appinfo::Title);
        for (int i = 0; i < Channels; ++i)
            cmbStorageSel[i].setListIndex(program.LastStorageSel[i]);
    } else {
        for (int i = 0; i < Channels; ++i)
            program.LastStorageSel[i] = static_cast<std::int16_t>(cmbStorageSel[i].listIndex());
    }
    txtDisplayMaxDrives.setText("Maximum low profile drives slots = " + std::to_string(MaxSlots));
    // Every tick, every controller set-up and the load end here, so the hidden count of channels in
    // use that the report lists is never stale.
    CountChannelsUsed();
}

void MainForm::cmbStorageSel_Click(int) {
    CalcSlots();
}

void MainForm::ckChanUsed_Click(int index) {
    cmbStorageSel[index].enabled = ckChanUsed[index].value() != 0;
    CalcSlots();
    if (parseNumber(txtSumTotals[3].text()).value_or(0) > MaxSlots)
        ckChanUsed[index].setValue(1);
}

} // namespace spindex
