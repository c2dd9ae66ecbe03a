#pragma once

// The main window frmSpindex: the whole configuration lives in its controls.
//
// Event chain: a user's action reaches a control (userPick, userClick, userType), the control raises
// its handler below, the handler changes other controls, which raise their own handlers nested
// inside it, and messages and questions go out through the program's Host. The windows of the Qt
// build and the batch tool show the controls again after each action.
//
// The behaviour is split by concern over several files: mainform.cpp (controls and load),
// setup.cpp (controller set-up and menus), slots.cpp (channels and drive slots), calculator.cpp
// (inputs, span rules and capacity), table.cpp (adding, deleting, clearing sets), spares.cpp (hot
// spares and drive heights) and totals.cpp.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "analysis/assumptions.h"
#include "drivetypes/drivetypes.h"
#include "proposal/prices.h"
#include "rules/limits.h"
#include "runtime/form.h"

namespace spindex {

constexpr std::int16_t True = -1;
constexpr std::int16_t False = 0;

// Where the manual lies for a program started from programFolder.
std::string manualPath(const std::string& programFolder);

class MainForm : public Form {
public:
    explicit MainForm(Program& program);

    static constexpr int Channels = spindex::Channels;
    static constexpr int Sets = LogicalDrives;
    static constexpr int Totals = 4; // drives, usable gigabytes, channels used, slots used

    // Channels
    Frame Frame5{"Frame5", "RAID Channel Connected"};
    std::array<CheckBox, Channels> ckChanUsed;
    std::array<ListBox, Channels> cmbStorageSel;
    Label lblDispalyMaxDrives{"lblDispalyMaxDrives", "Maximum drives available for storage selected"};
    TextBox txtDisplayMaxDrives{"txtDisplayMaxDrives"};
    Label lblRule{"lblRule"};

    // Totals
    std::array<Label, Totals> Label11;
    std::array<TextBox, Totals> txtSumTotals;
    Label lblController{"lblController"};

    // Calculator
    Frame Frame1{"Frame1", "RAID Capacity Calculator"};
    Label Label2{"Label2", "RAID Level"};
    ListBox cmbRaidLevel{"cmbRaidLevel"};
    Label Label1{"Label1", "Maximum Drives per RAID Set"};
    ListBox cmbMaxDrives{"cmbMaxDrives"};
    Label Label3{"Label3", "Drive Size"};
    ListBox cmbDriveSize{"cmbDriveSize"};
    Frame frameDHCalc{"frameDHCalc"};
    std::array<OptionButton, 2> optDriveH;
    Label lblSpan{"lblSpan", "Number of Spans"};
    ListBox cmbNumSpans{"cmbNumSpans"};
    Label Label4{"Label4", "Number of RAID sets"};
    ListBox cmbNumRdSets{"cmbNumRdSets"};
    Label Label12{"Label12", "Tuning Options"};
    std::array<OptionButton, 3> Option5;
    Label Label5{"Label5", "GigaBytes - Capacity per RAID Set"};
    TextBox TxtLogicalCap{"TxtLogicalCap"};
    Label Label6{"Label6", "GigaBytes - Total Capacity"};
    TextBox TxtTotalCap{"TxtTotalCap"};
    Label Label13{"Label13", "Total Drives for this configuration"};
    TextBox txtTotalDrives{"txtTotalDrives"};
    Button CmdCalc{"CmdCalc", "&Calculate"};
    static constexpr const char* SpanToolTip = "Select the number of RAID spans";

    // Logical-drive tabs
    TabControl SSTab1{"SSTab1"};
    std::array<Label, 5 * Sets> Label8;
    std::array<TextBox, 5 * Sets> Text1;
    std::array<LineShape, Sets> Line1;
    std::array<Frame, Sets> frameDH;
    std::array<OptionButton, 2 * Sets> optLogDriveH;
    std::array<Frame, Sets> Frame2;
    std::array<OptionButton, 2 * Sets> optLocHotSpr;
    std::array<TextBox, 2 * Sets> txtLocSpr;
    std::array<Label, 2 + 2 * Sets> Label9;

    // Commands and global hot spare
    Button cmdAddLogicals{"cmdAddLogicals", "&Add to Next Available RAID Set"};
    Button cmdClearOne{"cmdClearOne", "&Delete Current RAID Set"};
    Button cmdClearAll{"cmdClearAll", "C&Lear all RAID Sets"};
    Button cmdDataReport{"cmdDataReport", "Display/&Print all Logical Drives"};
    Button cmdDisplayGraphic{"cmdDisplayGraphic", "Display Graphics"};
    Frame Frame3{"Frame3", "Global Hot Spare"};
    Frame Frame4{"Frame4"};
    std::array<OptionButton, 2> optGlobHotSpH;
    std::array<OptionButton, 2> optGlobHotSpr;
    TextBox Text2{"Text2", "0"};
    ListBox cmbGlobalHotSpareSize{"cmbGlobalHotSpareSize"};

    // Menus
    MenuItem mnuFile{"mnuFile", "&File"};
    MenuItem mnuOpenPlan{"mnuOpenPlan", "&Open Plan..."};
    MenuItem mnuSavePlan{"mnuSavePlan", "&Save Plan"};
    MenuItem mnuSavePlanAs{"mnuSavePlanAs", "Save Plan &As..."};
    MenuItem mnuRecover{"mnuRecover", "&Recover Unsaved Plan"};
    MenuItem mnuSave{"mnuSave", "Save Data As"};
    MenuItem mnuDisplay{"mnuDisplay", "Display Configuration"};
    MenuItem mnuPrint{"mnuPrint", "Print Configuration"};
    MenuItem mnuPrintSetup{"mnuPrintSetup", "Printer Setup"};
    MenuItem mnuClose{"mnuClose", "Exit"};
    MenuItem mnuPlan{"mnuPlan", "&Plan"};
    MenuItem mnuPlanSummary{"mnuPlanSummary", "S&ummary"};
    MenuItem mnuAssumptions{"mnuAssumptions", "&Assumptions..."};
    MenuItem mnuAlternatives{"mnuAlternatives", "A&lternatives..."};
    MenuItem mnuComparePlans{"mnuComparePlans", "&Compare Plans..."};
    MenuItem mnuProposal{"mnuProposal", "&Proposal..."};
    MenuItem mnuDriveTypes{"mnuDriveTypes", "&Drive Types..."};
    MenuItem mnuControllerTop{"mnuControllerTop", "Con&troller"};
    std::array<MenuItem, ControllerModels + 1> mnuController; // items 1 to 8; 0 is not on the menu
    MenuItem mnuRule{"mnuRule", "Rules"};
    std::array<MenuItem, 4> mnuRules;
    MenuItem mnuHelp{"mnuHelp", "&Help"};
    MenuItem mnuManual{"mnuManual", "Spindex &Manual"};
    MenuItem mnuEmail{"mnuEmail", "Email"};
    MenuItem mnuAbout{"mnuAbout", "A&bout"};

    // Window-level variables
    std::int16_t MaxSlots = 36;
    double LogDrivesAvail = Sets;
    double LPSlotsUsed = 0;
    std::int16_t LogDrvHUser = True;
    std::int16_t SuppressCalc = False;
    std::int16_t FormLoading = False;
    std::int16_t RaidLevelChanging = False;
    std::int16_t ClearAllNoAsk = False;
    std::int16_t RuleSet = 0;
    std::string helpFile;
    // What the risk and speed figures assume; kept with the plan.
    Assumptions PlanAssumptions;
    // The customer's proposal: its texts and the unit prices; kept with the plan.
    Proposal PlanProposal;
    // The plan's own drive types, in the order added; the size lists show them with the built-in sizes.
    std::vector<DriveType> PlanDriveTypes;
    // Both size lists afresh from the built-in sizes and the plan's types, without their handlers.
    void showDriveSizes();
    // The size of a list entry, built in or one of the plan's types.
    std::optional<DriveSize> driveSizeOf(const std::string& text) const { return findDriveSize(PlanDriveTypes, text); }

    void Form_Load();

    // Controller set-up and menus
    void SetupController(std::int16_t id);
    void mnuController_Click(int index);
    void mnuRules_Click(int index);
    void mnuClose_Click();
    void mnuSave_Click();
    void mnuDisplay_Click();
    void mnuPlanSummary_Click();
    void mnuAssumptions_Click();
    void mnuAlternatives_Click();
    void mnuComparePlans_Click();
    void mnuProposal_Click();
    void mnuDriveTypes_Click();
    void mnuPrint_Click();
    void mnuPrintSetup_Click();
    void mnuManual_Click();
    void mnuEmail_Click();
    void mnuAbout_Click();

    // Channels and drive slots
    void CalcSlots();
    void cmbStorageSel_Click(int index);
    void ckChanUsed_Click(int index);

    // Calculator
    void cmbRaidLevel_Click();
    void ApplySpanRules();
    void cmbNumSpans_Click();
    void cmbMaxDrives_Click();
    void cmbDriveSize_Click();
    void optDriveH_Click(int index);
    void CmdCalc_Click();
    void Calc_Logical();
    void Calc_Total();

    // RAID set table
    // Whether "Add to Next Available RAID Set" would take the calculator's sets now, and if not,
    // what it lacks. Add itself decides with this, after recalculating.
    enum class AddRefusal { None, Unreadable, LogicalDrives, Slots };
    struct AddCheck {
        AddRefusal refusal = AddRefusal::None;
        int freeTabs = 0;
        double logicalDrivesNeeded = 0;
        double slotUnitsNeeded = 0;
    };
    AddCheck addCheck() const;
    void cmdAddLogicals_Click();
    void ReserveSpanLogDrives();
    void cmdClearOne_Click();
    void ReleaseSpanLogDrives();
    void cmdClearAll_Click();
    void cmdDataReport_Click();
    void cmdDisplayGraphic_Click();

    // Hot spares and drive heights
    void optLocHotSpr_Click(int index);
    void optGlobHotSpr_Click(int index);
    void Text2_Change();
    void optGlobHotSpH_Click(int index);
    void optLogDriveH_Click(int index);

    // Totals
    void CalcTotals();
    // The hidden total of channels in use (ticked), which the report and the text export list.
    void CountChannelsUsed();

    // Asked before Exit ends the program; false keeps it running. The plan document asks here
    // whether to save a modified plan.
    std::function<bool()> mayClose;
    // The caption of a new plan: the program's name and version.
    static std::string programCaption();

    // The RAID set on a tab, field by field: its five values (Text1), their captions (Label8), its
    // height and local spare options, and the spare's count and size boxes.
    enum class SetField { Level, Drives, Spans, DriveSize, Capacity };
    static constexpr int SetFields = 5;
    TextBox& tabField(int tab, SetField f) { return Text1[at(tab, SetFields, static_cast<int>(f))]; }
    const TextBox& tabField(int tab, SetField f) const { return Text1[at(tab, SetFields, static_cast<int>(f))]; }
    const Label& tabFieldLabel(int tab, SetField f) const { return Label8[at(tab, SetFields, static_cast<int>(f))]; }
    Label& tabFieldLabel(int tab, SetField f) { return Label8[at(tab, SetFields, static_cast<int>(f))]; }
    TextBox& tabLevel(int tab) { return tabField(tab, SetField::Level); }
    const TextBox& tabLevel(int tab) const { return tabField(tab, SetField::Level); }
    TextBox& tabDrives(int tab) { return tabField(tab, SetField::Drives); }
    const TextBox& tabDrives(int tab) const { return tabField(tab, SetField::Drives); }
    TextBox& tabSpans(int tab) { return tabField(tab, SetField::Spans); }
    const TextBox& tabSpans(int tab) const { return tabField(tab, SetField::Spans); }
    TextBox& tabDriveSize(int tab) { return tabField(tab, SetField::DriveSize); }
    const TextBox& tabDriveSize(int tab) const { return tabField(tab, SetField::DriveSize); }
    TextBox& tabCapacity(int tab) { return tabField(tab, SetField::Capacity); }
    const TextBox& tabCapacity(int tab) const { return tabField(tab, SetField::Capacity); }
    OptionButton& tabHeightOption(int tab, bool halfHeight) { return optLogDriveH[at(tab, 2, halfHeight ? 0 : 1)]; }
    OptionButton& tabSpareOption(int tab, bool yes) { return optLocHotSpr[at(tab, 2, yes ? 0 : 1)]; }
    TextBox& tabSpareCount(int tab) { return txtLocSpr[at(tab, 2, 0)]; }
    const TextBox& tabSpareCount(int tab) const { return txtLocSpr[at(tab, 2, 0)]; }
    TextBox& tabSpareSize(int tab) { return txtLocSpr[at(tab, 2, 1)]; }
    const TextBox& tabSpareSize(int tab) const { return txtLocSpr[at(tab, 2, 1)]; }
    // The captions of the spare's count and size boxes; the first two of Label9 are the global spare's.
    Label& tabSpareCountLabel(int tab) { return Label9[2 + at(tab, 2, 0)]; }
    Label& tabSpareSizeLabel(int tab) { return Label9[2 + at(tab, 2, 1)]; }

    bool tabHoldsSet(int tab) const { return !tabLevel(tab).text().empty(); }
    bool tabHalfHeight(int tab) const { return optLogDriveH[at(tab, 2, 0)].value(); }
    bool tabHasLocalSpare(int tab) const { return optLocHotSpr[at(tab, 2, 0)].value(); }
    bool globalHalfHeight() const { return optGlobHotSpH[0].value(); }

private:
    // Position in a control array that holds `per` controls for each tab.
    static constexpr std::size_t at(int tab, int per, int k) { return static_cast<std::size_t>(per * tab + k); }
    void createControls();
    void moveSet(int from, int to);
    void emptyTab(int tab);
    // Slot units of the sets and their local spares, without the global spares.
    double setSlotUnits() const;
    // The global spare count against the free slots: false when it had to be lowered.
    bool checkGlobalSpareCount(double count);
    std::string m_lastGlobalCount = "0";
    bool m_movingSets = false;        // a delete is moving sets down with their spares
    std::deque<OptionGroup> m_groups; // stable addresses: the buttons point at their group
};

} // namespace spindex
