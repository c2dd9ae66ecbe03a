#pragma once

#include "forms/smallforms.h"
#include "formwindow.h"

namespace spindex::ui {

// The about box: title, version and the program's description; it closes on OK (Enter), Escape and
// as soon as it loses the focus (the model closes it when the session reports the focus change).
class AboutWindow : public FormWindow {
    Q_OBJECT
public:
    AboutWindow(WindowActions& actions, spindex::AboutForm& form, QWidget* owner = nullptr);

protected:
    void showModel(spindex::Form& form) override;
};

} // namespace spindex::ui
