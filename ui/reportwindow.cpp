#include "reportwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "controlbinder.h"
#include "runtime/program.h"
#include "windowactions.h"

namespace spindex::ui {

ReportWindow::ReportWindow(WindowActions& actions, spindex::ReportForm& form, QWidget* owner)
    : FormWindow(actions, form, owner) {
    m_area = new QWidget(this);
    m_area->setObjectName("ReportArea");
    m_area->setFixedSize(twipsX(form.width), twipsY(form.height));

    ControlBinder& bind = binder();
    QMenu* file = bind.menu(form.mnuP, *menuBar());
    for (spindex::MenuItem* item :
         {&form.mnuPrint, &form.mnuPrinterSetup, &form.mnuPtoFile, &form.mnuSavePdf, &form.mnuLine, &form.mnuClose})
        bind.menuItem(*item, *file);
    auto* copy = new QAction(this);
    copy->setObjectName("ReportCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(copiedText()); });
    addAction(copy);

    setScrolledContent(m_area, true);
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

void ReportWindow::showModel(spindex::Form&) {
    binder().refresh();
    m_drawn = report() ? layOutReport(*report(), *m_area) : std::vector<DrawnLine>();
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
    if (const spindex::ReportForm* shown = report())
        printReport(*shown, painter);
}

} // namespace spindex::ui
