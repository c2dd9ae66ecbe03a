#pragma once

// The program's pictures: the application icon and the splash screen's logo, a stack of three
// disks in the blue of the first RAID set.

#include <QIcon>
#include <QPixmap>

namespace spindex::ui {

// The disk stack in the usual icon sizes.
QIcon applicationIcon();
// The disk stack, size pixels square.
QPixmap diskStackPixmap(int size);

} // namespace spindex::ui
