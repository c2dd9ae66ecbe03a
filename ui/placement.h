#pragma once

// Where a window opens: its whole frame, title bar included, inside the screen's available area and
// centred on it.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace spindex::ui {

struct Placement {
    QSize size;        // of the window's content, without its frame
    QPoint framePoint; // the frame's top-left corner
};

// The wanted content size, cut down so that the content and its frame fit the available area, and
// the frame centred in it.
Placement placeWindow(const QRect& available, const QMargins& frame, const QSize& wanted);

// The frame the window system puts around the window: known once the window exists, or, with a
// window manager that frames it only when it is shown, not before; until then a framed window keeps
// room for a title bar and a border. Creates the window's platform window.
QMargins windowFrame(QWidget& window);

// The screen a window opens on: its owner's, else the one under the mouse, else the primary one;
// the window is moved to it. Null only without any screen.
QScreen* openOnScreen(QWidget& window, const QWidget* owner);

// Gives the window the placement's size and puts its frame, as large as given, at the placement's
// corner.
void applyPlacement(QWidget& window, const Placement& placement, const QMargins& frame);

// Once the window is shown and framed: a window whose frame does not lie within the available area
// of its screen is placed again with its true frame. False while the frame is not known yet.
bool keepFrameOnScreen(QWidget& window);

} // namespace spindex::ui
