#pragma once

// Ties the widgets of one window to the controls of its model window.
//
// Each bind call creates (or takes) the widget of one model control, names it after the control and
// connects the user's action on it to the control's user action, run through WindowActions::act(). The
// binder remembers how to show the control, so that refresh() brings every widget of the window in
// line with the model after each action: texts, list items and selection, values, enabled state,
// visibility, captions. Widgets are updated under a QSignalBlocker, so a refresh never looks like a
// user's action.
//
// How a control looks and takes the keyboard follows its model state in one place: a locked text box
// is a displayed value (the window's background, out of the Tab chain, still selectable and
// copyable); a label beside a field is that field's label (its access key, where the caption has
// one, reaches the field, and it names the field for assistive tools).
//
// Once the window's model window is unloaded, detach() lets go of every control: the widgets stay
// as they are and nothing reaches the model any more.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "runtime/controls.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
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
class WindowActions;

class ControlBinder : public QObject {
    Q_OBJECT
public:
    ControlBinder(WindowActions& actions, spindex::Form& form, FormWindow& window);

    // A label; with a buddy it is that field's label.
    QLabel* label(spindex::Label& control, QWidget* buddy = nullptr);
    QLineEdit* textBox(spindex::TextBox& control);
    QComboBox* list(spindex::ListBox& control);
    // The same list shown open, one row per entry.
    QListWidget* listView(spindex::ListBox& control);
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
    // An item of a menu, or a command straight on the menu bar. Items of a group carry its marks:
    // radio marks for an exclusive group.
    QAction* menuItem(spindex::MenuItem& control, QWidget& menu, QActionGroup* group = nullptr);

    // Shows every bound control's model state.
    void refresh();
    // The model window is going: no widget shows or reaches its controls any more.
    void detach();
    bool detached() const { return m_form == nullptr; }

    // A locked box shows a value: the look of the window's background and no Tab stop.
    static void showLocked(QLineEdit& box, bool locked);

    // A caption's "&" marks an access key; a label shows the caption without it.
    static QString labelText(const std::string& caption);

private:
    // Clicks on a label, frame or image go to the control and stop there, as a click on a label
    // in the program's own windows reaches that label only.
    void takeClicks(spindex::Control& control, QWidget& widget);
    void bind(spindex::Control& control, QWidget& widget, std::function<void()> show);
    void act(std::function<void()> action);

    WindowActions& m_actions;
    spindex::Form* m_form;
    FormWindow& m_window;
    std::vector<std::function<void()>> m_bindings; // how to show each control
};

} // namespace spindex::ui
