// Input assistance of the main window: status-bar hints under the pointer and
// in the menus, click-to-select, clamping of the numeric fields when they lose
// the focus, ClampEditToMax, and the two name boxes.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui/input_assist.h"
#include "ui/shell.h"
#include "ui_harness.h"

using namespace ui_test;

namespace
{

const char AddHint[] = "入力内容を判定対象のステータスに加えます";

// Moves the real pointer to a point of `target` (client coordinates), so that
// the system's own hit testing decides which window sees the movement.
void PointAt(HWND target, POINT point)
{
    ClientToScreen(target, &point);
    SetCursorPos(point.x, point.y);
    for (int turn = 0; turn < 5; turn++) {
        PumpMessages();
        Sleep(5);
    }
}

POINT CentreOf(HWND target)
{
    RECT client;
    GetClientRect(target, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    return centre;
}

// The bottom right corner of the screen, where no test window lies.
void ParkPointer()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    PumpMessages();
}

bool FocusIsIn(HWND main, int id)
{
    HWND focus = GetFocus();
    return focus != NULL && (focus == Control(main, id) || IsChild(Control(main, id), focus));
}

class InputAssistTest : public MainWindowTest
{
  protected:
    void SetUp() override
    {
        ParkPointer();
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        // A pointer left over the next test's window would give it a hint.
        ParkPointer();
        MainWindowTest::TearDown();
    }
};

// ---- hints ----------------------------------------------------------------

struct HoverCase {
    const char *where;
    HWND target;
    POINT point;
    std::string hint; // "keep" for no change
};

TEST_F(InputAssistTest, PointerShowsTheHintOfTheControlUnderIt)
{
    HWND species = Control(window, IDC_SPECIES);
    RECT speciesBox;
    GetClientRect(species, &speciesBox);
    HWND speciesEdit = FindWindowExA(species, NULL, "Edit", NULL);
    ASSERT_TRUE(speciesEdit != NULL);
    const POINT corner = {1, 1};
    const POINT dropButton = {speciesBox.right - 4, speciesBox.bottom / 2};

    const HoverCase cases[] = {
        {"add button", Control(window, IDC_ADD), CentreOf(Control(window, IDC_ADD)), AddHint},
        {"level", Control(window, IDC_LEVEL), CentreOf(Control(window, IDC_LEVEL)),
         "レベルの入力欄です"},
        {"speed effort", Control(window, IDC_EFFORT_SPE), CentreOf(Control(window, IDC_EFFORT_SPE)),
         "すばやさの努力値の入力欄です"},
        {"list", Control(window, IDC_LIST), CentreOf(Control(window, IDC_LIST)),
         "個体値計算時の資料のリストです"},
        {"species drop-down button", species, dropButton, "ポケモン名の選択欄です"},
        // No entry: emptied.
        {"level up-down", Control(window, IDC_LEVEL_SPIN),
         CentreOf(Control(window, IDC_LEVEL_SPIN)), ""},
        {"result field", Control(window, IDC_IV_HP), CentreOf(Control(window, IDC_IV_HP)), ""},
        {"status bar", Control(window, IDC_STATUSBAR), CentreOf(Control(window, IDC_STATUSBAR)),
         ""},
        {"background", window, corner, ""},
        // Labels let the pointer through to the window.
        {"level label", Control(window, IDC_LEVEL_LABEL),
         CentreOf(Control(window, IDC_LEVEL_LABEL)), ""},
        // A disabled field gets no mouse input; the window behind it does.
        {"disabled Special stat", Control(window, IDC_STAT_SPC),
         CentreOf(Control(window, IDC_STAT_SPC)), ""},
        // The combo box's own edit field has its own procedure and no hint.
        {"species edit field", speciesEdit, CentreOf(speciesEdit), "keep"},
    };
    for (const HoverCase &c : cases) {
        PointAt(Control(window, IDC_ADD), CentreOf(Control(window, IDC_ADD)));
        ASSERT_EQ(AddHint, StatusPart(window, 0)) << "before " << c.where;
        PointAt(c.target, c.point);
        EXPECT_EQ(c.hint == "keep" ? AddHint : c.hint, StatusPart(window, 0)) << c.where;
    }
    // Hints use part 0 only.
    EXPECT_EQ("ダイヤモンド・パール", StatusPart(window, 1));
    EXPECT_EQ("五十音順", StatusPart(window, 2));
}

// Enters the menu bar from the keyboard, as Alt alone does (its first title
// highlighted, nothing dropped down), and feeds the menu loop `keys`. Returns
// the hint as it stood before each key was handled, up to the first Escape,
// then the hint once the menu has closed.
std::vector<std::string> *MenuHints = NULL;
HWND MenuOwner = NULL;

LRESULT CALLBACK RecordMenuHints(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG *message = (const MSG *)lParam;
    if (code == MSGF_MENU && message->message == WM_KEYDOWN && MenuHints != NULL) {
        MenuHints->push_back(StatusPart(MenuOwner, 0));
        // Wine sends no new selection for the item that Escape returns to, so
        // what shows after it says nothing about the program.
        if (message->wParam == VK_ESCAPE)
            MenuHints = NULL;
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

// A walk whose keys do not close the menu must fail, not hang.
void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE() << "the keys left the menu open";
    EndMenu();
}

std::vector<std::string> WalkMenu(HWND main, const std::vector<UINT> &keys)
{
    std::vector<std::string> hints;
    MenuHints = &hints;
    MenuOwner = main;
    HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, RecordMenuHints, NULL, GetCurrentThreadId());
    // The menu loop reads the thread's queue, so the keys wait there for it.
    for (UINT key : keys)
        PostMessageA(main, WM_KEYDOWN, key, 1);
    const UINT_PTR timer = SetTimer(NULL, 0, 5000, EndStuckMenu);
    SendMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    KillTimer(NULL, timer);
    UnhookWindowsHookEx(hook);
    MenuHints = NULL;
    PumpMessages();
    hints.push_back(StatusPart(main, 0));
    return hints;
}

struct MenuWalk {
    const char *what;
    std::vector<UINT> keys;
    std::vector<std::string> hints; // before each key, then after the menu closed
};

TEST_F(InputAssistTest, HighlightedMenuItemsShowTheirHints)
{
    // Each walk starts on the title "ファイル"; titles and submenus have no hint.
    const MenuWalk walks[] = {
        // Down drops ファイル with 終了 highlighted; Escape closes the menu.
        {"ファイル", {VK_DOWN, VK_ESCAPE, VK_ESCAPE}, {"", "このソフトを終了します", ""}},
        // From 終了 over to 設定, whose first item is the submenu 動作モード,
        // down to the submenu ポケモン名ソート順 and into it: 五十音順.
        {"設定",
         {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE},
         {"", "このソフトを終了します", "", "", "ポケモン名を五十音順で並び替えます", ""}},
        // ツール: a grayed item still shows its hint.
        {"ツール",
         {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_ESCAPE, VK_ESCAPE},
         {"", "", "", "努力値を努力レベルに変換するツールを表示します",
          "個体値からめざめるパワーのタイプと威力を計算します", ""}},
        // ヘルプ, the last title: its separator is skipped.
        {"ヘルプ",
         {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_ESCAPE, VK_ESCAPE},
         {"", "", "", "", "ヘルプの目次タブを表示します", "ヘルプのキーワードタブを表示します",
          "このソフトのバージョンを表示します", ""}},
    };
    for (const MenuWalk &walk : walks) {
        // A hint from the pointer first, so that every emptying shows.
        PostMessageA(Control(window, IDC_ADD), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        PumpMessages();
        ASSERT_EQ(AddHint, StatusPart(window, 0));
        EXPECT_EQ(walk.hints, WalkMenu(window, walk.keys)) << walk.what;
    }
}

// ---- numeric fields -------------------------------------------------------

TEST_F(InputAssistTest, ClickIntoAFocusedNumberSelectsAllOfIt)
{
    for (int id : {IDC_STAT_ATK, IDC_LEVEL, IDC_EFFORT_SPE}) {
        HWND edit = Control(window, id);
        SetText(window, id, "123");
        SetFocus(edit);
        Edit_SetSel(edit, 1, 1); // a caret inside the number
        PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpMessages();
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(0u, start) << id;
        EXPECT_EQ(3u, end) << id;
        EXPECT_EQ(edit, GetFocus()) << id;
    }
    // A click into another field moves the focus there, all of it selected.
    HWND hp = Control(window, IDC_STAT_HP);
    SetText(window, IDC_STAT_HP, "45");
    PostMessageA(hp, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(hp, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PumpMessages();
    EXPECT_EQ(hp, GetFocus());
    EXPECT_EQ(MAKELONG(0, 2), (DWORD)SendMessageA(hp, EM_GETSEL, 0, 0));
}

struct ClampCase {
    UINT mode;
    int edit;
    std::string typed;
    const char *shown;
};

const std::string ManyNines(300, '9');

TEST_F(InputAssistTest, LeavingANumberBringsItIntoItsRange)
{
    const ClampCase cases[] = {
        {IDM_MODE_DP, IDC_STAT_HP, "1234", "999"},
        {IDM_MODE_DP, IDC_STAT_ATK, "", "0"},
        {IDM_MODE_DP, IDC_STAT_DEF, "007", "7"},
        {IDM_MODE_DP, IDC_STAT_SPE, "250", "250"},
        {IDM_MODE_DP, IDC_STAT_SPD, ManyNines, "999"},
        {IDM_MODE_DP, IDC_EFFORT_HP, "256", "255"},
        {IDM_MODE_DP, IDC_EFFORT_SPA, "", "0"},
        {IDM_MODE_DP, IDC_LEVEL, "", "1"},
        {IDM_MODE_DP, IDC_LEVEL, "0", "1"},
        {IDM_MODE_DP, IDC_LEVEL, "101", "100"},
        {IDM_MODE_DP, IDC_LEVEL, ManyNines, "100"},
        {IDM_MODE_FIRERED, IDC_LEVEL, "", "2"},
        {IDM_MODE_FIRERED, IDC_LEVEL, "1", "2"},
        {IDM_MODE_FIRERED, IDC_LEVEL, "050", "50"},
        {IDM_MODE_RGBY, IDC_EFFORT_SPC, "64", "63"},
        {IDM_MODE_RGBY, IDC_STAT_SPC, "0999", "999"},
    };
    for (const ClampCase &c : cases) {
        ChooseMenu(window, c.mode);
        HWND edit = Control(window, c.edit);
        SetFocus(edit);
        SetText(window, c.edit, c.typed.c_str());
        PressKey(VK_TAB);
        EXPECT_NE(edit, GetFocus());
        EXPECT_EQ(c.shown, Text(window, c.edit)) << c.edit << " \"" << c.typed.substr(0, 8) << "\"";
    }
}

TEST_F(InputAssistTest, TabIntoANumberSelectsAllOfIt)
{
    SetText(window, IDC_LEVEL, "50");
    SetFocus(Control(window, IDC_NATURE));
    PressKey(VK_TAB);
    ASSERT_EQ(Control(window, IDC_LEVEL), GetFocus());
    EXPECT_EQ(MAKELONG(0, 2), (DWORD)SendMessageA(Control(window, IDC_LEVEL), EM_GETSEL, 0, 0));
}

struct ClampToMaxCase {
    std::string text;
    int maximum;
    int value;
    std::string after;
};

TEST(ClampEditToMaxTest, RewritesOnlyATextOutOfRange)
{
    const std::string longNegative = "-" + ManyNines;
    const ClampToMaxCase cases[] = {
        {"40", 31, 31, "31"},
        {"-3", 31, 0, "0"},
        {"", 31, 0, ""},
        {"07", 31, 7, "07"},
        {"31", 31, 31, "31"},
        {"0", 15, 0, "0"},
        {"16", 15, 15, "15"},
        {" 12", 31, 12, " 12"},
        {"12abc", 31, 12, "12abc"},
        {"abc", 31, 0, "abc"},
        {"65536", 65535, 65535, "65535"},
        {"4294967297", 65535, 65535, "65535"}, // 2^32 + 1 must not wrap to 1
        {ManyNines, 65535, 65535, "65535"},
        {longNegative, 31, 0, "0"},
    };
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(edit != NULL);
    for (const ClampToMaxCase &c : cases) {
        SetWindowTextA(edit, c.text.c_str());
        EXPECT_EQ(c.value, ClampEditToMax(edit, c.maximum)) << c.text.substr(0, 12);
        char text[512] = "";
        GetWindowTextA(edit, text, sizeof text);
        EXPECT_EQ(c.after, text) << c.text.substr(0, 12);
    }
    DestroyWindow(edit);
}

// ---- name boxes -----------------------------------------------------------

struct NameCase {
    int combo;
    const char *typed;
    const char *warning; // NULL: none
};

TEST_F(InputAssistTest, LeavingANameBoxWithANameNotInItsListWarns)
{
    const char species[] = "指定されたポケモンはデータに存在しません";
    const char nature[] = "指定された性格はデータに存在しません";
    const NameCase cases[] = {
        {IDC_SPECIES, "ピカチュ", species},
        {IDC_SPECIES, "ピカチュウ", NULL},
        {IDC_SPECIES, "", NULL},
        // Listed in no mode.
        {IDC_SPECIES, "アルセウス", species},
        // Longer than any name, though its first 24 bytes are one.
        {IDC_SPECIES, "デオキシス　ディフェンスス", species},
        {IDC_SPECIES, "デオキシス　ディフェンス", NULL},
        {IDC_NATURE, "いじっぱ", nature},
        {IDC_NATURE, "いじっぱり", NULL},
        {IDC_NATURE, "", NULL},
    };
    for (const NameCase &c : cases) {
        SetFocus(Control(window, c.combo));
        SetText(window, c.combo, "");
        TypeInto(window, c.combo, c.typed);
        PressKey(VK_TAB);
        const std::vector<CaughtBox> shown = boxes.Take();
        if (c.warning == NULL) {
            EXPECT_TRUE(shown.empty()) << c.typed;
            EXPECT_FALSE(FocusIsIn(window, c.combo)) << c.typed;
            continue;
        }
        ASSERT_EQ(1u, shown.size()) << c.typed;
        EXPECT_EQ(c.warning, shown[0].text);
        EXPECT_EQ("Varendo", shown[0].caption);
        EXPECT_EQ(BoxIcon::Warning, shown[0].icon);
        // The box is given the combo box; a modal box is owned by its top-level window.
        EXPECT_EQ(GetAncestor(Control(window, c.combo), GA_ROOT), shown[0].owner);
        EXPECT_TRUE(FocusIsIn(window, c.combo)) << c.typed;
        EXPECT_EQ(c.typed, Text(window, c.combo));
    }
}

TEST_F(InputAssistTest, AnUnknownNameKeepsWarningUntilItIsCorrected)
{
    SetFocus(Control(window, IDC_SPECIES));
    TypeInto(window, IDC_SPECIES, "ピカ");
    for (int attempt = 0; attempt < 2; attempt++) {
        PressKey(VK_TAB);
        EXPECT_EQ(1u, boxes.Take().size()) << attempt;
        EXPECT_TRUE(FocusIsIn(window, IDC_SPECIES)) << attempt;
    }
    TypeInto(window, IDC_SPECIES, "チュウ");
    PressKey(VK_TAB);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_TRUE(FocusIsIn(window, IDC_NATURE));
}

TEST_F(InputAssistTest, ANameMissingFromTheNewRosterWarnsWhenLeft)
{
    SetText(window, IDC_SPECIES, "ルカリオ");
    ChooseMenu(window, IDM_MODE_RGBY);
    EXPECT_EQ("ルカリオ", Text(window, IDC_SPECIES));
    EXPECT_TRUE(boxes.Take().empty());
    SetFocus(Control(window, IDC_SPECIES));
    PressKey(VK_TAB);
    const std::vector<CaughtBox> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("指定されたポケモンはデータに存在しません", shown[0].text);
}

TEST_F(InputAssistTest, ClosingWithAnUnknownNameInTheBoxIsSilent)
{
    SetFocus(Control(window, IDC_SPECIES));
    TypeInto(window, IDC_SPECIES, "ピカ");
    CloseProgramWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(InputAssistTest, FocusLeavingTheWindowRaisesNoWarning)
{
    // A tool window taking the focus: the half-typed name must not pull it back.
    SetFocus(Control(window, IDC_SPECIES));
    TypeInto(window, IDC_SPECIES, "リザー");
    ChooseMenu(window, IDM_TOOL_HIDDENPOWER);
    ASSERT_TRUE(HiddenPowerToolWindow != NULL);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(HiddenPowerToolWindow, GetActiveWindow());
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == HiddenPowerToolWindow || IsChild(HiddenPowerToolWindow, focus));

    // Back in the window, leaving the name box for another control warns.
    SetActiveWindow(window);
    SetFocus(Control(window, IDC_SPECIES));
    PumpMessages();
    EXPECT_TRUE(boxes.Take().empty());
    PressKey(VK_TAB);
    EXPECT_EQ(1u, boxes.Take().size());

    // The nature box disabled under the focus by a mode without natures.
    SetText(window, IDC_SPECIES, "");
    SetFocus(Control(window, IDC_NATURE));
    TypeInto(window, IDC_NATURE, "いじ");
    ChooseMenu(window, IDM_MODE_RGBY);
    EXPECT_FALSE(IsEnabled(window, IDC_NATURE));
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_FALSE(FocusIsIn(window, IDC_NATURE));
}

TEST_F(InputAssistTest, ChoosingANatureFromTheListRecalculates)
{
    SetText(window, IDC_SPECIES, "フシギダネ");
    SetText(window, IDC_LEVEL, "50");
    const int stats[] = {IDC_STAT_HP,  IDC_STAT_ATK, IDC_STAT_DEF,
                         IDC_STAT_SPA, IDC_STAT_SPD, IDC_STAT_SPE};
    const char *values[] = {"120", "75", "69", "76", "85", "65"};
    for (int s = 0; s < 6; s++)
        SetText(window, stats[s], values[s]);
    Click(window, IDC_ADD);
    ASSERT_EQ(std::vector<std::string>(9, ""), Results(window)); // no nature yet

    HWND nature = Control(window, IDC_NATURE);
    struct Choice {
        const char *nature;
        const char *attack; // Attack 75 fits 30-31 with a raised Attack only
    };
    const Choice choices[] = {{"いじっぱり", "30～31"}, {"ひかえめ", ""}, {"いじっぱり", "30～31"}};
    for (const Choice &choice : choices) {
        // The list's selection moves first; the box notifies before it
        // updates its own edit field, which still shows the old text.
        ComboBox_SetCurSel(nature, ComboBox_FindStringExact(nature, -1, choice.nature));
        SetText(window, IDC_NATURE, "");
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_NATURE, CBN_SELCHANGE), (LPARAM)nature);
        EXPECT_EQ(choice.nature, Text(window, IDC_NATURE));
        EXPECT_EQ(choice.attack, Text(window, IDC_IV_ATK)) << choice.nature;
        EXPECT_EQ("30～31", Text(window, IDC_IV_HP)) << choice.nature;
    }

    // A cancelled selection leaves nothing to copy: the typed text stays.
    ComboBox_SetCurSel(nature, -1);
    SetText(window, IDC_NATURE, "ひかえめ");
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_NATURE, CBN_SELCHANGE), (LPARAM)nature);
    EXPECT_EQ("ひかえめ", Text(window, IDC_NATURE));
    EXPECT_EQ("", Text(window, IDC_IV_ATK));
    EXPECT_EQ("30～31", Text(window, IDC_IV_HP));
}

// ---- subclassing ----------------------------------------------------------

std::vector<HWND> *DestroyedUnrestored = NULL;

LRESULT CALLBACK CheckRestoredOnDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT *call = (const CWPRETSTRUCT *)lParam;
    if (code == HC_ACTION && call->message == WM_DESTROY && DestroyedUnrestored != NULL &&
        GetParent(call->hwnd) == MainWindow &&
        (GetPropA(call->hwnd, "DefWndProc") != NULL ||
         GetWindowLongPtrA(call->hwnd, GWLP_WNDPROC) == (LONG_PTR)HintSubclassProc))
        DestroyedUnrestored->push_back(call->hwnd);
    return CallNextHookEx(NULL, code, wParam, lParam);
}

TEST_F(InputAssistTest, EveryDirectChildIsSubclassedUntilItIsDestroyed)
{
    int children = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT), children++) {
        EXPECT_TRUE(GetPropA(child, "DefWndProc") != NULL) << GetDlgCtrlID(child);
        EXPECT_EQ((LONG_PTR)HintSubclassProc, GetWindowLongPtrA(child, GWLP_WNDPROC))
            << GetDlgCtrlID(child);
    }
    EXPECT_EQ(70, children); // the template's 69 controls and the status bar

    // The windows inside the combo boxes and the list keep their own procedures.
    HWND inner[] = {FindWindowExA(Control(window, IDC_SPECIES), NULL, "Edit", NULL),
                    FindWindowExA(Control(window, IDC_NATURE), NULL, "Edit", NULL),
                    ListView_GetHeader(Control(window, IDC_LIST))};
    for (HWND w : inner) {
        ASSERT_TRUE(w != NULL);
        EXPECT_TRUE(GetPropA(w, "DefWndProc") == NULL);
        EXPECT_NE((LONG_PTR)HintSubclassProc, GetWindowLongPtrA(w, GWLP_WNDPROC));
    }

    std::vector<HWND> unrestored;
    DestroyedUnrestored = &unrestored;
    HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROCRET, CheckRestoredOnDestroy, NULL, GetCurrentThreadId());
    CloseProgramWindow(window);
    UnhookWindowsHookEx(hook);
    DestroyedUnrestored = NULL;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(unrestored.empty()) << unrestored.size() << " children kept the hint procedure";
}

} // namespace
