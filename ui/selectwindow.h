#pragma once

#include "formwindow.h"
#include "smallforms.h"

namespace spindex::ui {

class ControlBinder;

// The controller selection window: pick a controller model, then "Configure Controller".
class SelectWindow : public FormWindow {
    Q_OBJECT
public:
    SelectWindow(Session& session, spindex::SelectControllerForm& form);
    void refresh() override;

private:
    ControlBinder* m_binder;
};

} // namespace spindex::ui
