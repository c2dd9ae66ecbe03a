#include "drivepictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstdio>

#include "outputs/outputforms.h"

namespace spindex::ui {

namespace {

// Colours of the sets' drives, in the order of the icon files (the files carry the same colours).
const std::array<QColor, 8> SetColours{QColor(40, 90, 230), QColor(220, 40, 40),  QColor(0, 140, 150),
                                       QColor(40, 170, 60), QColor(160, 60, 200), QColor(20, 30, 130),
                                       QColor(130, 10, 20), QColor(90, 20, 110)};

// Lightens (factor above 1) or darkens (below 1) a colour the way the icon files were shaded.
QColor shade(const QColor& colour, double factor) {
    auto channel = [factor](int c) {
        return factor >= 1 ? std::min(255, qRound(c + (255 - c) * (factor - 1))) : qRound(c * factor);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

// Says once per file and run that an icon could not be read, so that an incomplete installation
// shows up without flooding the terminal each time the graphic opens.
void reportUnreadable(const QString& path) {
    static QSet<QString> reported;
    if (reported.contains(path))
        return;
    reported.insert(path);
    const QString reason = QFileInfo::exists(path) ? "cannot be read" : "is missing";
    const QString message =
        QString("Spindex: the icon file %1 %2; the graphic draws a plain picture in its place.\n").arg(path, reason);
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

DrivePictures::DrivePictures(QString folder) : m_folder(std::move(folder)) {}

const QIcon* DrivePictures::icon(const std::string& file) {
    auto it = m_icons.find(file);
    if (it == m_icons.end()) {
        const QString path = m_folder + '/' + QString::fromStdString(file);
        QImageReader reader(path);
        QIcon icon;
        do {
            const QImage image = reader.read();
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
        } while (reader.jumpToNextImage());
        std::optional<QIcon> found;
        if (icon.availableSizes().isEmpty())
            reportUnreadable(path);
        else
            found = icon;
        it = m_icons.emplace(file, std::move(found)).first;
    }
    return it->second ? &*it->second : nullptr;
}

QIcon DrivePictures::setIcon(int set) {
    const auto& files = spindex::setIconFiles();
    if (const QIcon* found = icon(files.at(static_cast<size_t>(set))))
        return *found;
    QIcon drawn;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintDrive(painter, QRectF(0, 0, size, size), setColour(set));
        painter.end();
        drawn.addPixmap(pixmap);
    }
    return drawn;
}

QColor setColour(int set) {
    return SetColours.at(static_cast<size_t>(set));
}

// The drive is drawn on the 32 x 32 grid of the icon files: body in rows 8 to 23, columns 3 to 28,
// so that the cage's connectors meet its top and bottom edges.
void paintDrive(QPainter& painter, const QRectF& rect, const QColor& colour) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    painter.fillRect(QRectF(3, 8, 26, 16), shade(colour, 0.45));
    QLinearGradient face(0, 9, 0, 23);
    face.setColorAt(0, colour);
    face.setColorAt(1, shade(colour, 0.75));
    painter.fillRect(QRectF(4, 9, 24, 14), face);
    painter.fillRect(QRectF(4, 9, 24, 1), shade(colour, 1.55));
    painter.fillRect(QRectF(6, 14, 20, 1), shade(colour, 0.6));
    painter.fillRect(QRectF(6, 15, 20, 1), shade(colour, 1.3));
    painter.fillRect(QRectF(23, 19, 2, 2), QColor(120, 255, 120));
    painter.restore();
}

void paintEmptySlot(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 32.0, rect.height() / 32.0);
    const QColor frame(128, 128, 128);
    painter.fillRect(QRectF(3, 8, 26, 1), frame);
    painter.fillRect(QRectF(3, 23, 26, 1), frame);
    painter.fillRect(QRectF(3, 8, 1, 16), frame);
    painter.fillRect(QRectF(28, 8, 1, 16), frame);
    painter.fillRect(QRectF(5, 15, 22, 2), QColor(230, 0, 0));
    painter.restore();
}

void paintFallback(QPainter& painter, const QRectF& rect, const QString& file) {
    if (file == spindex::EmptySlotIcon) {
        paintEmptySlot(painter, rect);
        return;
    }
    const auto& files = spindex::setIconFiles();
    const auto it = std::find(files.begin(), files.end(), file.toStdString());
    paintDrive(painter, rect, it == files.end() ? DesignTimeGrey : setColour(static_cast<int>(it - files.begin())));
}

} // namespace spindex::ui
