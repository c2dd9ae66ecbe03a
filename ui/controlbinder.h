#pragma once

// Ties the widgets of one window to the controls of its model window.
//
// Each bind call creates (or takes) the widget of one model control, names it after the control and
// connects the user's action on it to the control's user action, run through Session::act(). The
// binder remembers how to show the control, so that refresh() brings every widget of the window in
// line with the model after each action: texts, list items and selection, values, enabled state,
// visibility, captions. Widgets are updated under a QSignalBlocker, so a refresh never looks like a
// user's action.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "controls.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace spindex {
class Form;
}

namespace spindex::ui {

class FormWindow;
class Session;

class ControlBinder : public QObject {
    Q_OBJECT
public:
    ControlBinder(Session& session, spindex::Form& form, FormWindow& window);

    QLabel* label(spindex::Label& control);
    QLineEdit* textBox(spindex::TextBox& control);
    QComboBox* list(spindex::ListBox& control);
    QCheckBox* checkBox(spindex::CheckBox& control);
    QRadioButton* option(spindex::OptionButton& control);
    QPushButton* button(spindex::Button& control);
    // A frame with its caption as title; a frame without caption and border only groups its controls.
    QGroupBox* frame(spindex::Frame& control, bool bordered = true);
    // An image shown by a label widget; its picture is the window's business.
    QLabel* image(spindex::Image& control);
    QTabWidget* tabs(spindex::TabControl& control);
    // A separator line.
    QWidget* line(spindex::LineShape& control, Qt::Orientation orientation);
    // A top menu of the menu bar and the items under it.
    QMenu* menu(spindex::MenuItem& control, QMenuBar& bar);
    QAction* menuItem(spindex::MenuItem& control, QMenu& menu, bool checkable = false);

    // Shows every bound control's model state.
    void refresh();

    // A caption's "&" marks an access key; a label shows the caption without it.
    static QString labelText(const std::string& caption);

private:
    // Clicks on a label, frame or image go to the control and stop there, as a click on a label
    // in the program's own windows reaches that label only.
    void takeClicks(spindex::Control& control, QWidget& widget);
    void bind(spindex::Control& control, QWidget& widget, std::function<void()> show);
    void act(std::function<void()> action);

    Session& m_session;
    spindex::Form& m_form;
    FormWindow& m_window;
    std::vector<std::function<void()>> m_bindings; // how to show each control
};

} // namespace spindex::ui
