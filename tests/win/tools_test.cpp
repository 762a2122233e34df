// The two tool windows, driven as a user would: opened from the Tools menu,
// typed into, keyboard-navigated, closed by their buttons and by mode switches.
#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui/shell.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

const int EffortInputs[5] = {IDC_EFFCALC_EXP_HP, IDC_EFFCALC_EXP_ATK, IDC_EFFCALC_EXP_DEF,
                             IDC_EFFCALC_EXP_SPE, IDC_EFFCALC_EXP_SPC};
const int EffortOutputs[5] = {IDC_EFFCALC_LV_HP, IDC_EFFCALC_LV_ATK, IDC_EFFCALC_LV_DEF,
                              IDC_EFFCALC_LV_SPE, IDC_EFFCALC_LV_SPC};
const int IvInputs[7] = {IDC_HPCALC_HP,  IDC_HPCALC_ATK, IDC_HPCALC_DEF, IDC_HPCALC_SPA,
                         IDC_HPCALC_SPD, IDC_HPCALC_SPE, IDC_HPCALC_SPC};
const UINT LaterModes[5] = {IDM_MODE_RS, IDM_MODE_EMERALD, IDM_MODE_FIRERED, IDM_MODE_LEAFGREEN,
                            IDM_MODE_DP};
const UINT HiddenPowerModes[6] = {IDM_MODE_GSC,     IDM_MODE_RS,        IDM_MODE_EMERALD,
                                  IDM_MODE_FIRERED, IDM_MODE_LEAFGREEN, IDM_MODE_DP};

// The two tools, for the behaviour they share.
struct Tool {
    const char *name;
    UINT command;
    HWND *record;
    const char *caption;
    int firstInput, closeButton;
    UINT mode; // a mode in which the tool is offered
};
const Tool Tools[2] = {
    {"effort", IDM_TOOL_EFFORT, &EffortToolWindow, "努力レベル計算機", IDC_EFFCALC_EXP_HP,
     IDC_EFFCALC_CLOSE, IDM_MODE_GSC},
    {"hidden power", IDM_TOOL_HIDDENPOWER, &HiddenPowerToolWindow, "めざめるパワー計算機",
     IDC_HPCALC_HP, IDC_HPCALC_CLOSE, IDM_MODE_DP},
};

std::string Caption(HWND window)
{
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Top-level windows of this thread with the tool's caption.
int CountWindowsCaptioned(const char *caption)
{
    struct Search {
        const char *caption;
        int count;
    } search = {caption, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            Search *s = (Search *)data;
            if (IsWindowVisible(window) && Caption(window) == s->caption)
                s->count++;
            return TRUE;
        },
        (LPARAM)&search);
    return search.count;
}

class ToolsTest : public MainWindowTest
{
  protected:
    HWND Open(const Tool &tool)
    {
        ChooseMenu(window, tool.command);
        return *tool.record;
    }
    HWND OpenEffortTool(UINT mode)
    {
        ChooseMenu(window, mode);
        return Open(Tools[0]);
    }
    HWND OpenHiddenPowerTool(UINT mode)
    {
        ChooseMenu(window, mode);
        return Open(Tools[1]);
    }
    // Empties an input, then types `text` into it key by key.
    void Retype(HWND tool, int id, const char *text)
    {
        SetText(tool, id, "");
        TypeKeys(Control(tool, id), text);
    }
    void TearDown() override
    {
        // Whatever a test left open goes with the main window, records included.
        MainWindowTest::TearDown();
        EXPECT_TRUE(EffortToolWindow == NULL);
        EXPECT_TRUE(HiddenPowerToolWindow == NULL);
    }
};

// ---- both tools -------------------------------------------------------------

TEST_F(ToolsTest, MenuCommandOpensOneToolOwnedByTheMainWindow)
{
    for (const Tool &tool : Tools) {
        SCOPED_TRACE(tool.name);
        ChooseMenu(window, tool.mode);
        HWND opened = Open(tool);
        ASSERT_TRUE(opened != NULL && IsWindowVisible(opened));
        EXPECT_EQ(tool.caption, Caption(opened));
        EXPECT_EQ(window, GetWindow(opened, GW_OWNER));
        // A small tool window: no taskbar button.
        EXPECT_TRUE(GetWindowLongA(opened, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        Click(opened, tool.closeButton);
    }
}

TEST_F(ToolsTest, SecondCommandRestoresTheMinimisedToolInsteadOfOpeningAnother)
{
    for (const Tool &tool : Tools) {
        SCOPED_TRACE(tool.name);
        ChooseMenu(window, tool.mode);
        HWND first = Open(tool);
        ASSERT_TRUE(first != NULL);
        SetText(first, tool.firstInput, "12");
        ShowWindow(first, SW_MINIMIZE);
        PumpMessages();
        ASSERT_TRUE(IsIconic(first));
        SetActiveWindow(window);

        EXPECT_EQ(first, Open(tool));
        EXPECT_FALSE(IsIconic(first));
        EXPECT_EQ(first, GetActiveWindow());
        EXPECT_EQ(1, CountWindowsCaptioned(tool.caption));
        // Contents stay as they were.
        EXPECT_EQ("12", Text(first, tool.firstInput));
        Click(first, tool.closeButton);
    }
}

TEST_F(ToolsTest, CloseButtonAndCloseBoxEndTheToolAndTheNextOneStartsAfresh)
{
    for (const Tool &tool : Tools) {
        for (bool closeBox : {false, true}) {
            SCOPED_TRACE(std::string(tool.name) + (closeBox ? " close box" : " close button"));
            ChooseMenu(window, tool.mode);
            HWND opened = Open(tool);
            ASSERT_TRUE(opened != NULL);
            SetText(opened, tool.firstInput, "9");
            if (closeBox) {
                SendMessageA(opened, WM_SYSCOMMAND, SC_CLOSE, 0);
                PumpMessages();
            } else {
                Click(opened, tool.closeButton);
            }
            EXPECT_FALSE(IsWindow(opened));
            EXPECT_TRUE(*tool.record == NULL);

            HWND again = Open(tool);
            ASSERT_TRUE(again != NULL);
            EXPECT_EQ("", Text(again, tool.firstInput));
            Click(again, tool.closeButton);
        }
    }
}

TEST_F(ToolsTest, ClosingTheMainWindowTakesTheToolsAndTheirRecordsWithIt)
{
    HWND effort = OpenEffortTool(IDM_MODE_GSC);
    HWND hiddenPower = Open(Tools[1]);
    ASSERT_TRUE(effort != NULL && hiddenPower != NULL);

    CloseProgramWindow(window);
    EXPECT_FALSE(IsWindow(effort));
    EXPECT_FALSE(IsWindow(hiddenPower));
    // No stale handle is left for the loop or the shutdown to use.
    EXPECT_TRUE(EffortToolWindow == NULL);
    EXPECT_TRUE(HiddenPowerToolWindow == NULL);
}

// ---- effort level calculator ---------------------------------------------------

TEST_F(ToolsTest, EffortToolOpensWithEmptyInputsZeroLevelsAndFocusOnHp)
{
    HWND tool = OpenEffortTool(IDM_MODE_RGBY);
    ASSERT_TRUE(tool != NULL);
    for (int row = 0; row < 5; row++) {
        EXPECT_EQ("", Text(tool, EffortInputs[row]));
        EXPECT_EQ("0", Text(tool, EffortOutputs[row]));
    }
    EXPECT_EQ(Control(tool, IDC_EFFCALC_EXP_HP), GetFocus());
}

TEST_F(ToolsTest, EffortToolConvertsStatExperienceAsItIsTyped)
{
    // Level L is first reached at stat experience (4L - 1)^2 + 1, and 63 is the cap.
    const struct {
        const char *statExp;
        const char *level;
    } Cases[] = {{"0", "0"},      {"1", "0"},      {"9", "0"},      {"10", "1"},
                 {"49", "1"},     {"50", "2"},     {"122", "3"},    {"10000", "25"},
                 {"63001", "62"}, {"63002", "63"}, {"65025", "63"}, {"65535", "63"}};
    HWND tool = OpenEffortTool(IDM_MODE_GSC);
    ASSERT_TRUE(tool != NULL);
    int row = 0;
    for (const auto &c : Cases) {
        SCOPED_TRACE(c.statExp);
        Retype(tool, EffortInputs[row], c.statExp);
        EXPECT_EQ(c.statExp, Text(tool, EffortInputs[row]));
        EXPECT_EQ(c.level, Text(tool, EffortOutputs[row]));
        row = (row + 1) % 5;
    }
}

TEST_F(ToolsTest, EffortToolClampsToSixtyFiveThousandAndTakesNoSixthDigit)
{
    HWND tool = OpenEffortTool(IDM_MODE_RGBY);
    ASSERT_TRUE(tool != NULL);
    Retype(tool, IDC_EFFCALC_EXP_DEF, "70000");
    EXPECT_EQ("65535", Text(tool, IDC_EFFCALC_EXP_DEF));
    EXPECT_EQ("63", Text(tool, IDC_EFFCALC_LV_DEF));

    TypeKeys(Control(tool, IDC_EFFCALC_EXP_DEF), "9");
    EXPECT_EQ("65535", Text(tool, IDC_EFFCALC_EXP_DEF));

    // A pasted text is not limited by the typing limit, but is still clamped.
    SetText(tool, IDC_EFFCALC_EXP_DEF, "123456789");
    EXPECT_EQ("65535", Text(tool, IDC_EFFCALC_EXP_DEF));
    EXPECT_EQ("63", Text(tool, IDC_EFFCALC_LV_DEF));
}

TEST_F(ToolsTest, EffortToolShowsZeroForAnEmptiedInputAndLeavesItEmpty)
{
    HWND tool = OpenEffortTool(IDM_MODE_RGBY);
    ASSERT_TRUE(tool != NULL);
    Retype(tool, IDC_EFFCALC_EXP_SPC, "5000");
    ASSERT_EQ("17", Text(tool, IDC_EFFCALC_LV_SPC));
    SetText(tool, IDC_EFFCALC_EXP_SPC, "");
    EXPECT_EQ("", Text(tool, IDC_EFFCALC_EXP_SPC));
    EXPECT_EQ("0", Text(tool, IDC_EFFCALC_LV_SPC));
}

TEST_F(ToolsTest, AutoFillWritesSpecialWhereTheModeAtTheClickKeepsIt)
{
    // The first generation has a Special effort field; the second keeps its
    // one Special effort in the Sp. Atk field. What counts is the mode at the
    // click, not the one the tool was opened in.
    const struct {
        UINT openedIn, clickedIn;
        int specialField, otherSpecialField;
    } Cases[] = {
        {IDM_MODE_RGBY, IDM_MODE_RGBY, IDC_EFFORT_SPC, IDC_EFFORT_SPA},
        {IDM_MODE_GSC, IDM_MODE_GSC, IDC_EFFORT_SPA, IDC_EFFORT_SPC},
        {IDM_MODE_RGBY, IDM_MODE_GSC, IDC_EFFORT_SPA, IDC_EFFORT_SPC},
        {IDM_MODE_GSC, IDM_MODE_RGBY, IDC_EFFORT_SPC, IDC_EFFORT_SPA},
    };
    for (const auto &c : Cases) {
        SCOPED_TRACE(testing::Message() << c.openedIn << " then " << c.clickedIn);
        HWND tool = OpenEffortTool(c.openedIn);
        ASSERT_TRUE(tool != NULL);
        const char *const StatExp[5] = {"10", "50", "122", "10000", "65535"};
        for (int row = 0; row < 5; row++)
            SetText(tool, EffortInputs[row], StatExp[row]);
        ChooseMenu(window, c.clickedIn);
        ASSERT_EQ(tool, EffortToolWindow) << "a switch between the first two generations keeps it";
        SetText(window, IDC_EFFORT_SPD, "5"); // a field the tool never writes
        SetText(window, c.otherSpecialField, "4");

        Click(tool, IDC_EFFCALC_AUTOFILL);
        EXPECT_EQ("1", Text(window, IDC_EFFORT_HP));
        EXPECT_EQ("2", Text(window, IDC_EFFORT_ATK));
        EXPECT_EQ("3", Text(window, IDC_EFFORT_DEF));
        EXPECT_EQ("25", Text(window, IDC_EFFORT_SPE));
        EXPECT_EQ("63", Text(window, c.specialField));
        EXPECT_EQ("4", Text(window, c.otherSpecialField));
        EXPECT_EQ("5", Text(window, IDC_EFFORT_SPD));
        Click(tool, IDC_EFFCALC_CLOSE);
    }
}

TEST_F(ToolsTest, EffortToolKeyboardTabsThroughItAndEnterPressesAutoFill)
{
    HWND tool = OpenEffortTool(IDM_MODE_RGBY);
    ASSERT_TRUE(tool != NULL);
    ASSERT_EQ(Control(tool, IDC_EFFCALC_EXP_HP), GetFocus());

    // The levels are not tab stops: the inputs, then the two buttons.
    const int Order[] = {IDC_EFFCALC_EXP_ATK, IDC_EFFCALC_EXP_DEF,  IDC_EFFCALC_EXP_SPE,
                         IDC_EFFCALC_EXP_SPC, IDC_EFFCALC_AUTOFILL, IDC_EFFCALC_CLOSE,
                         IDC_EFFCALC_EXP_HP};
    for (int id : Order) {
        PressKey(VK_TAB);
        EXPECT_EQ(Control(tool, id), GetFocus()) << "Tab to " << id;
    }
    PressShiftTab();
    EXPECT_EQ(Control(tool, IDC_EFFCALC_CLOSE), GetFocus());
    PressShiftTab();
    PressShiftTab();
    ASSERT_EQ(Control(tool, IDC_EFFCALC_EXP_SPC), GetFocus());

    TypeKeys(GetFocus(), "400");
    PressKey(VK_RETURN);
    EXPECT_EQ("5", Text(window, IDC_EFFORT_SPC));
    EXPECT_TRUE(IsWindow(tool)) << "Enter presses the default button, it does not close";
}

TEST_F(ToolsTest, EffortToolIsOfferedOnlyInTheFirstTwoGenerations)
{
    for (UINT mode : {IDM_MODE_RGBY, IDM_MODE_GSC}) {
        ChooseMenu(window, mode);
        EXPECT_FALSE(MenuState(window, IDM_TOOL_EFFORT) & MF_GRAYED);
    }
    for (UINT mode : LaterModes) {
        SCOPED_TRACE(mode);
        ChooseMenu(window, mode);
        EXPECT_TRUE(MenuState(window, IDM_TOOL_EFFORT) & MF_GRAYED);
        // Nor does the command open it from anywhere else.
        EXPECT_TRUE(Open(Tools[0]) == NULL);
    }
}

TEST_F(ToolsTest, SwitchingToALaterGenerationClosesTheEffortTool)
{
    for (UINT later : LaterModes) {
        SCOPED_TRACE(later);
        HWND tool = OpenEffortTool(IDM_MODE_GSC);
        ASSERT_TRUE(tool != NULL);
        ChooseMenu(window, IDM_MODE_RGBY);
        ASSERT_EQ(tool, EffortToolWindow);

        ChooseMenu(window, later);
        EXPECT_FALSE(IsWindow(tool));
        EXPECT_TRUE(EffortToolWindow == NULL);
    }
}

// ---- hidden power calculator ----------------------------------------------------

TEST_F(ToolsTest, HiddenPowerToolShowsTypeAndPowerOfTheTypedValues)
{
    // Inputs in slot order: HP, Attack, Defense, Sp. Atk, Sp. Def, Speed, Special.
    const struct {
        UINT mode;
        const char *values[7];
        const char *type, *power;
    } Cases[] = {
        {IDM_MODE_DP, {"31", "31", "31", "31", "31", "31", ""}, "あく", "70"},
        {IDM_MODE_DP, {"0", "0", "0", "0", "0", "0", ""}, "かくとう", "30"},
        // Speed weighs more than Sp. Atk and Sp. Def in the type.
        {IDM_MODE_EMERALD, {"31", "31", "31", "31", "31", "30", ""}, "こおり", "70"},
        {IDM_MODE_EMERALD, {"31", "31", "31", "30", "31", "31", ""}, "でんき", "70"},
        {IDM_MODE_LEAFGREEN, {"31", "30", "31", "31", "31", "31", ""}, "ドラゴン", "70"},
        {IDM_MODE_GSC, {"15", "15", "15", "", "", "15", "15"}, "あく", "70"},
        {IDM_MODE_GSC, {"0", "0", "0", "", "", "0", "0"}, "かくとう", "31"},
    };
    for (const auto &c : Cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.type);
        HWND tool = OpenHiddenPowerTool(c.mode);
        ASSERT_TRUE(tool != NULL);
        EXPECT_EQ("", Text(tool, IDC_HPCALC_TYPE)) << "nothing before the first input";
        EXPECT_EQ("", Text(tool, IDC_HPCALC_POWER));
        for (int slot = 0; slot < 7; slot++)
            if (*c.values[slot] != 0)
                SetText(tool, IvInputs[slot], c.values[slot]);
        EXPECT_EQ(c.type, Text(tool, IDC_HPCALC_TYPE));
        EXPECT_EQ(c.power, Text(tool, IDC_HPCALC_POWER));
        Click(tool, IDC_HPCALC_CLOSE);
    }
}

TEST_F(ToolsTest, HiddenPowerInGoldSilverCrystalIgnoresTheHpInput)
{
    HWND tool = OpenHiddenPowerTool(IDM_MODE_GSC);
    ASSERT_TRUE(tool != NULL);
    SetText(tool, IDC_HPCALC_ATK, "13");
    SetText(tool, IDC_HPCALC_DEF, "6");
    SetText(tool, IDC_HPCALC_SPE, "9");
    SetText(tool, IDC_HPCALC_SPC, "10");
    const std::string type = Text(tool, IDC_HPCALC_TYPE), power = Text(tool, IDC_HPCALC_POWER);
    ASSERT_NE("", type);
    for (const char *hp : {"0", "7", "8", "15", ""}) {
        SCOPED_TRACE(hp);
        SetText(tool, IDC_HPCALC_HP, hp);
        EXPECT_EQ(type, Text(tool, IDC_HPCALC_TYPE));
        EXPECT_EQ(power, Text(tool, IDC_HPCALC_POWER));
    }
}

TEST_F(ToolsTest, HiddenPowerInputsAreClampedToTheGenerationsMaximum)
{
    const struct {
        UINT mode;
        int input;
        const char *typed, *shown;
    } Cases[] = {
        {IDM_MODE_DP, IDC_HPCALC_ATK, "40", "31"},
        {IDM_MODE_RS, IDC_HPCALC_SPD, "99999999999999", "31"},
        {IDM_MODE_GSC, IDC_HPCALC_SPC, "20", "15"},
        {IDM_MODE_GSC, IDC_HPCALC_HP, "16", "15"},
        {IDM_MODE_DP, IDC_HPCALC_SPE, "031", "031"}, // in range: left as typed
    };
    for (const auto &c : Cases) {
        SCOPED_TRACE(c.typed);
        HWND tool = OpenHiddenPowerTool(c.mode);
        ASSERT_TRUE(tool != NULL);
        Retype(tool, c.input, c.typed);
        EXPECT_EQ(c.shown, Text(tool, c.input));
        Click(tool, IDC_HPCALC_CLOSE);
    }
    // The clamped value is what the result is computed from: all 31.
    HWND tool = OpenHiddenPowerTool(IDM_MODE_DP);
    for (int slot = 0; slot < 6; slot++)
        Retype(tool, IvInputs[slot], "99");
    EXPECT_EQ("あく", Text(tool, IDC_HPCALC_TYPE));
    EXPECT_EQ("70", Text(tool, IDC_HPCALC_POWER));
}

TEST_F(ToolsTest, HiddenPowerInputsFollowTheModesStats)
{
    // Gold/Silver/Crystal has one Special value; the later games split it.
    const int Always[] = {IDC_HPCALC_HP,        IDC_HPCALC_ATK,      IDC_HPCALC_DEF,
                          IDC_HPCALC_SPE,       IDC_HPCALC_HP_LABEL, IDC_HPCALC_ATK_LABEL,
                          IDC_HPCALC_DEF_LABEL, IDC_HPCALC_SPE_LABEL};
    const int Split[] = {IDC_HPCALC_SPA, IDC_HPCALC_SPD, IDC_HPCALC_SPA_LABEL,
                         IDC_HPCALC_SPD_LABEL};
    const int Special[] = {IDC_HPCALC_SPC, IDC_HPCALC_SPC_LABEL};
    for (UINT mode : HiddenPowerModes) {
        SCOPED_TRACE(mode);
        HWND tool = OpenHiddenPowerTool(mode);
        ASSERT_TRUE(tool != NULL);
        EXPECT_FALSE(MenuState(window, IDM_TOOL_HIDDENPOWER) & MF_GRAYED);
        const bool gen2 = mode == IDM_MODE_GSC;
        for (bool afterInput : {false, true}) {
            if (afterInput)
                SetText(tool, IDC_HPCALC_ATK, "3");
            for (int id : Always)
                EXPECT_TRUE(IsEnabled(tool, id)) << id;
            for (int id : Split)
                EXPECT_EQ(!gen2, IsEnabled(tool, id)) << id;
            for (int id : Special)
                EXPECT_EQ(gen2, IsEnabled(tool, id)) << id;
        }
        Click(tool, IDC_HPCALC_CLOSE);
    }
}

TEST_F(ToolsTest, HiddenPowerToolIsNotOfferedInRedGreenBluePikachu)
{
    ChooseMenu(window, IDM_MODE_RGBY);
    EXPECT_TRUE(MenuState(window, IDM_TOOL_HIDDENPOWER) & MF_GRAYED);
    // The first generation has no hidden power: the command opens nothing.
    EXPECT_TRUE(Open(Tools[1]) == NULL);
}

TEST_F(ToolsTest, EveryModeCommandClosesTheHiddenPowerTool)
{
    // Including the mode already in force: the tool computes for one mode only.
    const UINT Pairs[][2] = {{IDM_MODE_DP, IDM_MODE_DP},
                             {IDM_MODE_DP, IDM_MODE_RS},
                             {IDM_MODE_FIRERED, IDM_MODE_GSC},
                             {IDM_MODE_GSC, IDM_MODE_RGBY},
                             {IDM_MODE_GSC, IDM_MODE_LEAFGREEN}};
    for (const auto &pair : Pairs) {
        SCOPED_TRACE(testing::Message() << pair[0] << " to " << pair[1]);
        HWND tool = OpenHiddenPowerTool(pair[0]);
        ASSERT_TRUE(tool != NULL);
        ChooseMenu(window, pair[1]);
        EXPECT_FALSE(IsWindow(tool));
        EXPECT_TRUE(HiddenPowerToolWindow == NULL);
    }
}

TEST_F(ToolsTest, HiddenPowerToolKeyboardSkipsTheUnusedInput)
{
    HWND tool = OpenHiddenPowerTool(IDM_MODE_DP);
    ASSERT_TRUE(tool != NULL);
    SetFocus(Control(tool, IDC_HPCALC_SPD));
    PumpMessages();
    // Speed, then past the grayed Special input to the two outputs and the button.
    const int Order[] = {IDC_HPCALC_SPE, IDC_HPCALC_TYPE, IDC_HPCALC_POWER, IDC_HPCALC_CLOSE,
                         IDC_HPCALC_HP};
    for (int id : Order) {
        PressKey(VK_TAB);
        EXPECT_EQ(Control(tool, id), GetFocus()) << "Tab to " << id;
    }
    PressShiftTab();
    PressShiftTab();
    EXPECT_EQ(Control(tool, IDC_HPCALC_POWER), GetFocus());
    PressShiftTab();
    EXPECT_EQ(Control(tool, IDC_HPCALC_TYPE), GetFocus());
    PressShiftTab();
    ASSERT_EQ(Control(tool, IDC_HPCALC_SPE), GetFocus()) << "back past the grayed Special input";
    // Typing goes where the keyboard went.
    TypeKeys(GetFocus(), "40");
    EXPECT_EQ("31", Text(tool, IDC_HPCALC_SPE));
}

} // namespace
