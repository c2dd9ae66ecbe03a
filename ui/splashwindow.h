#pragma once

#include "formwindow.h"
#include "smallforms.h"

namespace spindex::ui {

class ControlBinder;

// The splash screen: any key, or a click on the frame, the logo, the product name or the platform,
// hands over to the controller selection window (the model decides which clicks count).
class SplashWindow : public FormWindow {
    Q_OBJECT
public:
    SplashWindow(Session& session, spindex::SplashForm& form);
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    spindex::SplashForm& m_splash;
    ControlBinder* m_binder;
};

} // namespace spindex::ui
