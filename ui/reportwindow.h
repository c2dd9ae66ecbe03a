#pragma once

// "Logical Drive Display": the configuration report as positioned text. The model lays the report
// out (text, position in twips, size, emphasis); this window only turns twips into pixels, picks
// the platform's fixed-pitch font and shows each line as selectable text on a page of the model's
// size, which scrolls when the screen is smaller. Ctrl+C copies a selected piece of a line, or else
// the whole report as the text export writes it. Printing draws the same lines again on the
// printer, so the page gets sharp text instead of a screen image.

#include <QString>
#include <vector>

#include "formwindow.h"
#include "outputs/outputforms.h"
#include "reportdrawing.h"

class QLabel;

namespace spindex::ui {

class ReportWindow : public FormWindow {
    Q_OBJECT
public:
    ReportWindow(WindowActions& actions, spindex::ReportForm& form, QWidget* owner = nullptr);

    // The lines as drawn on this window.
    const std::vector<DrawnLine>& drawnLines() const { return m_drawn; }
    // The text Ctrl+C puts on the clipboard: the selected piece of a line, or the whole report.
    QString copiedText() const;

    void print(QPainter& painter) override;

protected:
    void showModel(spindex::Form& form) override;

private:
    spindex::ReportForm* report() const { return static_cast<spindex::ReportForm*>(form()); }

    QWidget* m_area = nullptr;
    std::vector<DrawnLine> m_drawn;
    std::vector<QLabel*> m_lines; // the shown lines, in drawing order
};

} // namespace spindex::ui
