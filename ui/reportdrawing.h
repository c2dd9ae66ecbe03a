#pragma once

// The configuration report drawn with QPainter: the model lays it out (text, position in twips, size,
// emphasis); this turns twips into the device's pixels and picks the platform's fixed-pitch font. The
// report window, its printout and its PDF all draw it this way. The PDF needs a QGuiApplication (for
// the fonts).

#include <QByteArray>
#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;
class QPaintDevice;

namespace spindex {
class ReportForm;
}

namespace spindex::ui {

// One line of the report as it is drawn: top-left corner in the device's pixels, the font and the
// visible text (carriage returns, which only move the position, removed).
struct DrawnLine {
    QPoint topLeft;
    QFont font;
    QString text;
};

// The report's font at a size, as the window, the printout and the PDF use it.
QFont reportFont(int points, bool emphasis);
std::vector<DrawnLine> layOutReport(const spindex::ReportForm& report, const QPaintDevice& device);
void paintReportLines(QPainter& painter, const QPaintDevice& device, const std::vector<DrawnLine>& lines);
// The report's drawing area at its true size on the painter's device, enlarged or reduced to fill
// the page.
void printReport(const spindex::ReportForm& report, QPainter& painter);
// The report as a PDF document: the printout's drawing on an A4 page, its fonts embedded.
QByteArray reportPdf(const spindex::ReportForm& report);

} // namespace spindex::ui
