#pragma once

#include "analysis/assumptionsform.h"
#include "formwindow.h"

namespace spindex::ui {

// "Assumptions": a dialog of eight labelled boxes. OK (the default button) applies them all or names
// the first bad one; Cancel, Escape and the close box change nothing; Restore Defaults fills the
// boxes with the defaults.
class AssumptionsWindow : public FormWindow {
    Q_OBJECT
public:
    AssumptionsWindow(WindowActions& actions, spindex::AssumptionsForm& form, QWidget* owner = nullptr);

protected:
    void showModel(spindex::Form& form) override;
};

} // namespace spindex::ui
