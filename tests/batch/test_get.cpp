// `get` prints each kind of value as JSON: strings, numbers as the program writes them, flags as
// true/false, list items as arrays; and it changes nothing and moves no focus.

#include <gtest/gtest.h>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

TEST(Get, ControlsOfTheMainWindow) {
    const BatchResult result = runScript(R"(click Command1
get txtDisplayMaxDrives
get txtDisplayMaxDrives.locked
get cmbRaidLevel
get cmbRaidLevel.items
get cmbRaidLevel.listindex
get cmbGlobalHotSpareSize
get cmbGlobalHotSpareSize.listindex
get cmdAddLogicals
get cmdAddLogicals.enabled
get Label11(3)
get Frame1
get ckChanUsed(0)
get ckChanUsed(0).visible
get optDriveH(0)
get optDriveH(1)
get optDriveH(0).caption
get Option5(0).caption
get lblSpan.visible
get mnuRules(0).checked
get mnuRules(1).checked
get mnuRules(1)
get mnuController(6)
get SSTab1
get SSTab1.tabenabled(7)
get SSTab1.TabEnabled(0)
get Line1(0).visible
)");
    EXPECT_EQ(result.output, R"(txtDisplayMaxDrives = "Maximum low profile drives slots = 48"
txtDisplayMaxDrives.locked = true
cmbRaidLevel = "0"
cmbRaidLevel.items = ["0","1","5","10","50"]
cmbRaidLevel.listindex = 0
cmbGlobalHotSpareSize = ""
cmbGlobalHotSpareSize.listindex = -1
cmdAddLogicals = "&Add to Next Available RAID Set"
cmdAddLogicals.enabled = true
Label11(3) = "Total Number Low Profile Drive Slots Used"
Frame1 = "RAID Capacity Calculator"
ckChanUsed(0) = 1
ckChanUsed(0).visible = true
optDriveH(0) = false
optDriveH(1) = true
optDriveH(0).caption = "Half Height"
Option5(0).caption = "&Performance"
lblSpan.visible = false
mnuRules(0).checked = true
mnuRules(1).checked = false
mnuRules(1) = "Marathon"
mnuController(6) = "Arvex &Osprey"
SSTab1 = 0
SSTab1.tabenabled(7) = true
SSTab1.TabEnabled(0) = true
Line1(0).visible = true
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, VariablesAsNumbersAndFlags) {
    // A half-height set of 4 drives with a local spare: 5 drives of 1.5 slot units.
    const BatchResult result = runScript(R"(get ControllerType
get ChannelSlots(0)
click Command1
get ChannelSlots(0)
get LastStorageSel(1)
select cmbRaidLevel 5
select cmbMaxDrives 4
click optDriveH(0)
click cmdAddLogicals
click optLocHotSpr(0)
get txtSumTotals(0)
get txtSumTotals(3)
get LPSlotsUsed
get frmSpindex.LPSlotsUsed
get MaxSlots
get LogDrivesAvail
get RuleSet
get LogDrvHUser
get SuppressCalc
get FormLoading
get RaidLevelChanging
get ClearAllNoAsk
)");
    EXPECT_EQ(result.output, R"(ControllerType = 6
ChannelSlots(0) = 0
ChannelSlots(0) = 12
LastStorageSel(1) = 0
txtSumTotals(0) = "5"
txtSumTotals(3) = "7.5"
LPSlotsUsed = 7.5
frmSpindex.LPSlotsUsed = 7.5
MaxSlots = 48
LogDrivesAvail = 8
RuleSet = 0
LogDrvHUser = true
SuppressCalc = false
FormLoading = false
RaidLevelChanging = false
ClearAllNoAsk = false
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, WindowsLoadedOrNot) {
    const BatchResult result = runScript(R"(click Command1
get frmGraphic
get frmGraphic.loaded
get frmGraphic.visible
get frmLogicalDriveDisplay
click cmdDisplayGraphic
get frmGraphic
get frmGraphic.visible
get frmGraphic.caption
get frmSpindex.visible
click cmdDataReport
get frmGraphic
get frmLogicalDriveDisplay.caption
get frmLogicalDriveDisplay.mnuPtoFile
get frmLogicalDriveDisplay.mnuLine
)");
    EXPECT_EQ(result.output, R"(frmGraphic = false
frmGraphic.loaded = false
frmGraphic.visible = false
frmLogicalDriveDisplay = false
frmGraphic = true
frmGraphic.visible = true
frmGraphic.caption = "Graphic Display"
frmSpindex.visible = true
frmGraphic = false
frmLogicalDriveDisplay.caption = "Logical Drive Display"
frmLogicalDriveDisplay.mnuPtoFile = "Output to a text File"
frmLogicalDriveDisplay.mnuLine = "-"
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, MovesNoFocus) {
    // Reading the main window while the graphic has the focus leaves the graphic open; acting on the
    // main window closes it, before the action runs.
    const BatchResult result = runScript(R"(click Command1
click cmdDisplayGraphic
get frmSpindex.cmdAddLogicals
get txtSumTotals(0)
get frmGraphic
get frmGraphic.StorageCage(0).height
click mnuRules(1)
get frmGraphic
)");
    EXPECT_EQ(result.output, R"(frmSpindex.cmdAddLogicals = "&Add to Next Available RAID Set"
txtSumTotals(0) = "0"
frmGraphic = true
frmGraphic.StorageCage(0).height = 4572
frmGraphic = false
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, GraphicPicturesShapesAndLines) {
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
click cmdAddLogicals
check ckChanUsed(3) 0
click cmdDisplayGraphic
get frmGraphic.imgLgcDrv(0)
get frmGraphic.imgLgcDrv(11)
get frmGraphic.imgLgcDrv(12)
get frmGraphic.imgLgcDrv(12).visible
get frmGraphic.imgLgcDrv(13).left
get frmGraphic.imgLgcDrv(13).top
get frmGraphic.imgHold
get frmGraphic.imgHold.visible
get frmGraphic.StorageCage(0)
get frmGraphic.StorageCage(0).height
get frmGraphic.StorageCage(0).opaque
get frmGraphic.StorageCage(3).opaque
get frmGraphic.StorageCage(3).left
get frmGraphic.lnChannel(1).left
get frmGraphic.lnChannel(1).top
get frmGraphic.lnChannel(1).width
get frmGraphic.lnChannel(1).height
get frmGraphic.lnChannel(3)
get frmGraphic.Line2(0)
get frmGraphic.txtChannel(0)
get frmGraphic.lblController
drag frmGraphic.imgLgcDrv(0) frmGraphic.imgLgcDrv(12)
get frmGraphic.imgLgcDrv(0)
get frmGraphic.imgLgcDrv(12)
drag frmGraphic.imgLgcDrv(5) frmGraphic.imgLgcDrv(5)
get frmGraphic.imgLgcDrv(5)
focus frmSpindex
get frmGraphic
)");
    EXPECT_EQ(result.output, R"(frmGraphic.imgLgcDrv(0) = "diskblue.ico"
frmGraphic.imgLgcDrv(11) = "diskblue.ico"
frmGraphic.imgLgcDrv(12) = "diskredline.ico"
frmGraphic.imgLgcDrv(12).visible = true
frmGraphic.imgLgcDrv(13).left = 1800
frmGraphic.imgLgcDrv(13).top = 1560
frmGraphic.imgHold = ""
frmGraphic.imgHold.visible = false
frmGraphic.StorageCage(0) = true
frmGraphic.StorageCage(0).height = 4572
frmGraphic.StorageCage(0).opaque = false
frmGraphic.StorageCage(3).opaque = true
frmGraphic.StorageCage(3).left = 4200
frmGraphic.lnChannel(1).left = 2040
frmGraphic.lnChannel(1).top = 720
frmGraphic.lnChannel(1).width = 0
frmGraphic.lnChannel(1).height = 600
frmGraphic.lnChannel(3) = false
frmGraphic.Line2(0) = true
frmGraphic.txtChannel(0) = "1"
frmGraphic.lblController = "Arvex Osprey Controller"
frmGraphic.imgLgcDrv(0) = "diskredline.ico"
frmGraphic.imgLgcDrv(12) = "diskblue.ico"
frmGraphic.imgLgcDrv(5) = "diskblue.ico"
frmGraphic = false
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, ReportLinesInDrawingOrder) {
    const BatchResult result = runScript(R"(click Command1
select cmbRaidLevel 5
select cmbDriveSize 36.4
click cmdAddLogicals
click cmdDataReport
get frmLogicalDriveDisplay.lines
)");
    EXPECT_EQ(result.output,
              "frmLogicalDriveDisplay.lines = ["
              R"({"x":1000,"y":0,"size":11,"emphasis":false,"text":"             Total Number of Drives       12"},)"
              R"({"x":1000,"y":253,"size":11,"emphasis":false,"text":" GigaBytes Total Usable Drive Space    400.4"},)"
              R"({"x":1000,"y":506,"size":11,"emphasis":false,"text":"            Number of Channels Used        1"},)"
              R"({"x":1000,"y":759,"size":11,"emphasis":false,"text":"Total Number Low Profile Drive Slot       12"},)"
              R"({"x":0,"y":1012,"size":11,"emphasis":false,"text":"\r\r\r"},)"
              R"({"x":1000,"y":1800,"size":15,"emphasis":true,"text":"  Logical Drive   0    "},)"
              R"({"x":1000,"y":2145,"size":9,"emphasis":false,"text":"           Raid Level      5"},)"
              R"({"x":1000,"y":2352,"size":9,"emphasis":false,"text":"     Number of Drives     12"},)"
              R"({"x":1000,"y":2559,"size":9,"emphasis":false,"text":"      Number of Spans      1"},)"
              R"({"x":1000,"y":2766,"size":9,"emphasis":false,"text":"       Drive Capacity   36.4"},)"
              R"({"x":1000,"y":2973,"size":9,"emphasis":false,"text":"       Total Capacity  400.4"},)"
              R"({"x":1000,"y":3180,"size":9,"emphasis":false,"text":"         Drive Height    Low Profile"},)"
              R"({"x":0,"y":3387,"size":9,"emphasis":false,"text":"\r"}])"
              "\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Get, NameIsPrintedAsWritten) {
    const BatchResult result = runScript("click Command1\nget frmSpindex.cmbRaidLevel.ListIndex\n");
    EXPECT_EQ(result.output, "frmSpindex.cmbRaidLevel.ListIndex = 0\n");
    EXPECT_EQ(result.status, 0);
}

} // namespace
