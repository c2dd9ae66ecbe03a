#include "reportwindow.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "appinfo.h"
#include "controlbinder.h"
#include "runtime/program.h"
#include "runtime/savefile.h"
#include "windowactions.h"

namespace spindex::ui {

ReportWindow::ReportWindow(WindowActions& actions, spindex::ReportForm& form, QWidget* owner)
    : FormWindow(actions, form, owner) {
    m_area = new QWidget(this);
    m_area->setObjectName("ReportArea");
    m_area->setFixedSize(twipsX(form.width), twipsY(form.height));

    ControlBinder& bind = binder();
    QMenu* file = bind.menu(form.mnuP, *menuBar());
    QAction* line = nullptr;
    for (spindex::MenuItem* item :
         {&form.mnuPrint, &form.mnuPrinterSetup, &form.mnuPtoFile, &form.mnuLine, &form.mnuClose}) {
        QAction* action = bind.menuItem(*item, *file);
        if (item->separator() && !line)
            line = action;
    }
    // The PDF is drawn by this window, so its menu item belongs to the window, not to the report's
    // model; it stands with the other ways out, before the separator.
    auto* pdfAction = new QAction(tr("Save as PDF..."), file);
    pdfAction->setObjectName("mnuSavePdf");
    file->insertAction(line, pdfAction);
    connect(pdfAction, &QAction::triggered, this, [this] { savePdf(); });

    auto* copy = new QAction(this);
    copy->setObjectName("ReportCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(copiedText()); });
    addAction(copy);

    setScrolledContent(m_area, true);
}

QFont ReportWindow::reportFont(int points, bool emphasis) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    font.setBold(emphasis);
    return font;
}

QString ReportWindow::copiedText() const {
    for (const QLabel* line : m_lines)
        if (line->hasFocus() && line->hasSelectedText())
            return line->selectedText();
    const spindex::ReportForm* shown = report();
    if (!shown)
        return QString();
    QString text;
    for (const std::string& line : shown->text)
        text += QString::fromStdString(line) + '\n';
    return text;
}

std::vector<ReportWindow::DrawnLine> ReportWindow::layOut(const QPaintDevice& device) const {
    std::vector<DrawnLine> drawn;
    const spindex::ReportForm* shown = report();
    if (!shown)
        return drawn;
    drawn.reserve(shown->lines.size());
    for (const report::PrintedLine& line : shown->lines) {
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

void ReportWindow::showModel(spindex::Form&) {
    binder().refresh();
    m_drawn = layOut(*m_area);
    // Each line is a label of its own at its place: it can be selected and copied like any text
    // of the platform, and read out by assistive tools in drawing order.
    while (m_lines.size() > m_drawn.size()) {
        delete m_lines.back();
        m_lines.pop_back();
    }
    while (m_lines.size() < m_drawn.size()) {
        auto* label = new QLabel(m_area);
        label->setObjectName("ReportLine");
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(0, 0, 0, 0);
        label->setMargin(0);
        label->setIndent(0);
        label->show();
        m_lines.push_back(label);
    }
    for (size_t i = 0; i < m_drawn.size(); ++i) {
        QLabel* label = m_lines[i];
        const DrawnLine& line = m_drawn[i];
        label->setFont(line.font);
        label->setText(line.text);
        label->setVisible(!line.text.isEmpty());
        label->adjustSize();
        label->move(line.topLeft);
    }
}

void ReportWindow::print(QPainter& painter) {
    const spindex::ReportForm* shown = report();
    QPaintDevice* device = painter.device();
    if (!shown || !device)
        return;
    const std::vector<DrawnLine> lines = layOut(*device);
    // The drawing area at its true size on this device, enlarged or reduced to fill the page.
    const QRect page = painter.viewport();
    const double width = shown->width * device->logicalDpiX() / 1440.0;
    const double height = shown->height * device->logicalDpiY() / 1440.0;
    const double scale = std::min(page.width() / width, page.height() / height);
    painter.save();
    painter.scale(scale, scale);
    paintLines(painter, *device, lines);
    painter.restore();
}

QByteArray ReportWindow::pdf() {
    QByteArray bytes;
    const spindex::ReportForm* shown = report();
    if (!shown)
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(shown->caption));
        writer.setCreator(QString::fromUtf8(spindex::appinfo::Title));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        print(painter);
    }
    return bytes;
}

void ReportWindow::savePdf() {
    spindex::ReportForm* shown = report();
    if (!shown)
        return;
    m_actions.act(*shown, [this, shown] {
        saveChosenFile(shown->program.host, "PDF Files (*.pdf)|*.pdf", "pdf", "report", [this] {
            const QByteArray bytes = pdf();
            return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
        });
    });
}

} // namespace spindex::ui
