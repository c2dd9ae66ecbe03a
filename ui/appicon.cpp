#include "appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace spindex::ui {

namespace {

// One disk: a cylinder seen slightly from above.
void drawDisk(QPainter& painter, const QRectF& body, qreal lid) {
    QLinearGradient side(body.topLeft(), body.topRight());
    side.setColorAt(0, QColor(0x10, 0x30, 0x90));
    side.setColorAt(0.45, QColor(0x40, 0x70, 0xE0));
    side.setColorAt(1, QColor(0x10, 0x28, 0x80));
    painter.setPen(QPen(QColor(0x08, 0x18, 0x50), body.width() / 60));
    painter.setBrush(side);
    QPainterPath path;
    path.moveTo(body.left(), body.top() + lid / 2);
    path.lineTo(body.left(), body.bottom() - lid / 2);
    path.arcTo(QRectF(body.left(), body.bottom() - lid, body.width(), lid), 180, 180);
    path.lineTo(body.right(), body.top() + lid / 2);
    path.arcTo(QRectF(body.left(), body.top(), body.width(), lid), 0, 180);
    painter.drawPath(path);
    painter.setBrush(QColor(0x9C, 0xB8, 0xF4));
    painter.drawEllipse(QRectF(body.left(), body.top(), body.width(), lid));
    // The spindle.
    painter.setBrush(QColor(0x30, 0x50, 0xB0));
    const qreal hub = body.width() / 6;
    painter.drawEllipse(QRectF(body.center().x() - hub / 2, body.top() + lid / 2 - hub / 6, hub, hub / 3));
}

} // namespace

QPixmap diskStackPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size * 0.06;
    const qreal width = size - 2 * margin;
    const qreal lid = width * 0.34;
    const qreal height = (size - 2 * margin - lid) / 3;
    for (int i = 2; i >= 0; --i)
        drawDisk(painter, QRectF(margin, margin + i * height, width, height + lid), lid);
    return pixmap;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(diskStackPixmap(size));
    return icon;
}

} // namespace spindex::ui
