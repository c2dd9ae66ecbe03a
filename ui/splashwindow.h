#pragma once

#include "forms/smallforms.h"
#include "formwindow.h"

class QLabel;

namespace spindex::ui {

// The splash screen: any key, or a click on the frame, the logo, the product name or the platform,
// hands over to the controller selection window (the model decides which clicks count).
class SplashWindow : public FormWindow {
    Q_OBJECT
public:
    SplashWindow(WindowActions& actions, spindex::SplashForm& form);

protected:
    void showModel(spindex::Form& form) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawLogo();
    QLabel* m_logo = nullptr;
};

} // namespace spindex::ui
