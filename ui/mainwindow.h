#pragma once

#include <QStringList>

#include "drivepictures.h"
#include "formwindow.h"
#include "mainform/mainform.h"

class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace spindex::ui {

// The main window: the channels and the calculator, the commands, the eight logical-drive tabs, the
// global hot spare and the totals, in that reading order, with the menu bar. Every widget is a
// control of the model's main window and carries its name; the content scrolls when the screen is
// smaller than the window.
class MainWindow : public FormWindow {
    Q_OBJECT
public:
    MainWindow(WindowActions& actions, spindex::MainForm& form);

protected:
    void showModel(spindex::Form& form) override;

private:
    QWidget* channels();
    QWidget* totals();
    QWidget* calculator();
    QWidget* logicalDrives();
    void logicalDrivePage(int tab, QWidget& page);
    QWidget* commands();
    QWidget* globalSpare();
    void menus(QMenuBar& bar);
    // The Recent Plans submenu shows the list as it stands in the settings.
    void showRecentPlans();
    void openRecentPlan(QString path);
    // Tab visits the controls in reading order; short tips and names for assistive tools.
    void chainFocus(spindex::MainForm& m);
    void describe(spindex::MainForm& m);
    QWidget* widgetOf(const spindex::Control& control) const;

    QTabWidget* m_tabs = nullptr;
    DrivePictures m_pictures;
    QLabel* m_summaryLine = nullptr;
    QMenu* m_recentPlans = nullptr;
    QStringList m_recentShown;
};

} // namespace spindex::ui
