#pragma once

// A Qt window that shows one window of the model. It holds no rule of its own: refresh() shows
// the model's fields, and every user action goes through WindowActions::act(), which gives the window
// the focus, runs the model's handler and then refreshes every window.
//
// What every window of the program does alike lives here, so that a new window gets it without
// code of its own:
// - it opens at its designed size, inside the screen it opens on and centred on it; a window whose
//   content is larger than the screen scrolls (setScrolledContent);
// - Enter presses the focused button, or else the window's default button;
// - a window that belongs to another (the windows opened from the main window) closes on Escape
//   and Ctrl+W, as its close box does;
// - once its model window is unloaded, the window lets go of it (detach): from then on it shows
//   nothing of the model and forwards nothing to it, however long Qt keeps it alive.

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include "runtime/form.h"

class QPainter;
class QScrollArea;

namespace spindex::ui {

class ControlBinder;
class WindowActions;

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    // A window with an owner stays with it: above it, on its screen, gone with it.
    FormWindow(WindowActions& actions, spindex::Form& form, QWidget* owner = nullptr);
    ~FormWindow() override;

    // The model window shown; null once the window has let go of it.
    spindex::Form* form() const { return m_form; }
    WindowActions& actions() const { return m_actions; }
    // Shows the model's current state in the widgets; nothing once detached.
    void refresh();
    // Paints the window's content for printing; by default an image of the window.
    virtual void print(QPainter& painter);
    // The model window is unloaded and about to be destroyed: let go of it for good.
    void detach();

    // Resizes the window to its designed size, cut down to the screen it opens on, and centres it
    // there.
    void placeOnScreen();
    // The size the window's content asks for, menus included.
    QSize designedSize() const { return sizeHint(); }
    // The scroll area around the content, when the window has one.
    QScrollArea* scrollArea() const { return m_scroll; }
    QPushButton* defaultButton() const { return m_defaultButton; }
    // Scrolls the content to the focused control's part that matters (all of it, or a tab bar's
    // current tab).
    void showFocusedPart();

    // Twips of the model to this screen's pixels (1440 twips to the logical inch).
    int twipsX(int twips) const;
    int twipsY(int twips) const;
    QRect pixels(const spindex::Geometry& geometry) const;

protected:
    // Shows the model's state; called only while the window is attached.
    virtual void showModel(spindex::Form& form) = 0;
    // Lets go of pointers into the model kept by the subclass; the base has already detached
    // the binder.
    virtual void release() {}

    // The binder that wires this window's widgets to their controls; created on first use.
    ControlBinder& binder();
    // The content, laid out at its own size, scrolls inside the window when the window is smaller.
    // Where the content has controls, the focus moves among them and the window follows it; where
    // it has none, the scroll area itself takes the keyboard and the arrow keys scroll.
    void setScrolledContent(QWidget* content, bool keyboardScrolls);
    // The button Enter presses when no other button has the focus.
    void setDefaultButton(QPushButton* button);

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    WindowActions& m_actions;

private:
    spindex::Form* m_form;
    ControlBinder* m_binder = nullptr;
    QScrollArea* m_scroll = nullptr;
    QPointer<QPushButton> m_defaultButton;
    bool m_frameChecked = false; // against the true frame, once it is known
};

} // namespace spindex::ui
