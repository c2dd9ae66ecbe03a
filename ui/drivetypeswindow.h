#pragma once

#include "drivetypes/drivetypesform.h"
#include "formwindow.h"

namespace spindex::ui {

// "Drive Types": the plan's types in a list, the boxes of a new one (its size first), Add and
// Remove, Use for New Plans; Close, Escape and the close box close it.
class DriveTypesWindow : public FormWindow {
    Q_OBJECT
public:
    DriveTypesWindow(WindowActions& actions, spindex::DriveTypesForm& form, QWidget* owner = nullptr);

protected:
    void showModel(spindex::Form& form) override;
};

} // namespace spindex::ui
