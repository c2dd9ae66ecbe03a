#include "mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controlbinder.h"
#include "recentplans.h"
#include "session.h"
#include "summary.h"

namespace spindex::ui {

namespace {

// Result and total boxes are short numbers; they need not stretch with the window.
void numberBox(QLineEdit& box, int width = 80) {
    box.setFixedWidth(width);
    box.setAlignment(Qt::AlignRight);
}

// A control that comes and goes at run time keeps its place, so the window does not jump.
void keepPlace(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch)
        layout->addStretch();
    return holder;
}

} // namespace

MainWindow::MainWindow(Session& session, spindex::MainForm& form)
    : FormWindow(session, form), m_main(form), m_binder(new ControlBinder(session, form, *this)) {
    menus(*menuBar());

    // Three columns over the full-width table of logical drives: the channels, the calculator with
    // the controller's name under it, and the totals with the global hot spare that they count.
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(calculator());
    QLabel* controller = m_binder->label(form.lblController);
    QFont bold = controller->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    controller->setFont(bold);
    controller->setStyleSheet(QStringLiteral("color: #0000C0;"));
    controller->setAlignment(Qt::AlignCenter);
    middle->addWidget(controller);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(totals());
    right->addWidget(globalSpare());
    right->addStretch();

    grid->addWidget(channels(), 0, 0, Qt::AlignTop);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->addWidget(logicalDrives(), 1, 0, 1, 3);
    grid->addWidget(commands(), 2, 0, 1, 3);
    grid->setRowStretch(1, 1);
    setCentralWidget(central);

    // The plan summary in one line under the window's own controls.
    m_summaryLine = new QLabel(this);
    m_summaryLine->setObjectName("summaryLine");
    m_summaryLine->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(m_summaryLine, 1);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::refresh() {
    m_binder->refresh();
    m_summaryLine->setText(QString::fromStdString(spindex::summaryStatusLine(spindex::planSummary(m_main))));
    showRecentPlans();
}

QWidget* MainWindow::channels() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* frame = m_binder->frame(m_main.Frame5);
    auto* rows = new QGridLayout(frame);
    rows->setVerticalSpacing(4);
    for (int i = 0; i < spindex::MainForm::Channels; ++i) {
        rows->addWidget(m_binder->checkBox(m_main.ckChanUsed[i]), i, 0);
        QComboBox* storage = m_binder->list(m_main.cmbStorageSel[i]);
        rows->addWidget(storage, i, 1);
    }
    rows->setColumnStretch(1, 1);
    column->addWidget(frame);

    QLabel* caption = m_binder->label(m_main.lblDispalyMaxDrives);
    QLineEdit* total = m_binder->textBox(m_main.txtDisplayMaxDrives);
    column->addWidget(caption);
    column->addWidget(total);
    column->addWidget(m_binder->label(m_main.lblRule));
    return area;
}

QWidget* MainWindow::totals() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        QLabel* caption = m_binder->label(m_main.Label11[i]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* box = m_binder->textBox(m_main.txtSumTotals[i]);
        numberBox(*box, 64);
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 1);
    }
    grid->setColumnStretch(0, 1);
    return area;
}

QWidget* MainWindow::calculator() {
    spindex::MainForm& m = m_main;
    QGroupBox* frame = m_binder->frame(m.Frame1);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(10);
    int r = 0;
    auto addRow = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r, 1);
        ++r;
    };
    addRow(m_binder->label(m.Label2), m_binder->list(m.cmbRaidLevel));
    addRow(m_binder->label(m.Label1), m_binder->list(m.cmbMaxDrives));
    QLabel* spanCaption = m_binder->label(m.lblSpan);
    QComboBox* spans = m_binder->list(m.cmbNumSpans);
    spans->setToolTip(QString::fromUtf8(spindex::MainForm::SpanToolTip));
    keepPlace(*spanCaption);
    keepPlace(*spans);
    addRow(spanCaption, spans);
    addRow(m_binder->label(m.Label3), m_binder->list(m.cmbDriveSize));

    QGroupBox* height = m_binder->frame(m.frameDHCalc, false);
    auto* heights = new QHBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(m_binder->option(m.optDriveH[0]));
    heights->addWidget(m_binder->option(m.optDriveH[1]));
    heights->addStretch();
    grid->addWidget(height, r++, 0, 1, 2);

    addRow(m_binder->label(m.Label4), m_binder->list(m.cmbNumRdSets));
    addRow(m_binder->label(m.Label12), row(frame, {m_binder->option(m.Option5[0]), m_binder->option(m.Option5[1]),
                                                   m_binder->option(m.Option5[2])}));

    auto* rule = new QFrame(frame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, r++, 0, 1, 2);

    for (auto [caption, box] : {std::pair{&m.Label5, &m.TxtLogicalCap}, std::pair{&m.Label6, &m.TxtTotalCap},
                                std::pair{&m.Label13, &m.txtTotalDrives}}) {
        QLineEdit* field = m_binder->textBox(*box);
        numberBox(*field);
        addRow(m_binder->label(*caption), row(frame, {field}));
    }
    grid->addWidget(m_binder->button(m.CmdCalc), r++, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget* MainWindow::logicalDrives() {
    QTabWidget* tabs = m_binder->tabs(m_main.SSTab1);
    for (int t = 0; t < spindex::MainForm::Sets; ++t)
        logicalDrivePage(t, *tabs->widget(t));
    return tabs;
}

QWidget* MainWindow::logicalDrivePage(int t, QWidget& page) {
    spindex::MainForm& m = m_main;
    const auto u = static_cast<size_t>(t);
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(18);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    fields->setHorizontalSpacing(10);
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<size_t>(5 * t + k);
        fields->addWidget(m_binder->label(m.Label8[i]), k, 0);
        QLineEdit* field = m_binder->textBox(m.Text1[i]);
        numberBox(*field, 90);
        fields->addWidget(field, k, 1);
    }
    layout->addLayout(fields);
    layout->addWidget(m_binder->line(m.Line1[u], Qt::Vertical));
    QGroupBox* height = m_binder->frame(m.frameDH[u], false);
    auto* heights = new QVBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(m_binder->option(m.optLogDriveH[2 * u]));
    heights->addWidget(m_binder->option(m.optLogDriveH[2 * u + 1]));
    heights->addStretch();
    layout->addWidget(height);

    QGroupBox* spare = m_binder->frame(m.Frame2[u]);
    auto* grid = new QGridLayout(spare);
    grid->setVerticalSpacing(6);
    grid->addWidget(row(spare, {m_binder->option(m.optLocHotSpr[2 * u]), m_binder->option(m.optLocHotSpr[2 * u + 1])}),
                    0, 0, 1, 2);
    for (int k = 0; k < 2; ++k) {
        const auto i = 2 * u + static_cast<size_t>(k);
        grid->addWidget(m_binder->label(m.Label9[2 + i]), k + 1, 0);
        QLineEdit* box = m_binder->textBox(m.txtLocSpr[i]);
        numberBox(*box, 70);
        grid->addWidget(box, k + 1, 1);
    }
    grid->setRowStretch(3, 1);
    layout->addWidget(spare, 0, Qt::AlignTop);
    layout->addStretch(1);
    return &page;
}

QWidget* MainWindow::commands() {
    spindex::MainForm& m = m_main;
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 4, 0, 0);
    for (spindex::Button* b :
         {&m.cmdAddLogicals, &m.cmdClearOne, &m.cmdClearAll, &m.cmdDataReport, &m.cmdDisplayGraphic}) {
        QPushButton* button = m_binder->button(*b);
        button->setMinimumHeight(30);
        layout->addWidget(button, 1);
    }
    return area;
}

QWidget* MainWindow::globalSpare() {
    spindex::MainForm& m = m_main;
    QGroupBox* frame = m_binder->frame(m.Frame3);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(row(frame, {m_binder->option(m.optGlobHotSpr[0]), m_binder->option(m.optGlobHotSpr[1])}), 0, 0, 1,
                    4);
    QGroupBox* height = m_binder->frame(m.Frame4, false);
    auto* heights = new QHBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(m_binder->option(m.optGlobHotSpH[0]));
    heights->addWidget(m_binder->option(m.optGlobHotSpH[1]));
    heights->addStretch();
    grid->addWidget(height, 1, 0, 1, 4);
    grid->addWidget(m_binder->label(m.Label9[0]), 2, 0);
    QLineEdit* count = m_binder->textBox(m.Text2);
    numberBox(*count, 50);
    grid->addWidget(count, 2, 1);
    grid->addWidget(m_binder->label(m.Label9[1]), 2, 2, Qt::AlignRight);
    grid->addWidget(m_binder->list(m.cmbGlobalHotSpareSize), 2, 3);
    grid->setColumnStretch(2, 1);
    return frame;
}

void MainWindow::menus(QMenuBar& bar) {
    spindex::MainForm& m = m_main;
    QMenu* file = m_binder->menu(m.mnuFile, bar);
    m_binder->menuItem(m.mnuOpenPlan, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_binder->menuItem(m.mnuSavePlan, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_binder->menuItem(m.mnuSavePlanAs, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_recentPlans = file->addMenu(tr("Recent Plans"));
    m_recentPlans->setObjectName(QStringLiteral("mnuRecentPlans"));
    file->addSeparator();
    for (spindex::MenuItem* item : {&m.mnuSave, &m.mnuDisplay, &m.mnuPlanSummary, &m.mnuPrint, &m.mnuPrintSetup})
        m_binder->menuItem(*item, *file);
    file->addSeparator();
    m_binder->menuItem(m.mnuClose, *file);

    QMenu* controller = m_binder->menu(m.mnuControllerTop, bar);
    for (int id = 1; id <= 8; ++id)
        m_binder->menuItem(m.mnuController[static_cast<size_t>(id)], *controller);

    QMenu* rules = m_binder->menu(m.mnuRule, bar);
    for (spindex::MenuItem& item : m.mnuRules)
        m_binder->menuItem(item, *rules, true);

    QMenu* help = m_binder->menu(m.mnuHelp, bar);
    m_binder->menuItem(m.mnuManual, *help)->setShortcut(QKeySequence(Qt::Key_F1));
    m_binder->menuItem(m.mnuEmail, *help);
    m_binder->menuItem(m.mnuAbout, *help);
}

void MainWindow::showRecentPlans() {
    const QStringList paths = RecentPlans::list();
    if (paths == m_recentShown && !m_recentPlans->actions().isEmpty())
        return;
    m_recentShown = paths;
    // The action being triggered may be among them: they go once the event loop is back.
    for (QAction* old : m_recentPlans->actions()) {
        m_recentPlans->removeAction(old);
        old->deleteLater();
    }
    for (int i = 0; i < paths.size(); ++i) {
        QString path = paths[i];
        QAction* action = m_recentPlans->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path.replace('&', "&&")));
        connect(action, &QAction::triggered, this, [this, path = paths[i]] { openRecentPlan(path); });
    }
    if (paths.isEmpty())
        m_recentPlans->addAction(tr("No plans yet"))->setEnabled(false);
}

void MainWindow::openRecentPlan(QString path) {
    bool opened = false;
    m_session.act(m_main, [this, &opened, &path] { opened = m_main.OpenRecentPlan(path.toStdString()); });
    // A plan that is gone has shown its message; it leaves the list.
    if (!opened && !QFileInfo::exists(path)) {
        RecentPlans::remove(path);
        showRecentPlans();
    }
}

} // namespace spindex::ui
