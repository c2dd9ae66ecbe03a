// The splash screen hands over to the controller selection window after 5000 ms of virtual time, at
// a key press, or at one of its listed clicks; the selection window configures the controller.

#include <gtest/gtest.h>

#include "batchscript.h"

using namespace spindex::batchtest;

namespace {

TEST(Splash, ShownAtStartWithTheSelectionWindowBehind) {
    const BatchResult result = runScript(R"(get frmSplash
get frmSplash.visible
get frmSelectController
get frmSelectController.visible
get cmbSelectCont
get frmSelectController.cmbSelectCont.listindex
get ControllerType
get frmSpindex
)");
    EXPECT_EQ(result.output, R"(frmSplash = true
frmSplash.visible = true
frmSelectController = true
frmSelectController.visible = true
cmbSelectCont = "Arvex Osprey"
frmSelectController.cmbSelectCont.listindex = 5
ControllerType = 6
frmSpindex = false
)");
    EXPECT_EQ(result.status, 0);
}

TEST(Splash, TimerFiresAtFiveThousandMilliseconds) {
    const BatchResult result = runScript(R"(wait 4999
get frmSplash
wait 1
get frmSplash
get frmSelectController.visible
)");
    EXPECT_EQ(result.output, "frmSplash = true\nfrmSplash = false\nfrmSelectController.visible = true\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Splash, OneWaitOfFiveThousandHandsOver) {
    const BatchResult result = runScript("wait 5000\nget frmSplash\nwait 100000\nget frmSelectController\n");
    EXPECT_EQ(result.output, "frmSplash = false\nfrmSelectController = true\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Splash, KeyHandsOver) {
    const BatchResult result = runScript("key frmSplash\nget frmSplash\nget frmSelectController\nkey frmSplash\n");
    EXPECT_EQ(result.output,
              "frmSplash = false\nfrmSelectController = true\nerror: window frmSplash is not loaded\n");
    EXPECT_EQ(result.status, 1);
}

class SplashListedClick : public testing::TestWithParam<const char*> {};

TEST_P(SplashListedClick, HandsOver) {
    const BatchResult result = runScript(std::string("click frmSplash.") + GetParam() +
                                         "\nget frmSplash\nget frmSelectController.visible\n");
    EXPECT_EQ(result.output, "frmSplash = false\nfrmSelectController.visible = true\n");
    EXPECT_EQ(result.status, 0);
}

INSTANTIATE_TEST_SUITE_P(Controls, SplashListedClick,
                         testing::Values("Frame1", "imgLogo", "lblProductName", "lblPlatform"));

TEST(Splash, ClickOnALabelWithoutHandlerDoesNothing) {
    const BatchResult result = runScript(R"(click frmSplash.lblVersion
click frmSplash.lblCompany
get frmSplash
get frmSplash.lblVersion
wait 4999
get frmSplash
)");
    EXPECT_EQ(result.output, "frmSplash = true\nfrmSplash.lblVersion = \"Version 1.1.7\"\nfrmSplash = true\n");
    EXPECT_EQ(result.status, 0);
}

TEST(Splash, TimerLeftRunningDoesNotDisturbTheMainWindow) {
    // "Configure Controller" straight away: the splash still hands over later, to nothing.
    const BatchResult result = runScript(R"(click Command1
wait 5000
get frmSplash
get frmSelectController
get frmSpindex.visible
get ControllerType
)");
    EXPECT_EQ(result.output,
              "frmSplash = false\nfrmSelectController = false\nfrmSpindex.visible = true\nControllerType = 6\n");
    EXPECT_EQ(result.status, 0);
}

TEST(SelectController, PickedControllerIsConfigured) {
    const BatchResult result = runScript(R"(key frmSplash
select cmbSelectCont "Arvex Lark"
get ControllerType
click Command1
get frmSelectController
get frmSpindex.caption
get lblController
get ckChanUsed(1).enabled
get cmbRaidLevel.items
get cmbSelectCont
)");
    EXPECT_EQ(result.output, R"x(ControllerType = 1
frmSelectController = false
frmSpindex.caption = "Spindex (Beta 1.1.7)"
lblController = "Arvex Lark Controller"
ckChanUsed(1).enabled = false
cmbRaidLevel.items = ["0","1","3","5","10","30","50"]
error: unknown control cmbSelectCont
)x");
    EXPECT_EQ(result.status, 1);
}

} // namespace
