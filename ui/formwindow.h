#pragma once

// A Qt window that shows one window of the model. It holds no rule of its own: refresh() shows
// the model's fields, and every user action goes through Session::act(), which gives the window
// the focus, runs the model's handler and then refreshes every window.

#include <QMainWindow>

#include "form.h"

class QPainter;

namespace spindex::ui {

class Session;

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(Session& session, spindex::Form& form, QWidget* parent = nullptr);
    ~FormWindow() override;

    spindex::Form& form() const { return m_form; }
    // Shows the model's current state in the widgets.
    virtual void refresh() = 0;
    // Paints the window's content for printing; by default an image of the window.
    virtual void print(QPainter& painter);

    // Twips of the model to this screen's pixels (1440 twips to the logical inch).
    int twipsX(int twips) const;
    int twipsY(int twips) const;

protected:
    Session& m_session;
    spindex::Form& m_form;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace spindex::ui
