#pragma once

// The program's pictures: the application icon and the splash screen's logo, a stack of three
// disks in the blue of the first RAID set. Both are drawn from their outlines at the size and
// device pixel ratio they are shown at, so they stay sharp on any screen.

#include <QIcon>
#include <QPixmap>

namespace spindex::ui {

// The disk stack as an icon of any size.
QIcon applicationIcon();
// The disk stack, size logical pixels square, drawn for a screen of the device pixel ratio.
QPixmap diskStackPixmap(int size, qreal devicePixelRatio = 1);

} // namespace spindex::ui
