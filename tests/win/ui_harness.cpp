// In-process driver of the real main window for the UI tests under Wine.
#include "ui_harness.h"

#include <commctrl.h>
#include <windowsx.h>

#include "resources/resource.h"
#include "ui/shell.h"

namespace ui_test
{

// ---- message boxes ------------------------------------------------------

static std::vector<CaughtBox> *CaughtBoxes = NULL;

static std::string WindowText(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The box's icon is the static control with the SS_ICON style; its image is
// one of the shared system icons.
static BoxIcon IconOf(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0 ||
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const HICON icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
        if (icon == LoadIcon(NULL, IDI_ERROR))
            return BoxIcon::Error;
        if (icon == LoadIcon(NULL, IDI_WARNING))
            return BoxIcon::Warning;
        if (icon == LoadIcon(NULL, IDI_INFORMATION))
            return BoxIcon::Information;
        if (icon == LoadIcon(NULL, IDI_QUESTION))
            return BoxIcon::Question;
        return BoxIcon::Other;
    }
    return BoxIcon::None;
}

static LRESULT CALLBACK CatchBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && CaughtBoxes != NULL) {
        HWND box = (HWND)wParam;
        char className[16] = "";
        GetClassNameA(box, className, sizeof className);
        // The tool windows are dialogs of the same class; a message box is
        // the one with a text static of id 0xFFFF.
        if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(box, 0xFFFF) != NULL) {
            CaughtBox caught;
            // The message text is the static control with id 0xFFFF.
            caught.text = WindowText(GetDlgItem(box, 0xFFFF));
            caught.caption = WindowText(box);
            caught.icon = IconOf(box);
            caught.owner = GetWindow(box, GW_OWNER);
            char ownerClass[64] = "";
            GetClassNameA(caught.owner, ownerClass, sizeof ownerClass);
            caught.ownerClass = ownerClass;
            caught.ownerVisible = IsWindowVisible(caught.owner) != FALSE;
            CaughtBoxes->push_back(caught);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher()
{
    CaughtBoxes = new std::vector<CaughtBox>;
    hook_ = SetWindowsHookExA(WH_CBT, CatchBoxes, NULL, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(hook_);
    delete CaughtBoxes;
    CaughtBoxes = NULL;
}

std::vector<CaughtBox> MessageBoxCatcher::Take()
{
    std::vector<CaughtBox> taken;
    taken.swap(*CaughtBoxes);
    return taken;
}

// ---- the window ---------------------------------------------------------

bool PumpMessages()
{
    bool quit = false;
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        HandleProgramMessage(&message);
    }
    return quit;
}

HWND OpenProgramWindow(int showCommand)
{
    const HINSTANCE instance = GetModuleHandleA(NULL);
    WNDCLASSEXA known = {};
    known.cbSize = sizeof known;
    if (!GetClassInfoExA(instance, "Varendo", &known))
        RegisterMainWindowClass(instance);
    HWND main = OpenMainWindow(instance, showCommand);
    PumpMessages();
    return main;
}

void CloseProgramWindow(HWND main)
{
    if (main == NULL || !IsWindow(main))
        return;
    PostMessageA(main, WM_CLOSE, 0, 0);
    for (int turn = 0; turn < 100; turn++) {
        if (PumpMessages())
            return;
        Sleep(1);
    }
    ADD_FAILURE() << "closing the main window posted no quit message";
}

// ---- acting on controls -------------------------------------------------

HWND Control(HWND main, int id)
{
    return GetDlgItem(main, id);
}

void SetText(HWND main, int id, const char *text)
{
    SendMessageA(Control(main, id), WM_SETTEXT, 0, (LPARAM)text);
    PumpMessages();
}

void TypeInto(HWND main, int comboId, const char *text)
{
    HWND edit = FindWindowExA(Control(main, comboId), NULL, "Edit", NULL);
    ASSERT_TRUE(edit != NULL) << "combo box " << comboId << " has no edit field";
    // One character at a time, each notified as a keystroke would be. The
    // characters go to the edit as UTF-16: Wine converts an ANSI WM_CHAR with
    // the keyboard layout's code page (1252 for the X server's US layout
    // here), which splits a Shift-JIS character into two wrong ones.
    wchar_t wide[64] = {0};
    MultiByteToWideChar(932, 0, text, -1, wide, 64);
    for (const wchar_t *c = wide; *c != 0; c++) {
        SendMessageW(edit, WM_CHAR, *c, 1);
        PumpMessages();
    }
}

void TypeKeys(HWND edit, const char *text)
{
    // Digits and ASCII only: the keyboard layout's code page would split a
    // Shift-JIS character (see TypeInto).
    for (const char *c = text; *c != 0; c++) {
        PostMessageA(edit, WM_CHAR, (unsigned char)*c, 1);
        PumpMessages();
    }
}

void PressKey(UINT key, HWND target)
{
    if (target == NULL)
        target = GetFocus();
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
    PumpMessages();
}

void PressShiftTab()
{
    // Dialog keyboard handling reads the Shift state from the thread's key state.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PressKey(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void Click(HWND main, int id)
{
    SendMessageA(Control(main, id), BM_CLICK, 0, 0);
    PumpMessages();
}

void ChooseMenu(HWND main, UINT command)
{
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    PumpMessages();
}

void ClickListAt(HWND main, POINT point, bool control)
{
    HWND list = Control(main, IDC_LIST);
    const WPARAM keys = control ? MK_CONTROL : 0;
    // Posted together, so that the list's own drag detection, which waits
    // for the button to come up, finds the release in the queue.
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(point.x, point.y));
    PostMessageA(list, WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
    PumpMessages();
}

static POINT RowPoint(HWND main, int row)
{
    RECT cell = {};
    // The middle of the level cell: column 0 is zero wide.
    cell.top = 1;
    cell.left = LVIR_BOUNDS;
    SendMessageA(Control(main, IDC_LIST), LVM_GETSUBITEMRECT, row, (LPARAM)&cell);
    POINT point = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    return point;
}

void ClickListRow(HWND main, int row, bool control)
{
    ClickListAt(main, RowPoint(main, row), control);
}

void DoubleClickListRow(HWND main, int row)
{
    HWND list = Control(main, IDC_LIST);
    const POINT point = RowPoint(main, row);
    ClickListAt(main, point);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    PumpMessages();
}

// ---- reading back -------------------------------------------------------

std::string Text(HWND main, int id)
{
    return WindowText(Control(main, id));
}

std::string ListCell(HWND main, int row, int column)
{
    char text[64] = "";
    ListView_GetItemText(Control(main, IDC_LIST), row, column, text, sizeof text);
    return text;
}

int ListRowCount(HWND main)
{
    return ListView_GetItemCount(Control(main, IDC_LIST));
}

std::vector<int> SelectedRows(HWND main)
{
    std::vector<int> rows;
    HWND list = Control(main, IDC_LIST);
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

int FocusedRow(HWND main)
{
    return ListView_GetNextItem(Control(main, IDC_LIST), -1, LVNI_FOCUSED);
}

std::string StatusPart(HWND main, int part)
{
    char text[256] = "";
    SendMessageA(Control(main, IDC_STATUSBAR), SB_GETTEXTA, part, (LPARAM)text);
    return text;
}

bool IsEnabled(HWND main, int id)
{
    return IsWindowEnabled(Control(main, id)) != FALSE;
}

UINT MenuState(HWND main, UINT command)
{
    return GetMenuState(GetMenu(main), command, MF_BYCOMMAND);
}

int ComboCount(HWND main, int id)
{
    return ComboBox_GetCount(Control(main, id));
}

std::string ComboItem(HWND main, int id, int index)
{
    char text[64] = "";
    HWND combo = Control(main, id);
    if (ComboBox_GetLBTextLen(combo, index) < (int)sizeof text)
        ComboBox_GetLBText(combo, index, text);
    return text;
}

const int StatFields[7] = {IDC_STAT_HP,  IDC_STAT_ATK, IDC_STAT_DEF, IDC_STAT_SPA,
                           IDC_STAT_SPD, IDC_STAT_SPE, IDC_STAT_SPC};
const int EffortFields[7] = {IDC_EFFORT_HP,  IDC_EFFORT_ATK, IDC_EFFORT_DEF, IDC_EFFORT_SPA,
                             IDC_EFFORT_SPD, IDC_EFFORT_SPE, IDC_EFFORT_SPC};

HWND FindHelpWindow(bool visibleOnly)
{
    struct Search {
        bool visibleOnly;
        HWND found;
    } search = {visibleOnly, NULL};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            Search *search = (Search *)data;
            char className[32] = "";
            GetClassNameA(window, className, sizeof className);
            if (lstrcmpA(className, "HH Parent") != 0 ||
                (search->visibleOnly && !IsWindowVisible(window)))
                return TRUE;
            search->found = window;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

std::vector<std::string> Results(HWND main)
{
    static const int Fields[] = {IDC_IV_HP,  IDC_IV_ATK, IDC_IV_DEF,  IDC_IV_SPA,  IDC_IV_SPD,
                                 IDC_IV_SPE, IDC_IV_SPC, IDC_HP_TYPE, IDC_HP_POWER};
    std::vector<std::string> texts;
    for (int id : Fields)
        texts.push_back(Text(main, id));
    return texts;
}

// ---- fixture --------------------------------------------------------------

void MainWindowTest::SetUp()
{
    ASSERT_EQ(932u, GetACP()) << "Japanese code page needed (LANG=ja_JP.UTF-8)";
    window = OpenProgramWindow();
    ASSERT_TRUE(window != NULL);
}

void MainWindowTest::TearDown()
{
    CloseProgramWindow(window);
    const std::vector<CaughtBox> left = boxes.Take();
    for (const CaughtBox &box : left)
        ADD_FAILURE() << "unexpected message box: " << box.text;
}

} // namespace ui_test
