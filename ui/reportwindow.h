#pragma once

// "Logical Drive Display": the configuration report as positioned text. The model lays the report
// out (text, position in twips, size, emphasis); this window only turns twips into pixels, picks
// the platform's fixed-pitch font and shows each line as selectable text on a page of the model's
// size, which scrolls when the screen is smaller. Ctrl+C copies a selected piece of a line, or else
// the whole report as the text export writes it. Printing draws the same lines again on the
// printer, so the page gets sharp text instead of a screen image.

#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

#include "formwindow.h"
#include "outputs/outputforms.h"

class QByteArray;
class QLabel;
class QPaintDevice;

namespace spindex::ui {

class ReportWindow : public FormWindow {
    Q_OBJECT
public:
    ReportWindow(WindowActions& actions, spindex::ReportForm& form, QWidget* owner = nullptr);

    // One line of the report as it is drawn: top-left corner in the device's pixels, the font and
    // the visible text (carriage returns, which only move the position, removed).
    struct DrawnLine {
        QPoint topLeft;
        QFont font;
        QString text;
    };
    // The lines as drawn on this window.
    const std::vector<DrawnLine>& drawnLines() const { return m_drawn; }
    // The text Ctrl+C puts on the clipboard: the selected piece of a line, or the whole report.
    QString copiedText() const;

    void print(QPainter& painter) override;
    // The report as a PDF document: the same drawing as the printout, on an A4 page, its fonts
    // embedded.
    QByteArray pdf();
    // "Save as PDF...": asks for the file and writes the PDF there; a failure is reported to the user.
    void savePdf();

    // The report's font at a size, as both the window and the printout use it.
    static QFont reportFont(int points, bool emphasis);

protected:
    void showModel(spindex::Form& form) override;

private:
    spindex::ReportForm* report() const { return static_cast<spindex::ReportForm*>(form()); }
    std::vector<DrawnLine> layOut(const QPaintDevice& device) const;
    static void paintLines(QPainter& painter, const QPaintDevice& device, const std::vector<DrawnLine>& lines);

    QWidget* m_area = nullptr;
    std::vector<DrawnLine> m_drawn;
    std::vector<QLabel*> m_lines; // the shown lines, in drawing order
};

} // namespace spindex::ui
