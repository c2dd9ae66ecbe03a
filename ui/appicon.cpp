#include "appicon.h"

#include <QHash>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPair>

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

// The stack of three disks in the square.
void drawStack(QPainter& painter, const QRectF& square) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = std::min(square.width(), square.height());
    painter.translate(square.center() - QPointF(size / 2, size / 2));
    const qreal margin = size * 0.06;
    const qreal width = size - 2 * margin;
    const qreal lid = width * 0.34;
    const qreal height = (size - 2 * margin - lid) / 3;
    for (int i = 2; i >= 0; --i)
        drawDisk(painter, QRectF(margin, margin + i * height, width, height + lid), lid);
    painter.restore();
}

// Draws the stack for every size and pixel ratio asked for, once per size: the window system asks
// for seven sizes for every window.
class DiskStackEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override { drawStack(*painter, rect); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        static QHash<QPair<int, int>, QPixmap> drawn;
        const QPair<int, int> key(size.width(), size.height());
        if (const auto it = drawn.constFind(key); it != drawn.constEnd())
            return *it;
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        drawn.insert(key, pixmap);
        return pixmap;
    }
    QIconEngine* clone() const override { return new DiskStackEngine; }
    QString key() const override { return QStringLiteral("spindex-disk-stack"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24),   QSize(32, 32),  QSize(48, 48),
                QSize(64, 64), QSize(128, 128), QSize(256, 256)};
    }
};

} // namespace

QPixmap diskStackPixmap(int size, qreal devicePixelRatio) {
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        drawStack(painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon applicationIcon() {
    return QIcon(new DiskStackEngine);
}

} // namespace spindex::ui
