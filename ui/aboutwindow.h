#pragma once

#include "formwindow.h"
#include "smallforms.h"

namespace spindex::ui {

class ControlBinder;

// The about box: title, version and the program's description; it closes on OK and as soon as it
// loses the focus (the model closes it when the session reports the focus change).
class AboutWindow : public FormWindow {
    Q_OBJECT
public:
    AboutWindow(Session& session, spindex::AboutForm& form);
    void refresh() override;

private:
    ControlBinder* m_binder;
};

} // namespace spindex::ui
