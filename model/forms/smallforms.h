#pragma once

// The secondary windows: splash screen, controller selection and about box.

#include <array>

#include "runtime/form.h"

namespace spindex {

// A one-shot window timer: the program fires it when its interval has passed.
struct WindowTimer {
    int interval = 0;
    bool enabled = false;
    int elapsed = 0;
    Handler onTimer;
};

class SplashForm : public Form {
public:
    explicit SplashForm(Program& program);
    // The splash hands over to the controller selection after five seconds without a key or click.
    static constexpr int ShownMs = 5000;
    Label lblProductName{"lblProductName"};
    Label lblVersion{"lblVersion"};
    Label lblCompany{"lblCompany"};
    Label lblWarning{"lblWarning"};
    Label lblLicenseTo{"lblLicenseTo"};
    Label lblPlatform{"lblPlatform"};
    Image imgLogo{"imgLogo"};
    Frame Frame1{"Frame1"};
    WindowTimer Timer1;

    void Form_Load();
    void Form_KeyPress();
    void userKeyPress() override {
        raiseEvent([this] { Form_KeyPress(); });
    }
    // Timer, key and the listed clicks all hand over to the selection window.
    void handOver();
};

class SelectControllerForm : public Form {
public:
    explicit SelectControllerForm(Program& program);
    Label Label1{"Label1", "Select Controller"};
    ListBox cmbSelectCont{"cmbSelectCont"};
    Button Command1{"Command1", "Configure Controller"};

    void Form_Load();
    void cmbSelectCont_Click();
    void Command1_Click();
};

class AboutForm : public Form {
public:
    explicit AboutForm(Program& program);
    Label lblTitle{"lblTitle"};
    Label lblVersion{"lblVersion"};
    Label lblDescription{"lblDescription"};
    Label lblComments{"lblComments"};
    Image picIcon{"picIcon"};
    Button cmdOK{"cmdOK", "OK"};
    Button cmdSysInfo{"cmdSysInfo", "&System Info..."};

    void Form_Load();
    void cmdOK_Click();
    void StartSysInfo();
};

} // namespace spindex
