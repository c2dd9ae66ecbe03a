#include "forms/smallforms.h"

#include "appinfo.h"
#include "forms/registry.h"
#include "mainform/mainform.h"
#include "rules/catalogue.h"
#include "runtime/program.h"

namespace spindex {

namespace {
std::string versionText() {
    return "Version " + std::to_string(appinfo::Major) + "." + std::to_string(appinfo::Minor) + "." +
           std::to_string(appinfo::Revision);
}
} // namespace

SplashForm::SplashForm(Program& program) : Form(program, "frmSplash", "", 7380, 4500) {
    add(Frame1);
    for (Control* c : std::initializer_list<Control*>{&lblProductName, &lblVersion, &lblCompany, &lblWarning,
                                                      &lblLicenseTo, &lblPlatform, &imgLogo})
        add(*c, &Frame1);
    for (Control* c : std::initializer_list<Control*>{&Frame1, &imgLogo, &lblProductName, &lblPlatform})
        c->onClick = [this] { handOver(); };
    Timer1.onTimer = [this] { handOver(); };
}

void SplashForm::Form_Load() {
    lblProductName.caption = appinfo::Title;
    lblVersion.caption = versionText();
    lblCompany.caption = appinfo::CompanyName;
    lblWarning.caption = "Brought to you by the Halden Pre-Sales Team";
    lblLicenseTo.caption = "";
    lblPlatform.caption = "";
    program.loadSelectController();
    Timer1.interval = ShownMs;
    Timer1.enabled = true;
    Timer1.elapsed = 0;
}

void SplashForm::Form_KeyPress() {
    handOver();
}

void SplashForm::handOver() {
    Timer1.enabled = false;
    Program& p = program; // this window is gone after the unload
    p.unload(*this);
    // Once "Configure Controller" has been pressed the selection window is gone for good; bringing it
    // back would load it afresh and reset the controller to the Osprey behind the user's back.
    if (SelectControllerForm* select = p.frmSelectController())
        p.show(*select);
}

SelectControllerForm::SelectControllerForm(Program& program)
    : Form(program, "frmSelectController", "RAID Storage Selection", 4320, 2475) {
    add(Label1);
    add(cmbSelectCont);
    add(Command1);
    cmbSelectCont.onClick = [this] { cmbSelectCont_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void SelectControllerForm::Form_Load() {
    for (const ControllerRecord& record : controllerCatalogue())
        cmbSelectCont.addItem(record.selectionText);
    cmbSelectCont.setListIndex(5);
    program.show(*this);
}

void SelectControllerForm::cmbSelectCont_Click() {
    program.ControllerType = static_cast<std::int16_t>(cmbSelectCont.listIndex() + 1);
}

void SelectControllerForm::Command1_Click() {
    Program& p = program;
    p.unload(*this);
    MainForm& main = p.loadMain();
    p.show(main);
}

AboutForm::AboutForm(Program& program) : Form(program, "frmAbout", "", 5730, 3705) {
    for (Control* c : std::initializer_list<Control*>{&picIcon, &lblTitle, &lblVersion, &lblDescription, &lblComments,
                                                      &cmdOK, &cmdSysInfo})
        add(*c);
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdSysInfo.onClick = [this] { StartSysInfo(); };
}

void AboutForm::Form_Load() {
    caption = std::string("About ") + appinfo::Title;
    lblTitle.caption = appinfo::Title;
    lblVersion.caption = versionText();
    lblDescription.caption = appinfo::FileDescription;
    lblComments.caption = appinfo::Comments;
}

void AboutForm::cmdOK_Click() {
    program.unload(*this);
}

void AboutForm::StartSysInfo() {
    std::string path;
    bool found = false;
    if (GetKeyValue(program.registry, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                    path)) {
        found = true;
    } else if (GetKeyValue(program.registry, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Microsoft\\Shared Tools Location",
                           "MSINFO", path)) {
        path += "\\MSINFO32.EXE";
        found = program.host.fileExists(path);
    }
    if (found && program.host.startProgram(path))
        return;
    program.host.messageBox("System Information Is Unavailable At This Time", MsgButtons::Ok, MsgIcon::None,
                            appinfo::Title);
}

} // namespace spindex
