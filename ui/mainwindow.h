#pragma once

#include <QStringList>

#include "formwindow.h"
#include "mainform.h"

class QLabel;
class QMenu;
class QMenuBar;

namespace spindex::ui {

class ControlBinder;

// The main window: channels and slot total, totals, the calculator, the eight logical-drive tabs,
// the commands and the global hot spare, with the menu bar. Every widget is a control of the
// model's main window and carries its name.
class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, spindex::MainForm& form);
    void refresh() override;

private:
    QWidget* channels();
    QWidget* totals();
    QWidget* calculator();
    QWidget* logicalDrives();
    QWidget* logicalDrivePage(int tab, QWidget& page);
    QWidget* commands();
    QWidget* globalSpare();
    void menus(QMenuBar& bar);
    // The Recent Plans submenu shows the list as it stands in the settings.
    void showRecentPlans();
    void openRecentPlan(QString path);

    spindex::MainForm& m_main;
    ControlBinder* m_binder;
    QLabel* m_summaryLine;
    QMenu* m_recentPlans = nullptr;
    QStringList m_recentShown;
};

} // namespace spindex::ui
