#include "placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace spindex::ui {

Placement placeWindow(const QRect& available, const QMargins& frame, const QSize& wanted) {
    const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(0, 0));
    const QSize size = wanted.boundedTo(room);
    const QSize outer = size.grownBy(frame);
    return {size, QPoint(available.left() + std::max(0, (available.width() - outer.width()) / 2),
                         available.top() + std::max(0, (available.height() - outer.height()) / 2))};
}

QMargins windowFrame(QWidget& window) {
    window.winId(); // makes the platform window
    QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    const bool framed = !(window.windowFlags() & Qt::FramelessWindowHint) && window.windowType() != Qt::SplashScreen;
    if (framed && frame.isNull()) {
        const QStyle* style = window.style();
        const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, style->pixelMetric(QStyle::PM_TitleBarHeight), border, border);
    }
    return frame;
}

void applyPlacement(QWidget& window, const Placement& placement, const QMargins& frame) {
    // The content's own rectangle: a position given before the window manager has framed the window
    // is taken as the content's, whatever frame follows.
    window.setGeometry(QRect(placement.framePoint + QPoint(frame.left(), frame.top()), placement.size));
}

bool keepFrameOnScreen(QWidget& window) {
    const QWindow* handle = window.windowHandle();
    const QScreen* screen = window.screen();
    if (!handle || !screen || !window.isVisible() || handle->frameMargins().isNull())
        return false;
    const QMargins frame = handle->frameMargins();
    const QRect area = screen->availableGeometry();
    if (!area.contains(window.geometry().marginsAdded(frame)))
        applyPlacement(window, placeWindow(area, frame, window.size()), frame);
    return true;
}

QScreen* openOnScreen(QWidget& window, const QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window.setScreen(screen);
    return screen;
}

} // namespace spindex::ui
