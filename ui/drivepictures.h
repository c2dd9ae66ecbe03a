#pragma once

// The pictures of the RAID sets' drives and of the empty slot, as the graphic's slot icons and the
// main window's tabs show them: the icon files of the program, in every size a file carries, so
// that the picture stays sharp at any scale; a file that cannot be read is drawn in code instead.

#include <QColor>
#include <QIcon>
#include <QString>
#include <map>
#include <optional>
#include <string>

class QPainter;
class QRectF;

namespace spindex::ui {

class DrivePictures {
public:
    // The folder the icon files are read from.
    explicit DrivePictures(QString folder);

    // Every image of the icon file; null when the file cannot be read (said once on standard error).
    const QIcon* icon(const std::string& file);
    // The picture of set k's drives for a small place, from its file or drawn in code.
    QIcon setIcon(int set);

private:
    QString m_folder;
    std::map<std::string, std::optional<QIcon>> m_icons;
};

// The colour of set k's drives, as its icon file shows it.
QColor setColour(int set);
// Paints a drive box in the colour into the rectangle, as the icon files show one; also the grey
// design-time drive and the stand-in for a set icon that could not be read.
void paintDrive(QPainter& painter, const QRectF& rect, const QColor& colour);
// Paints the free-slot picture: an empty bay with a red line.
void paintEmptySlot(QPainter& painter, const QRectF& rect);
// The stand-in for a picture file that could not be read.
void paintFallback(QPainter& painter, const QRectF& rect, const QString& file);
inline const QColor DesignTimeGrey(160, 160, 160);

} // namespace spindex::ui
