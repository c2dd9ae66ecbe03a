#include "outputs/outputforms.h"

#include "mainform/mainform.h"
#include "outputs/savereport.h"
#include "runtime/program.h"
#include "runtime/savefile.h"

namespace spindex {

const std::array<const char*, LogicalDrives>& setIconFiles() {
    static const std::array<const char*, LogicalDrives> files{"diskblue.ico",  "diskred.ico",     "diskdkturk.ico",
                                                              "diskgreen.ico", "diskpurple.ico",  "diskdkblue.ico",
                                                              "diskdkred.ico", "diskdkpurple.ico"};
    return files;
}

ReportForm::ReportForm(Program& program)
    : Form(program, "frmLogicalDriveDisplay", "Logical Drive Display", 10920, 10305) {
    add(mnuP);
    for (MenuItem* m : {&mnuPrint, &mnuPrinterSetup, &mnuPtoFile, &mnuSavePdf, &mnuLine, &mnuClose})
        add(*m, &mnuP);
    mnuPrint.onClick = [this] { mnuPrint_Click(); };
    mnuPrinterSetup.onClick = [this] { mnuPrinterSetup_Click(); };
    mnuPtoFile.onClick = [this] { mnuPtoFile_Click(); };
    mnuSavePdf.onClick = [this] { mnuSavePdf_Click(); };
    mnuClose.onClick = [this] { mnuClose_Click(); };
}

void ReportForm::Form_Load() {}

void ReportForm::draw(const report::ReportInput& input) {
    lines = report::displayLines(input);
    text = report::textLines(input);
}

void ReportForm::mnuPrint_Click() {
    program.host.printWindow(name);
}

void ReportForm::mnuPrinterSetup_Click() {
    program.host.printerSetup(name);
}

void ReportForm::mnuPtoFile_Click() {
    SaveReportText(program);
}

void ReportForm::mnuSavePdf_Click() {
    Host& host = program.host;
    const std::optional<std::string> path = host.saveFileName("PDF Files (*.pdf)|*.pdf", "pdf");
    if (!path || path->empty())
        return;
    std::string pdf;
    // A report that could not be drawn is not written: the old file stays as it was.
    if (const std::string failure = host.drawReportPdf(*this, pdf); !failure.empty())
        tellSaveFailure(host, *path, "report", failure);
    else
        writeOrTell(host, *path, "report", pdf);
}

void ReportForm::mnuClose_Click() {
    program.closeToMain(*this);
}

GraphicForm::GraphicForm(Program& program) : Form(program, "frmGraphic", "Graphic Display", 6825, 6915) {
    add(Controller).geometry = {600, 240, 4455, 495};
    add(lblController).geometry = {720, 240, 4335, 555};
    for (int c = 0; c < Channels; ++c) {
        lnChannel[c].name = indexedName("lnChannel", c);
        LineShape& line = add(lnChannel[c]);
        line.x1 = line.x2 = 720 + 1320 * c;
        line.y1 = 720;
        line.y2 = 1320;
        txtChannel[c].name = indexedName("txtChannel", c);
        Label& label = add(txtChannel[c]);
        label.caption = std::to_string(c + 1);
        label.geometry = {840 + 1320 * c, 920, 150, 200};
        StorageCage[c].name = indexedName("StorageCage", c);
        Shape& cage = add(StorageCage[c]);
        cage.geometry = {240 + 1320 * c, 1200, 975, 4421};
        for (int j = 0; j < SlotsPerChannel; ++j) {
            const int k = SlotsPerChannel * c + j;
            imgLgcDrv[k].name = indexedName("imgLgcDrv", k);
            Image& icon = add(imgLgcDrv[k]);
            icon.geometry = {480 + 1320 * c, 1200 + 360 * j, 480, 480};
            icon.onDragDrop = [this, k](Image& source) { imgLgcDrv_DragDrop(k, source); };
        }
        for (int j = 0; j < SlotsPerChannel - 1; ++j) {
            Line2[(SlotsPerChannel - 1) * c + j].name = indexedName("Line2", (SlotsPerChannel - 1) * c + j);
            LineShape& connector = add(Line2[(SlotsPerChannel - 1) * c + j]);
            connector.x1 = connector.x2 = 720 + 1320 * c;
            connector.y1 = 1560 + 360 * j;
            connector.y2 = 1680 + 360 * j;
        }
    }
    add(imgHold).geometry = {480, 6480, 480, 480};
    imgHold.visible = false;
    add(mnuPrintGraphics).onClick = [this] { mnuPrintGraphics_Click(); };
}

void GraphicForm::Form_Load() {
    for (int c = 0; c < Channels; ++c) {
        const auto cu = static_cast<size_t>(c);
        const MainForm* main = program.frmSpindex();
        const bool used = main && main->ckChanUsed[cu].value() != 0;
        const int slots = program.ChannelSlots[cu];
        Shape& cage = StorageCage[cu];
        if (used) {
            cage.opaque = false;
            cage.geometry.height = 381 * slots;
            lnChannel[cu].visible = txtChannel[cu].visible = true;
            for (int j = 0; j < SlotsPerChannel; ++j) {
                Image& icon = imgLgcDrv[SlotsPerChannel * c + j];
                icon.visible = j <= slots - 1;
                if (icon.visible)
                    icon.picture = EmptySlotIcon;
            }
            for (int j = 0; j < SlotsPerChannel - 1; ++j)
                Line2[(SlotsPerChannel - 1) * c + j].visible = j <= slots - 2;
        } else {
            cage.opaque = true;
            lnChannel[cu].visible = txtChannel[cu].visible = false;
        }
    }
}

void GraphicForm::place(const std::array<int, LogicalDrives>& drivesPerSet) {
    std::array<int, LogicalDrives> remaining = drivesPerSet;
    std::array<int, Channels> slotsLeft{};
    for (size_t c = 0; c < Channels; ++c)
        slotsLeft[c] = program.ChannelSlots[c];
    size_t set = 0;
    for (size_t c = 0; c < Channels; ++c)
        for (size_t j = 0; j < SlotsPerChannel; ++j) {
            if (slotsLeft[c] < 1)
                continue;
            if (remaining[set] >= 1) {
                imgLgcDrv[SlotsPerChannel * c + j].picture = setIconFiles()[set];
                if (--remaining[set] == 0 && set + 1 < LogicalDrives)
                    ++set;
            }
            --slotsLeft[c];
        }
}

void GraphicForm::imgLgcDrv_DragDrop(int index, Image& source) {
    Image& target = imgLgcDrv[index];
    imgHold.picture = target.picture;
    target.picture = source.picture;
    source.picture = imgHold.picture;
}

std::optional<int> GraphicForm::slotSet(int k) const {
    const std::string& picture = imgLgcDrv.at(static_cast<size_t>(k)).picture;
    const auto& files = setIconFiles();
    for (size_t set = 0; set < files.size(); ++set)
        if (picture == files[set])
            return static_cast<int>(set);
    return std::nullopt;
}

std::string GraphicForm::slotDescription(int k) const {
    const std::optional<int> set = slotSet(k);
    const MainForm* main = program.frmSpindex();
    if (!set || !main)
        return imgLgcDrv.at(static_cast<size_t>(k)).picture == EmptySlotIcon ? "Empty slot" : "";
    return "Logical Drive " + std::to_string(*set) + ": RAID " + main->tabLevel(*set).text() + ", " +
           main->tabDriveSize(*set).text() + " GB";
}

const Control* GraphicForm::coveredBy(const Control& control) const {
    if (control.kind != ControlKind::Image)
        return nullptr;
    const Geometry& icon = static_cast<const Image&>(control).geometry;
    const int x = icon.left + icon.width / 2;
    const int y = icon.top + icon.height / 2;
    for (const Shape& cage : StorageCage) {
        const Geometry& g = cage.geometry;
        if (cage.visible && cage.opaque && x >= g.left && x < g.left + g.width && y >= g.top && y < g.top + g.height)
            return &cage;
    }
    return nullptr;
}

void GraphicForm::mnuPrintGraphics_Click() {
    program.host.printWindow(name);
}

} // namespace spindex
