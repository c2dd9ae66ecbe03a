#include "reportdrawing.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "appinfo.h"
#include "outputs/outputforms.h"

namespace spindex::ui {

QFont reportFont(int points, bool emphasis) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    font.setBold(emphasis);
    return font;
}

std::vector<DrawnLine> layOutReport(const spindex::ReportForm& report, const QPaintDevice& device) {
    std::vector<DrawnLine> drawn;
    drawn.reserve(report.lines.size());
    for (const report::PrintedLine& line : report.lines) {
        QString text = QString::fromStdString(line.text);
        // A carriage return only moves the print position; it has no glyph of its own.
        text.remove(QLatin1Char('\r'));
        const QPoint topLeft(qRound(line.x * device.logicalDpiX() / 1440.0),
                             qRound(line.y * device.logicalDpiY() / 1440.0));
        drawn.push_back({topLeft, QFont(reportFont(line.size, line.emphasis), &device), text});
    }
    return drawn;
}

void paintReportLines(QPainter& painter, const QPaintDevice& device, const std::vector<DrawnLine>& lines) {
    for (const DrawnLine& line : lines) {
        if (line.text.isEmpty())
            continue;
        painter.setFont(line.font);
        // Positions are the top of the line; text is drawn from its baseline.
        const QFontMetrics metrics(line.font, &device);
        painter.drawText(line.topLeft + QPoint(0, metrics.ascent()), line.text);
    }
}

void printReport(const spindex::ReportForm& report, QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device)
        return;
    const std::vector<DrawnLine> lines = layOutReport(report, *device);
    const QRect page = painter.viewport();
    const double width = report.width * device->logicalDpiX() / 1440.0;
    const double height = report.height * device->logicalDpiY() / 1440.0;
    const double scale = std::min(page.width() / width, page.height() / height);
    painter.save();
    painter.scale(scale, scale);
    paintReportLines(painter, *device, lines);
    painter.restore();
}

QByteArray reportPdf(const spindex::ReportForm& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(report.caption));
        writer.setCreator(QString::fromUtf8(spindex::appinfo::Title));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        printReport(report, painter);
    }
    return bytes;
}

} // namespace spindex::ui
