#pragma once

// Everything that differs from one controller model to the next, as data.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/limits.h"

namespace spindex {

// The groups by which the span and drive-count rules differ.
enum class RuleGroup { Standard, Wide, FibreChannel, Osprey };

struct ControllerRecord {
    std::int16_t id;
    std::string selectionText; // entry of the selection window's list
    std::string menuCaption;   // Controller menu item
    std::string label;         // caption of lblController
    int channels;              // usable channel rows, always the first ones
    // Storage entry the set-up selects per usable channel; nothing keeps the channel's entry.
    std::array<std::optional<int>, Channels> storagePreset;
    bool presetAfterChannels; // the preset is selected after all usable channels are ticked
    std::vector<std::string> raidLevels;
    std::optional<int> maxDrivesTop; // cmbMaxDrives "1".."top" after the set-up; none leaves the rules' list
    int maxDrivesSelected;           // entry selected in that list
    RuleGroup rules;
    bool spanFactorCountsSpans;           // logical drives needed per set: one per span, or one per set
    bool spannedSetsReserveLogicalDrives; // RAID 10/30/50 with 2 to 4 spans take further tabs
    // Most drives one set of a level limited to them may have (RaidLevel::limitedToControllerDrives).
    std::optional<int> setDriveLimit;
};

const std::vector<ControllerRecord>& controllerCatalogue();
// id 1 to ControllerModels; anything else gives nothing.
const ControllerRecord* findController(int id);
// The controller of a selection list entry; nothing for a text that is no entry.
const ControllerRecord* findControllerNamed(const std::string& selectionText);

// The drive sizes a set or a spare can have, smallest first, and the heights each is made in: the
// smallest only as a low-profile drive, the largest only as a half-height one.
struct DriveSize {
    std::string text; // entry of the size lists
    bool halfHeight;  // made as a half-height drive
    bool lowProfile;  // made as a low-profile drive
};
const std::vector<DriveSize>& driveSizes();
// The size of that entry text; nothing for another text (an empty list selection).
const DriveSize* findDriveSize(const std::string& text);

// Drive slots a drive takes: a half-height drive fills one and a half low-profile slots.
inline double slotUnits(bool halfHeight) {
    return halfHeight ? 1.5 : 1;
}

struct StorageEntry {
    std::string text;
    int slotCount;
};
const std::vector<StorageEntry>& storageList();

} // namespace spindex
