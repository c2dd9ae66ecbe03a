#pragma once

// "Logical Drive Display": the configuration report as positioned text. The model lays the report
// out (text, position in twips, size, emphasis); this window only turns twips into pixels, picks
// the fixed-pitch font and draws. Printing draws the same lines again on the printer, so the page
// gets sharp text instead of a screen image.

#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

#include "formwindow.h"
#include "outputforms.h"

class QAction;
class QByteArray;
class QPaintDevice;

namespace spindex::ui {

class ReportWindow : public FormWindow {
    Q_OBJECT
public:
    ReportWindow(Session& session, spindex::ReportForm& form, QWidget* parent = nullptr);

    // One line of the report as it is drawn: top-left corner in the device's pixels, the font and
    // the visible text (carriage returns, which only move the position, removed).
    struct DrawnLine {
        QPoint topLeft;
        QFont font;
        QString text;
    };
    // The lines as drawn on this window.
    const std::vector<DrawnLine>& drawnLines() const { return m_drawn; }

    void refresh() override;
    void print(QPainter& painter) override;
    // The report as a PDF document: the same drawing as the printout, on an A4 page, its fonts
    // embedded.
    QByteArray pdf();
    // "Save as PDF...": asks for the file and writes the PDF there; a failure is reported to the user.
    void savePdf();

    // The report's font at a size, as both the window and the printout use it.
    static QFont reportFont(int points, bool emphasis);
    static constexpr int AreaWidth = 10920; // twips
    static constexpr int AreaHeight = 10305;

private:
    std::vector<DrawnLine> layOut(const QPaintDevice& device) const;
    static void paintLines(QPainter& painter, const QPaintDevice& device, const std::vector<DrawnLine>& lines);

    friend class ReportArea;
    spindex::ReportForm& m_report;
    QWidget* m_area = nullptr;
    std::vector<std::pair<QAction*, spindex::MenuItem*>> m_actions;
    std::vector<DrawnLine> m_drawn;
};

} // namespace spindex::ui
