#include "reportwindow.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "appinfo.h"
#include "session.h"

namespace spindex::ui {

// The drawing area: draws what the window laid out, nothing else.
class ReportArea : public QWidget {
public:
    explicit ReportArea(ReportWindow& window) : QWidget(&window), m_window(window) {
        setObjectName("ReportArea");
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        ReportWindow::paintLines(painter, *this, m_window.m_drawn);
    }

private:
    ReportWindow& m_window;
};

ReportWindow::ReportWindow(Session& session, spindex::ReportForm& form, QWidget* parent)
    : FormWindow(session, form, parent), m_report(form) {
    m_area = new ReportArea(*this);
    m_area->setFixedSize(twipsX(AreaWidth), twipsY(AreaHeight));
    setCentralWidget(m_area);

    QMenu* file = menuBar()->addMenu(QString::fromStdString(form.mnuP.caption));
    file->setObjectName(QString::fromStdString(form.mnuP.name));
    m_actions.emplace_back(file->menuAction(), &form.mnuP);
    for (spindex::MenuItem* item :
         {&form.mnuPrint, &form.mnuPrinterSetup, &form.mnuPtoFile, &form.mnuLine, &form.mnuClose}) {
        QAction* action = item->separator() ? file->addSeparator() : file->addAction(QString());
        action->setObjectName(QString::fromStdString(item->name));
        if (!item->separator())
            connect(action, &QAction::triggered, this,
                    [this, item] { m_session.act(m_form, [item] { item->userClick(); }); });
        m_actions.emplace_back(action, item);
    }
    // The PDF is drawn by this window, so its menu item belongs to the window, not to the report's
    // model; it stands with the other ways out, before the separator.
    auto* pdfAction = new QAction(tr("Save as PDF..."), file);
    pdfAction->setObjectName("mnuSavePdf");
    const auto separator =
        std::find_if(m_actions.begin(), m_actions.end(), [](const auto& entry) { return entry.second->separator(); });
    file->insertAction(separator == m_actions.end() ? nullptr : separator->first, pdfAction);
    connect(pdfAction, &QAction::triggered, this, [this] { savePdf(); });
}

QFont ReportWindow::reportFont(int points, bool emphasis) {
    QFont font("Courier");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(points);
    font.setBold(emphasis);
    return font;
}

std::vector<ReportWindow::DrawnLine> ReportWindow::layOut(const QPaintDevice& device) const {
    std::vector<DrawnLine> drawn;
    drawn.reserve(m_report.lines.size());
    for (const report::PrintedLine& line : m_report.lines) {
        QString text = QString::fromStdString(line.text);
        // A carriage return only moves the print position; it has no glyph of its own.
        text.remove(QLatin1Char('\r'));
        const QPoint topLeft(qRound(line.x * device.logicalDpiX() / 1440.0),
                             qRound(line.y * device.logicalDpiY() / 1440.0));
        drawn.push_back({topLeft, QFont(reportFont(line.size, line.emphasis), &device), text});
    }
    return drawn;
}

void ReportWindow::paintLines(QPainter& painter, const QPaintDevice& device, const std::vector<DrawnLine>& lines) {
    for (const DrawnLine& line : lines) {
        if (line.text.isEmpty())
            continue;
        painter.setFont(line.font);
        // Positions are the top of the line; text is drawn from its baseline.
        const QFontMetrics metrics(line.font, &device);
        painter.drawText(line.topLeft + QPoint(0, metrics.ascent()), line.text);
    }
}

void ReportWindow::refresh() {
    setWindowTitle(QString::fromStdString(m_form.caption));
    for (auto& [action, item] : m_actions) {
        if (!item->separator())
            action->setText(QString::fromStdString(item->caption));
        action->setEnabled(item->enabled);
        action->setVisible(item->visible);
    }
    m_drawn = layOut(*m_area);
    m_area->update();
}

void ReportWindow::print(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device)
        return;
    const std::vector<DrawnLine> lines = layOut(*device);
    // The drawing area at its true size on this device, enlarged or reduced to fill the page.
    const QRect page = painter.viewport();
    const double width = AreaWidth * device->logicalDpiX() / 1440.0;
    const double height = AreaHeight * device->logicalDpiY() / 1440.0;
    const double scale = std::min(page.width() / width, page.height() / height);
    painter.save();
    painter.scale(scale, scale);
    paintLines(painter, *device, lines);
    painter.restore();
}

QByteArray ReportWindow::pdf() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(m_form.caption));
        writer.setCreator(QString::fromUtf8(spindex::appinfo::Title));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        print(painter);
    }
    return bytes;
}

void ReportWindow::savePdf() {
    m_session.act(m_form, [this] {
        const std::optional<std::string> path = m_session.saveFileName("PDF Files (*.pdf)|*.pdf", "pdf");
        if (!path || path->empty())
            return;
        const QByteArray bytes = pdf();
        const std::string error =
            m_session.writeFile(*path, std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
        if (!error.empty())
            m_session.messageBox("Could not save the report to " + *path + ": " + error, spindex::MsgButtons::Ok,
                                 spindex::MsgIcon::Critical, spindex::appinfo::Title);
    });
}

} // namespace spindex::ui
