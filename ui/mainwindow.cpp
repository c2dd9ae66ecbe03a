#include "mainwindow.h"

#include <QActionGroup>
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
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/analysis.h"
#include "controlbinder.h"
#include "iconfolder.h"
#include "plans/plandocument.h"
#include "recentplans.h"
#include "runtime/program.h"
#include "summary/summary.h"
#include "windowactions.h"

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

// A tab without a set keeps a clear picture of the same size, so the tabs do not change width when
// a set comes or goes.
QIcon noSetIcon() {
    QPixmap clear(16, 16);
    clear.fill(Qt::transparent);
    return QIcon(clear);
}

} // namespace

MainWindow::MainWindow(WindowActions& actions, spindex::MainForm& form)
    : FormWindow(actions, form), m_pictures(iconFolder(QString::fromStdString(form.program.programFolder))) {
    menus(*menuBar());

    // In reading order: the channels beside the calculator, the commands, the logical-drive tabs,
    // then the global hot spare beside the totals that count it.
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(8);
    // The content keeps its designed size; a smaller window scrolls it, a larger one spreads nothing.
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(channels(), 1, Qt::AlignTop);
    auto* middle = new QVBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(calculator());
    QLabel* controller = binder().label(form.lblController);
    QFont bold = controller->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    controller->setFont(bold);
    controller->setStyleSheet(QStringLiteral("color: #0000C0;"));
    controller->setAlignment(Qt::AlignCenter);
    middle->addWidget(controller);
    middle->addStretch();
    top->addLayout(middle, 1);
    column->addLayout(top);
    column->addWidget(commands());
    column->addWidget(logicalDrives());
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addWidget(globalSpare(), 1, Qt::AlignTop);
    bottom->addWidget(totals(), 1, Qt::AlignTop);
    column->addLayout(bottom);

    setScrolledContent(content, false);
    chainFocus(form);
    describe(form);

    // The plan summary in one line under the window's own controls.
    m_summaryLine = new QLabel(this);
    m_summaryLine->setObjectName("summaryLine");
    m_summaryLine->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(m_summaryLine, 1);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::showModel(spindex::Form& form) {
    auto& m = static_cast<spindex::MainForm&>(form);
    binder().refresh();
    // A tab that holds a set shows a drive in the set's colour, so the table reads without opening
    // each tab; a disabled tab greys it with its caption.
    for (int t = 0; t < spindex::MainForm::Sets; ++t)
        m_tabs->setTabIcon(t, m.tabHoldsSet(t) ? m_pictures.setIcon(t) : noSetIcon());
    std::string line = spindex::summaryStatusLine(spindex::planSummary(m));
    if (const std::string loss = spindex::lossStatus(spindex::planAnalysis(m)); !loss.empty())
        line += " \xc2\xb7 " + loss;
    // The note stands in the summary's place until the plan first changes.
    const spindex::PlanDocument* plan = m.program.planDocument();
    if (plan && !plan->recoveryNote().empty())
        line = plan->recoveryNote();
    m_summaryLine->setText(QString::fromStdString(line));
    showRecentPlans();
}

QWidget* MainWindow::widgetOf(const spindex::Control& control) const {
    return findChild<QWidget*>(QString::fromStdString(control.name));
}

QWidget* MainWindow::channels() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* frame = binder().frame(m.Frame5);
    auto* rows = new QGridLayout(frame);
    rows->setVerticalSpacing(4);
    for (int i = 0; i < spindex::MainForm::Channels; ++i) {
        rows->addWidget(binder().checkBox(m.ckChanUsed[i]), i, 0);
        rows->addWidget(binder().list(m.cmbStorageSel[i]), i, 1);
    }
    rows->setColumnStretch(1, 1);
    column->addWidget(frame);

    QLineEdit* total = binder().textBox(m.txtDisplayMaxDrives);
    column->addWidget(binder().label(m.lblDispalyMaxDrives, total));
    column->addWidget(total);
    column->addWidget(binder().label(m.lblRule));
    return area;
}

QWidget* MainWindow::totals() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < spindex::MainForm::Totals; ++i) {
        QLineEdit* box = binder().textBox(m.txtSumTotals[i]);
        numberBox(*box, 64);
        QLabel* caption = binder().label(m.Label11[i], box);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 1);
    }
    grid->setColumnStretch(0, 1);
    return area;
}

QWidget* MainWindow::calculator() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    ControlBinder& bind = binder();
    QGroupBox* frame = bind.frame(m.Frame1);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(10);
    int r = 0;
    auto addRow = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r, 1);
        ++r;
    };
    auto listRow = [&](spindex::Label& caption, spindex::ListBox& list) {
        QComboBox* box = bind.list(list);
        addRow(bind.label(caption, box), box);
        return box;
    };
    listRow(m.Label2, m.cmbRaidLevel);
    listRow(m.Label1, m.cmbMaxDrives);
    QComboBox* spans = bind.list(m.cmbNumSpans);
    QLabel* spanCaption = bind.label(m.lblSpan, spans);
    spans->setToolTip(QString::fromUtf8(spindex::MainForm::SpanToolTip));
    keepPlace(*spanCaption);
    keepPlace(*spans);
    addRow(spanCaption, spans);
    listRow(m.Label3, m.cmbDriveSize);

    QGroupBox* height = bind.frame(m.frameDHCalc, false);
    auto* heights = new QHBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(bind.option(m.optDriveH[0]));
    heights->addWidget(bind.option(m.optDriveH[1]));
    heights->addStretch();
    grid->addWidget(height, r++, 0, 1, 2);

    listRow(m.Label4, m.cmbNumRdSets);
    addRow(bind.label(m.Label12),
           row(frame, {bind.option(m.Option5[0]), bind.option(m.Option5[1]), bind.option(m.Option5[2])}));

    auto* rule = new QFrame(frame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, r++, 0, 1, 2);

    for (auto [caption, box] : {std::pair{&m.Label5, &m.TxtLogicalCap}, std::pair{&m.Label6, &m.TxtTotalCap},
                                std::pair{&m.Label13, &m.txtTotalDrives}}) {
        QLineEdit* field = bind.textBox(*box);
        numberBox(*field);
        addRow(bind.label(*caption, field), row(frame, {field}));
    }
    grid->addWidget(bind.button(m.CmdCalc), r++, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget* MainWindow::logicalDrives() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    m_tabs = binder().tabs(m.SSTab1);
    // All eight tabs stay in sight, none behind scroll arrows; where the window is narrower than
    // the tab bar, the window scrolls to the tab the keyboard moves to.
    m_tabs->setUsesScrollButtons(false);
    connect(m_tabs->tabBar(), &QTabBar::currentChanged, this, [this] {
        if (m_tabs->tabBar()->hasFocus())
            showFocusedPart();
    });
    for (int t = 0; t < spindex::MainForm::Sets; ++t) {
        m_tabs->setTabIcon(t, noSetIcon());
        logicalDrivePage(t, *m_tabs->widget(t));
    }
    return m_tabs;
}

void MainWindow::logicalDrivePage(int t, QWidget& page) {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    ControlBinder& bind = binder();
    const auto u = static_cast<size_t>(t);
    auto* layout = new QHBoxLayout(&page);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(18);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    fields->setHorizontalSpacing(10);
    for (int k = 0; k < spindex::MainForm::SetFields; ++k) {
        const auto f = static_cast<spindex::MainForm::SetField>(k);
        QLineEdit* field = bind.textBox(m.tabField(t, f));
        numberBox(*field, 90);
        fields->addWidget(bind.label(m.tabFieldLabel(t, f), field), k, 0);
        fields->addWidget(field, k, 1);
    }
    layout->addLayout(fields);
    layout->addWidget(bind.line(m.Line1[u], Qt::Vertical));
    QGroupBox* height = bind.frame(m.frameDH[u], false);
    auto* heights = new QVBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(bind.option(m.tabHeightOption(t, true)));
    heights->addWidget(bind.option(m.tabHeightOption(t, false)));
    heights->addStretch();
    layout->addWidget(height);

    QGroupBox* spare = bind.frame(m.Frame2[u]);
    auto* grid = new QGridLayout(spare);
    grid->setVerticalSpacing(6);
    grid->addWidget(row(spare, {bind.option(m.tabSpareOption(t, true)), bind.option(m.tabSpareOption(t, false))}), 0, 0,
                    1, 2);
    const std::pair<spindex::TextBox*, spindex::Label*> boxes[] = {{&m.tabSpareCount(t), &m.tabSpareCountLabel(t)},
                                                                   {&m.tabSpareSize(t), &m.tabSpareSizeLabel(t)}};
    for (int k = 0; k < 2; ++k) {
        QLineEdit* box = bind.textBox(*boxes[k].first);
        numberBox(*box, 70);
        grid->addWidget(bind.label(*boxes[k].second, box), k + 1, 0);
        grid->addWidget(box, k + 1, 1);
    }
    layout->addWidget(spare, 0, Qt::AlignTop);
    layout->addStretch(1);
}

QWidget* MainWindow::commands() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    for (spindex::Button* b :
         {&m.cmdAddLogicals, &m.cmdClearOne, &m.cmdClearAll, &m.cmdDataReport, &m.cmdDisplayGraphic}) {
        QPushButton* button = binder().button(*b);
        button->setMinimumHeight(30);
        layout->addWidget(button, 1);
    }
    return area;
}

QWidget* MainWindow::globalSpare() {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    ControlBinder& bind = binder();
    QGroupBox* frame = bind.frame(m.Frame3);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(row(frame, {bind.option(m.optGlobHotSpr[0]), bind.option(m.optGlobHotSpr[1])}), 0, 0, 1, 4);
    QGroupBox* height = bind.frame(m.Frame4, false);
    auto* heights = new QHBoxLayout(height);
    heights->setContentsMargins(0, 0, 0, 0);
    heights->addWidget(bind.option(m.optGlobHotSpH[0]));
    heights->addWidget(bind.option(m.optGlobHotSpH[1]));
    heights->addStretch();
    grid->addWidget(height, 1, 0, 1, 4);
    QLineEdit* count = bind.textBox(m.Text2);
    numberBox(*count, 50);
    grid->addWidget(bind.label(m.Label9[0], count), 2, 0);
    grid->addWidget(count, 2, 1);
    QComboBox* size = bind.list(m.cmbGlobalHotSpareSize);
    grid->addWidget(bind.label(m.Label9[1], size), 2, 2, Qt::AlignRight);
    grid->addWidget(size, 2, 3);
    grid->setColumnStretch(2, 1);
    return frame;
}

void MainWindow::menus(QMenuBar& bar) {
    spindex::MainForm& m = static_cast<spindex::MainForm&>(*form());
    ControlBinder& bind = binder();
    QMenu* file = bind.menu(m.mnuFile, bar);
    bind.menuItem(m.mnuOpenPlan, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    bind.menuItem(m.mnuSavePlan, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    bind.menuItem(m.mnuSavePlanAs, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    bind.menuItem(m.mnuRecover, *file);
    m_recentPlans = file->addMenu(tr("Recent Plans"));
    m_recentPlans->setObjectName(QStringLiteral("mnuRecentPlans"));
    file->addSeparator();
    bind.menuItem(m.mnuSave, *file);
    bind.menuItem(m.mnuDisplay, *file);
    bind.menuItem(m.mnuPrint, *file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    bind.menuItem(m.mnuPrintSetup, *file);
    file->addSeparator();
    // Exit ends the program from whichever of its windows has the focus.
    QAction* exit = bind.menuItem(m.mnuClose, *file);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* plan = bind.menu(m.mnuPlan, bar);
    bind.menuItem(m.mnuPlanSummary, *plan);
    bind.menuItem(m.mnuAssumptions, *plan);
    bind.menuItem(m.mnuAlternatives, *plan);
    bind.menuItem(m.mnuComparePlans, *plan);
    bind.menuItem(m.mnuProposal, *plan);
    bind.menuItem(m.mnuDriveTypes, *plan);

    QMenu* controller = bind.menu(m.mnuControllerTop, bar);
    for (int id = 1; id <= spindex::ControllerModels; ++id)
        bind.menuItem(m.mnuController[static_cast<size_t>(id)], *controller);

    // One rule set is in force at a time: the items are radio items of one exclusive group.
    QMenu* rules = bind.menu(m.mnuRule, bar);
    auto* ruleSets = new QActionGroup(rules);
    ruleSets->setObjectName("RuleSets");
    ruleSets->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (spindex::MenuItem& item : m.mnuRules)
        bind.menuItem(item, *rules, ruleSets);

    QMenu* help = bind.menu(m.mnuHelp, bar);
    bind.menuItem(m.mnuManual, *help)->setShortcut(QKeySequence(Qt::Key_F1));
    bind.menuItem(m.mnuEmail, *help);
    bind.menuItem(m.mnuAbout, *help);
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
    auto* m = static_cast<spindex::MainForm*>(form());
    if (!m)
        return;
    bool opened = false;
    m_actions.act(*m, [m, &opened, &path] { opened = m->program.planDocument()->openRecent(path.toStdString()); });
    // A plan that is gone has shown its message; it leaves the list.
    if (!opened && !QFileInfo::exists(path)) {
        RecentPlans::remove(path);
        if (form())
            showRecentPlans();
    }
}

void MainWindow::chainFocus(spindex::MainForm& m) {
    std::vector<const spindex::Control*> order;
    for (int i = 0; i < spindex::MainForm::Channels; ++i) {
        order.push_back(&m.ckChanUsed[static_cast<size_t>(i)]);
        order.push_back(&m.cmbStorageSel[static_cast<size_t>(i)]);
    }
    for (const spindex::Control* c :
         std::initializer_list<const spindex::Control*>{&m.txtDisplayMaxDrives, &m.cmbRaidLevel,      &m.cmbMaxDrives,
                                                        &m.cmbNumSpans,         &m.cmbDriveSize,      &m.optDriveH[0],
                                                        &m.optDriveH[1],        &m.cmbNumRdSets,      &m.Option5[0],
                                                        &m.Option5[1],          &m.Option5[2],        &m.TxtLogicalCap,
                                                        &m.TxtTotalCap,         &m.txtTotalDrives,    &m.CmdCalc,
                                                        &m.cmdAddLogicals,      &m.cmdClearOne,       &m.cmdClearAll,
                                                        &m.cmdDataReport,       &m.cmdDisplayGraphic, &m.SSTab1})
        order.push_back(c);
    for (int t = 0; t < spindex::MainForm::Sets; ++t) {
        for (int k = 0; k < spindex::MainForm::SetFields; ++k)
            order.push_back(&m.tabField(t, static_cast<spindex::MainForm::SetField>(k)));
        for (const spindex::Control* c : std::initializer_list<const spindex::Control*>{
                 &m.tabHeightOption(t, true), &m.tabHeightOption(t, false), &m.tabSpareOption(t, true),
                 &m.tabSpareOption(t, false), &m.tabSpareCount(t), &m.tabSpareSize(t)})
            order.push_back(c);
    }
    for (const spindex::Control* c : std::initializer_list<const spindex::Control*>{
             &m.optGlobHotSpr[0], &m.optGlobHotSpr[1], &m.optGlobHotSpH[0], &m.optGlobHotSpH[1], &m.Text2,
             &m.cmbGlobalHotSpareSize, &m.txtSumTotals[0], &m.txtSumTotals[1], &m.txtSumTotals[2], &m.txtSumTotals[3]})
        order.push_back(c);
    for (size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(widgetOf(*order[i]), widgetOf(*order[i + 1]));
}

void MainWindow::describe(spindex::MainForm& m) {
    const auto tip = [this](const spindex::Control& control, const QString& text) {
        widgetOf(control)->setToolTip(text);
    };
    for (int i = 0; i < spindex::MainForm::Channels; ++i) {
        const auto u = static_cast<size_t>(i);
        const QString channel = QString::number(i + 1);
        // The check boxes and lists of the channels carry no caption of their own.
        widgetOf(m.ckChanUsed[u])->setAccessibleName(tr("Channel %1 used").arg(channel));
        widgetOf(m.cmbStorageSel[u])->setAccessibleName(tr("Channel %1 storage").arg(channel));
        tip(m.ckChanUsed[u], tr("Storage is connected to channel %1").arg(channel));
        tip(m.cmbStorageSel[u], tr("The storage on channel %1").arg(channel));
    }
    tip(m.cmbRaidLevel, tr("The RAID level of the set"));
    tip(m.cmbMaxDrives, tr("How many drives the set has"));
    tip(m.cmbDriveSize, tr("The size of each drive, in gigabytes"));
    tip(m.optDriveH[0], tr("The set's drives are half height"));
    tip(m.optDriveH[1], tr("The set's drives are low profile"));
    tip(m.cmbNumRdSets, tr("How many RAID sets"));
    tip(m.Option5[0], tr("Tune for performance"));
    tip(m.Option5[1], tr("Tune for capacity"));
    tip(m.Option5[2], tr("No tuning"));
    tip(m.CmdCalc, tr("Calculate the capacity"));
    tip(m.cmdAddLogicals, tr("Add the calculated set to the next free logical drive"));
    tip(m.cmdClearOne, tr("Delete the RAID set of the logical drive shown"));
    tip(m.cmdClearAll, tr("Delete every RAID set"));
    tip(m.cmdDataReport, tr("Show the report of all logical drives"));
    tip(m.cmdDisplayGraphic, tr("Show the drives in their storage cages"));
    m_tabs->tabBar()->setToolTip(tr("The RAID set of each logical drive"));
    m_tabs->tabBar()->setAccessibleName(tr("Logical drives"));
    for (int t = 0; t < spindex::MainForm::Sets; ++t) {
        tip(m.tabHeightOption(t, true), tr("This set's drives are half height"));
        tip(m.tabHeightOption(t, false), tr("This set's drives are low profile"));
        tip(m.tabSpareOption(t, true), tr("Give this set a local hot spare"));
        tip(m.tabSpareOption(t, false), tr("No local hot spare for this set"));
    }
    tip(m.optGlobHotSpr[0], tr("Keep global hot spares"));
    tip(m.optGlobHotSpr[1], tr("No global hot spares"));
    tip(m.optGlobHotSpH[0], tr("The global hot spares are half height"));
    tip(m.optGlobHotSpH[1], tr("The global hot spares are low profile"));
    tip(m.Text2, tr("How many global hot spares"));
    tip(m.cmbGlobalHotSpareSize, tr("The size of the global hot spares, in gigabytes"));
}

} // namespace spindex::ui
