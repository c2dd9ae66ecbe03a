#pragma once

// What every controller model shares: four storage channels, at most eight logical drives (the RAID
// sets, one tab each), and eight models to choose from.

namespace spindex {

inline constexpr int Channels = 4;
inline constexpr int LogicalDrives = 8;
inline constexpr int ControllerModels = 8;

} // namespace spindex
