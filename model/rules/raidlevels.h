#pragma once

// One record per RAID level: what a set of that level holds, survives, reserves, costs on a write,
// reads on a rebuild and how it loses data. Every rule that depends on the level reads it here.

#include <string>

namespace spindex {

// Usable capacity of a set of D drives per span, S spans, drives of C GB.
enum class CapacityRule {
    AllDrives,        // D x C
    DriveSizeText,    // the drive size text itself (a mirror holds one drive)
    AllButOne,        // (D - 1) x C
    OnePerSpan,       // S x C
    AllButOnePerSpan, // (S x D - S) x C
    HalfOfAll,        // D x S x C / 2
};

// How many drive failures a set survives.
enum class Survives {
    None,             // 0
    AllButOne,        // D - 1: a mirror loses all its copies but one
    One,              // 1: one parity drive, or one failed side of a mirror
    AllButOnePerSpan, // S x (D - 1): each mirrored span keeps one drive
    OnePerSpan,       // S: one parity drive in each span
    HalfOfAll,        // (D x S) / 2, whole part: one whole side of the mirror
};

// Drives read to rebuild one failed drive.
enum class RebuildReads {
    Nothing,      // nothing to rebuild from
    OthersInSpan, // D - 1: the parity group's other drives
    LastCopy,     // 1 for a pair, 0 while another copy is left
    OtherHalf,    // n / 2: the whole surviving side
};

// Mean time to data loss from a second failure during the repair.
enum class MttdlForm {
    AnyDrive,       // M / n
    AllCopies,      // M^D / (S x D! x R^(D-1))
    TwoInGroup,     // M^2 / (D (D - 1) R)
    TwoInAnySpan,   // M^2 / (S D (D - 1) R)
    TwoOnOtherSide, // M^2 / (n (n / 2) R)
};

// Drive I/Os a write costs, or the drives that carry a stream, in terms of D, S and n = D x S.
enum class Count {
    One,           // 1
    Two,           // 2
    Four,          // 4
    DrivesPerSpan, // D
    Spans,         // S
    AllDrives,     // n
    DataDrives,    // n - S
    HalfOfAll,     // n / 2
};

struct RaidLevel {
    const char* text;
    CapacityRule capacity;
    // The controller's limit on the drives of one set applies (controllerDriveLimit in the catalogue).
    bool limitedToControllerDrives;
    Survives survivesAtLeast; // whichever drives fail
    Survives survivesAtMost;  // when the failures fall where they do least harm
    // Each span beyond the first takes a further logical drive where the controller reserves them.
    bool spansReserveLogicalDrives;
    Count writePenalty;
    RebuildReads rebuildReads;
    MttdlForm mttdl;
    Count readGain;
    Count writeGain;
};

// The record of a level text, or nothing for another text.
const RaidLevel* findRaidLevel(const std::string& text);

double count(Count rule, double D, double S);
int failures(Survives rule, double D, double S);

} // namespace spindex
