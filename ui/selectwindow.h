#pragma once

#include "formwindow.h"
#include "forms/smallforms.h"

namespace spindex::ui {

// The controller selection window: pick a controller model, then "Configure Controller" (Enter).
class SelectWindow : public FormWindow {
    Q_OBJECT
public:
    SelectWindow(Session& session, spindex::SelectControllerForm& form);

protected:
    void showModel(spindex::Form& form) override;
};

} // namespace spindex::ui
