#pragma once

// The report window and the storage cage graphic: snapshots of the main window.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reportlayout.h"
#include "rules/limits.h"
#include "runtime/form.h"

namespace spindex {

class ReportForm : public Form {
public:
    explicit ReportForm(Program& program);
    MenuItem mnuP{"mnuP", "&File"};
    MenuItem mnuPrint{"mnuPrint", "Print"};
    MenuItem mnuPrinterSetup{"mnuPrinterSetup", "Printer Setup"};
    MenuItem mnuPtoFile{"mnuPtoFile", "Output to a text File"};
    MenuItem mnuSavePdf{"mnuSavePdf", "Save as PDF..."};
    MenuItem mnuLine{"mnuLine", "-"};
    MenuItem mnuClose{"mnuClose", "&Close"};

    // The drawn text, in drawing order.
    std::vector<report::PrintedLine> lines;
    // The same report as the text export writes it, one entry per line.
    std::vector<std::string> text;

    void Form_Load();
    void draw(const report::ReportInput& input);
    void mnuPrint_Click();
    void mnuPrinterSetup_Click();
    void mnuPtoFile_Click();
    void mnuSavePdf_Click();
    void mnuClose_Click();
};

class GraphicForm : public Form {
public:
    explicit GraphicForm(Program& program);
    static constexpr int SlotsPerChannel = 12;

    Shape Controller{"Controller"};
    Label lblController{"lblController"};
    std::array<LineShape, Channels> lnChannel;
    std::array<Label, Channels> txtChannel;
    std::array<Shape, Channels> StorageCage;
    std::array<Image, Channels * SlotsPerChannel> imgLgcDrv;
    std::array<LineShape, Channels*(SlotsPerChannel - 1)> Line2;
    Image imgHold{"imgHold"};
    MenuItem mnuPrintGraphics{"mnuPrintGraphics", "Print"};

    void Form_Load();
    // Fills the slots with the drives of the sets, channel after channel.
    void place(const std::array<int, LogicalDrives>& drivesPerSet);
    void imgLgcDrv_DragDrop(int index, Image& source);
    // A cage of an unused channel is opaque and lies over the icons of its slots.
    const Control* coveredBy(const Control& control) const override;
    void mnuPrintGraphics_Click();

    // The RAID set whose drive slot k shows (swaps included); none for an empty slot.
    std::optional<int> slotSet(int k) const;
    // What drive slot k holds, for its tooltip and assistive tools: "Logical Drive 0: RAID 5, 36.4 GB",
    // "Empty slot", or nothing for a slot without a drive picture.
    std::string slotDescription(int k) const;
};

// Icon file of each set's colour and of the empty slot, as the program folder holds them.
const std::array<const char*, LogicalDrives>& setIconFiles();
inline constexpr const char* EmptySlotIcon = "diskredline.ico";

} // namespace spindex
