#include "placement.h"

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
    if (framed && frame.isNull())
        frame = QMargins(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    return frame;
}

} // namespace spindex::ui
