// The main window at start and as a whole: state after initialisation,
// geometry, status bar, keyboard navigation and the ways the program ends.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "resources/resource.h"
#include "ui/shell.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

class StartTest : public MainWindowTest
{
};

TEST_F(StartTest, StartsInDiamondPearlWithTheSyllabaryOrderAndAnEmptyList)
{
    EXPECT_EQ("", StatusPart(window, 0));
    EXPECT_EQ("ダイヤモンド・パール", StatusPart(window, 1));
    EXPECT_EQ("五十音順", StatusPart(window, 2));
    EXPECT_TRUE(MenuState(window, IDM_MODE_DP) & MF_CHECKED);
    EXPECT_TRUE(MenuState(window, IDM_SORT_KANA) & MF_CHECKED);
    EXPECT_FALSE(MenuState(window, IDM_MODE_RGBY) & MF_CHECKED);
    EXPECT_FALSE(MenuState(window, IDM_SORT_NATIONAL) & MF_CHECKED);

    EXPECT_EQ(0, ListRowCount(window));
    EXPECT_EQ("", Text(window, IDC_SPECIES));
    EXPECT_EQ("", Text(window, IDC_NATURE));
    EXPECT_EQ(std::vector<std::string>(9, ""), Results(window));

    // The species box holds the focus (in its edit field).
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == Control(window, IDC_SPECIES) ||
                IsChild(Control(window, IDC_SPECIES), focus));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(StartTest, SelectorsHoldTheDiamondPearlRosterAndTheNatures)
{
    ASSERT_EQ(497, ComboCount(window, IDC_SPECIES));
    EXPECT_EQ("アーボ", ComboItem(window, IDC_SPECIES, 0));
    EXPECT_EQ("ワンリキー", ComboItem(window, IDC_SPECIES, 496));
    EXPECT_EQ(CB_ERR, ComboBox_GetCurSel(Control(window, IDC_SPECIES)));

    ASSERT_EQ(25, ComboCount(window, IDC_NATURE));
    EXPECT_EQ("いじっぱり", ComboItem(window, IDC_NATURE, 0));
    EXPECT_EQ("わんぱく", ComboItem(window, IDC_NATURE, 24));
}

TEST_F(StartTest, InputsAndToolsFitTheFourthGeneration)
{
    // Natures and an effort value for every stat but the first generation's Special.
    for (int id : {IDC_NATURE_LABEL, IDC_NATURE, IDC_STAT_SPA, IDC_STAT_SPD, IDC_EFFORT_SPA,
                   IDC_EFFORT_SPD, IDC_LEVEL, IDC_EFFORT_HP})
        EXPECT_TRUE(IsEnabled(window, id)) << id;
    for (int id : {IDC_STAT_SPC_LABEL, IDC_STAT_SPC, IDC_STAT_SPC_SPIN, IDC_EFFORT_SPC,
                   IDC_EFFORT_SPC_SPIN, IDC_SHINY})
        EXPECT_FALSE(IsEnabled(window, id)) << id;
    EXPECT_EQ("努力値", Text(window, IDC_EFFORT_HEADER));

    EXPECT_TRUE(MenuState(window, IDM_TOOL_EFFORT) & MF_GRAYED);
    EXPECT_FALSE(MenuState(window, IDM_TOOL_HIDDENPOWER) & MF_GRAYED);

    struct Range {
        int spin, low, high;
    };
    const Range ranges[] = {{IDC_LEVEL_SPIN, 1, 100},      {IDC_STAT_HP_SPIN, 0, 999},
                            {IDC_STAT_SPC_SPIN, 0, 999},   {IDC_EFFORT_HP_SPIN, 0, 255},
                            {IDC_EFFORT_SPD_SPIN, 0, 255}, {IDC_EFFORT_SPC_SPIN, 0, 63}};
    for (const Range &range : ranges) {
        int low = -1, high = -1;
        SendMessageA(Control(window, range.spin), UDM_GETRANGE32, (WPARAM)&low, (LPARAM)&high);
        EXPECT_EQ(range.low, low) << range.spin;
        EXPECT_EQ(range.high, high) << range.spin;
    }
}

TEST_F(StartTest, ListHasSixteenColumnsWithAHiddenRowLabel)
{
    HWND list = Control(window, IDC_LIST);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);
    const char *headers[16] = {"",     "Lv", "HP",   "攻撃", "防御", "特攻", "特防", "素早",
                               "特殊", "HP", "攻撃", "防御", "特攻", "特防", "素早", "特殊"};
    for (int c = 0; c < 16; c++) {
        char text[16] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(ListView_GetColumn(list, c, &column)) << c;
        EXPECT_STREQ(headers[c], text) << c;
        EXPECT_EQ(c == 0 ? 0 : 42, column.cx) << c;
        EXPECT_EQ(c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK) << c;
    }
    LVCOLUMNA beyond = {};
    beyond.mask = LVCF_WIDTH;
    EXPECT_FALSE(ListView_GetColumn(list, 16, &beyond));
}

TEST_F(StartTest, WindowGrowsByTheMenuBarAndTheStatusBar)
{
    // What the dialog manager makes of the 395 x 299 template: the client
    // area in pixels plus a frame without a menu bar.
    RECT expected = {0, 0, 395, 299};
    MapDialogRect(window, &expected);
    AdjustWindowRectEx(&expected, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));

    RECT actual, bar;
    GetWindowRect(window, &actual);
    GetWindowRect(Control(window, IDC_STATUSBAR), &bar);
    EXPECT_EQ(expected.right - expected.left, actual.right - actual.left);
    EXPECT_EQ((expected.bottom - expected.top) + GetSystemMetrics(SM_CYMENU) +
                  (bar.bottom - bar.top),
              actual.bottom - actual.top);

    // The status bar lies along the bottom of the client area, below the list.
    RECT client, list;
    GetClientRect(window, &client);
    MapWindowPoints(window, NULL, (POINT *)&client, 2);
    GetWindowRect(Control(window, IDC_LIST), &list);
    EXPECT_EQ(client.bottom, bar.bottom);
    EXPECT_LE(list.bottom, bar.top);
}

TEST_F(StartTest, StatusBarPartsEndAtFixedDistancesFromTheRight)
{
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    HWND bar = Control(window, IDC_STATUSBAR);
    ASSERT_EQ(3, (int)SendMessageA(bar, SB_GETPARTS, 0, 0));
    int edges[3] = {};
    SendMessageA(bar, SB_GETPARTS, 3, (LPARAM)edges);
    EXPECT_EQ(width - 310, edges[0]);
    EXPECT_EQ(width - 100, edges[1]);
    EXPECT_EQ(-1, edges[2]);

    RECT part = {};
    SendMessageA(bar, SB_GETRECT, 1, (LPARAM)&part);
    EXPECT_EQ(width - 100, part.right);
    // Along the bottom, without a size grip: the window has no sizing border.
    const LONG style = GetWindowLongA(bar, GWL_STYLE);
    EXPECT_EQ(CCS_BOTTOM, style & CCS_BOTTOM);
    EXPECT_FALSE(style & SBARS_SIZEGRIP);
}

TEST_F(StartTest, TabAndShiftTabMoveThroughTheControls)
{
    auto focusIsIn = [&](int id) {
        HWND focus = GetFocus();
        return focus == Control(window, id) || IsChild(Control(window, id), focus);
    };
    ASSERT_TRUE(focusIsIn(IDC_SPECIES));
    PressKey(VK_TAB);
    EXPECT_TRUE(focusIsIn(IDC_NATURE));
    // The hidden inputs of the template are skipped.
    PressKey(VK_TAB);
    EXPECT_TRUE(focusIsIn(IDC_LEVEL));
    PressKey(VK_TAB);
    EXPECT_TRUE(focusIsIn(IDC_STAT_HP));
    PressShiftTab();
    EXPECT_TRUE(focusIsIn(IDC_LEVEL));
    PressShiftTab();
    EXPECT_TRUE(focusIsIn(IDC_NATURE));
}

TEST_F(StartTest, FocusReturnsToItsControlAfterAToolWindow)
{
    SetFocus(Control(window, IDC_STAT_ATK));
    ChooseMenu(window, IDM_TOOL_HIDDENPOWER);
    ASSERT_TRUE(HiddenPowerToolWindow != NULL);
    SetActiveWindow(HiddenPowerToolWindow);
    PumpMessages();
    ASSERT_TRUE(IsChild(HiddenPowerToolWindow, GetFocus()));

    SetActiveWindow(window);
    PumpMessages();
    EXPECT_EQ(Control(window, IDC_STAT_ATK), GetFocus());
    SendMessageA(HiddenPowerToolWindow, WM_CLOSE, 0, 0);
}

TEST_F(StartTest, UpDownArrowsWrapAroundTheRange)
{
    struct WrapCase {
        int edit;
        const char *before;
        UINT key;
        const char *after;
    };
    const WrapCase cases[] = {
        {IDC_LEVEL, "100", VK_UP, "1"},
        {IDC_LEVEL, "1", VK_DOWN, "100"},
        {IDC_EFFORT_HP, "0", VK_DOWN, "255"},
        {IDC_STAT_HP, "998", VK_UP, "999"},
    };
    for (const WrapCase &c : cases) {
        SetText(window, c.edit, c.before);
        SetFocus(Control(window, c.edit));
        PressKey(c.key);
        EXPECT_EQ(c.after, Text(window, c.edit)) << c.before;
    }
}

TEST(MinimisedStartTest, StartsMinimisedAndKeepsTheStatusBarAtTheBottom)
{
    MessageBoxCatcher boxes;
    HWND window = OpenProgramWindow(SW_SHOWMINIMIZED);
    ASSERT_TRUE(window != NULL);
    EXPECT_TRUE(IsIconic(window));

    ShowWindow(window, SW_RESTORE);
    PumpMessages();
    EXPECT_FALSE(IsIconic(window));
    RECT client, bar;
    GetClientRect(window, &client);
    MapWindowPoints(window, NULL, (POINT *)&client, 2);
    GetWindowRect(Control(window, IDC_STATUSBAR), &bar);
    EXPECT_EQ(client.bottom, bar.bottom);
    EXPECT_EQ(client.left, bar.left);
    EXPECT_EQ(client.right, bar.right);
    CloseProgramWindow(window);
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(StartTest, ExitCommandEndsTheLoopWithCodeZero)
{
    SetText(window, IDC_SPECIES, "ミュウツー");
    SendMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, quit.wParam);
}

// The whole program run: show, loop, exit from the menu, shutdown.
static LRESULT CALLBACK ExitWhenShown(int code, WPARAM wParam, LPARAM lParam)
{
    char className[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA((HWND)wParam, className, sizeof className) &&
        lstrcmpA(className, "Varendo") == 0)
        PostMessageA((HWND)wParam, WM_COMMAND, IDM_EXIT, 0);
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST(ProgramRunTest, ExitFromTheMenuReturnsZero)
{
    const HINSTANCE instance = GetModuleHandleA(NULL);
    UnregisterClassA("Varendo", instance);
    MessageBoxCatcher boxes;
    HHOOK hook = SetWindowsHookExA(WH_CBT, ExitWhenShown, NULL, GetCurrentThreadId());
    const int code = RunVarendo(instance, SW_SHOWNORMAL);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(0, code);
    EXPECT_FALSE(IsWindow(MainWindow));
    EXPECT_TRUE(boxes.Take().empty());
}

} // namespace
