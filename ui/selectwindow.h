#pragma once

#include "forms/smallforms.h"
#include "formwindow.h"

namespace spindex::ui {

// The controller selection window: pick a controller model, then "Configure Controller" (Enter).
class SelectWindow : public FormWindow {
    Q_OBJECT
public:
    SelectWindow(WindowActions& actions, spindex::SelectControllerForm& form);

protected:
    void showModel(spindex::Form& form) override;
};

} // namespace spindex::ui
