// Input assistance of the main window: status-bar hints, click-to-select,
// clamping of numeric fields and validation of the two name boxes.
#include "input_assist.h"

#include <commctrl.h>
#include <windowsx.h>

#include "../data/nature.h"
#include "../data/pokemon.h"
#include "../engine/number_text.h"
#include "../resources/resource.h"
#include "main_window.h"

static const char DefWndProcProperty[] = "DefWndProc";

static const int NumericEdits[] = {
    IDC_LEVEL,      IDC_STAT_HP,    IDC_STAT_ATK,   IDC_STAT_DEF,   IDC_STAT_SPA,
    IDC_STAT_SPD,   IDC_STAT_SPE,   IDC_STAT_SPC,   IDC_EFFORT_HP,  IDC_EFFORT_ATK,
    IDC_EFFORT_DEF, IDC_EFFORT_SPA, IDC_EFFORT_SPD, IDC_EFFORT_SPE, IDC_EFFORT_SPC,
};

bool IsNumericEdit(int id)
{
    for (int edit : NumericEdits)
        if (edit == id)
            return true;
    return false;
}

// Shows the string-table hint of `id` in status part 0; ids without an entry
// (separators, submenu titles, up-downs, result fields) clear it.
static void ShowHint(HWND mainWindow, UINT id)
{
    char hint[256] = "";
    if (id != 0)
        LoadStringA((HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE), id, hint,
                    sizeof hint);
    SendDlgItemMessageA(mainWindow, IDC_STATUSBAR, SB_SETTEXTA, 0, (LPARAM)hint);
}

BOOL CALLBACK SubclassChild(HWND window, LPARAM mainWindow)
{
    if (GetParent(window) != (HWND)mainWindow)
        return TRUE;
    SetPropA(window, DefWndProcProperty, (HANDLE)GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)HintSubclassProc);
    return TRUE;
}

LRESULT CALLBACK HintSubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = (WNDPROC)GetPropA(control, DefWndProcProperty);
    switch (message) {
    case WM_DESTROY:
        RemovePropA(control, DefWndProcProperty);
        SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)previous);
        break;
    case WM_MOUSEMOVE:
        ShowHint(GetParent(control), (UINT)GetDlgCtrlID(control));
        break;
    case WM_LBUTTONDOWN:
        // A click selects the whole number, so typing replaces it.
        if (IsNumericEdit(GetDlgCtrlID(control))) {
            SetFocus(control);
            Edit_SetSel(control, 0, -1);
            return 0;
        }
        break;
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

// Reads a control's whole text, however long, as a number.
static int ReadWholeNumber(HWND control)
{
    const int length = GetWindowTextLengthA(control);
    char *text = (char *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, (SIZE_T)length + 1);
    if (text == NULL)
        return 0;
    GetWindowTextA(control, text, length + 1);
    const int value = ReadNumberText(text);
    HeapFree(GetProcessHeap(), 0, text);
    return value;
}

int ClampUpDownBuddy(HWND upDown)
{
    HWND buddy = (HWND)SendMessageA(upDown, UDM_GETBUDDY, 0, 0);
    int low = 0, high = 0;
    SendMessageA(upDown, UDM_GETRANGE32, (WPARAM)&low, (LPARAM)&high);
    const int number = ReadWholeNumber(buddy);
    const int position = number > high ? high : number < low ? low : number;
    SendMessageA(upDown, UDM_SETPOS32, 0, position);
    return position;
}

int ClampEditToMax(HWND edit, int maximum)
{
    const int number = ReadWholeNumber(edit);
    int clamped = number;
    if (number > maximum)
        clamped = maximum;
    else if (number < 0)
        clamped = 0;
    else
        return number;
    char text[16];
    wsprintfA(text, "%i", clamped);
    SetWindowTextA(edit, text);
    return clamped;
}

void OnMenuSelectHint(HWND mainWindow, WPARAM wParam)
{
    // For a submenu title the low word is its position, not a command, and
    // when the menu closes it is 0: neither may pick up a hint by accident.
    const UINT flags = HIWORD(wParam);
    const bool command = flags != 0xFFFF && (flags & (MF_POPUP | MF_SEPARATOR)) == 0;
    ShowHint(mainWindow, command ? LOWORD(wParam) : 0);
}

void OnMainMouseMove(HWND mainWindow)
{
    ShowHint(mainWindow, 0);
}

bool OnNumericEditCommand(HWND mainWindow, int id, int code, HWND edit)
{
    (void)mainWindow;
    (void)id;
    switch (code) {
    case EN_SETFOCUS:
        Edit_SetSel(edit, 0, -1);
        return true;
    case EN_KILLFOCUS:
        // The up-down follows its edit in the window order.
        ClampUpDownBuddy(GetWindow(edit, GW_HWNDNEXT));
        return true;
    }
    return false;
}

// Warns when a name box is left holding a name that is not in its list.
bool ReadNameBox(HWND box, char *name, int capacity)
{
    name[0] = '\0';
    if (GetWindowTextLengthA(box) >= capacity)
        return false;
    GetWindowTextA(box, name, capacity);
    return true;
}

static bool OnNameComboKillFocus(HWND mainWindow, int id, HWND combo)
{
    // Only a move to another control of this window leaves the field. The
    // focus going to a tool window or another program, or to nobody because
    // the box was disabled by a mode switch or the window is closing, must
    // not raise a box that pulls the focus back: the tools would be unusable
    // while a name is half typed.
    HWND next = GetFocus();
    if (next == NULL || next == combo || IsChild(combo, next) || !IsChild(mainWindow, next))
        return false;
    char text[SPECIES_NAME_BYTES + 1];
    const int capacity = id == IDC_SPECIES ? SPECIES_NAME_BYTES + 1 : NATURE_NAME_BYTES + 1;
    const bool fits = ReadNameBox(combo, text, capacity);
    if (fits && text[0] == '\0')
        return false;
    if (fits && ComboBox_FindStringExact(combo, 0, text) != CB_ERR)
        return true;
    MessageBoxA(combo,
                id == IDC_SPECIES ? "指定されたポケモンはデータに存在しません"
                                  : "指定された性格はデータに存在しません",
                "Varendo", MB_OK | MB_ICONWARNING);
    SetFocus(combo);
    return true;
}

bool OnNameComboCommand(HWND mainWindow, int id, int code, HWND combo)
{
    switch (code) {
    case CBN_SELCHANGE: {
        // The box updates its own edit field only after this notification,
        // and the recalculation reads the edit field.
        char text[25] = "";
        const int index = ComboBox_GetCurSel(combo);
        // Without a selected item (the list's selection was cancelled) the
        // typed text stays: there is nothing to copy over it.
        if (index != CB_ERR && ComboBox_GetLBTextLen(combo, index) < (int)sizeof text) {
            ComboBox_GetLBText(combo, index, text);
            SetWindowTextA(combo, text);
        }
        SendMessageA(mainWindow, WM_RECALCULATE, 0, 0);
        return true;
    }
    case CBN_EDITCHANGE:
        SendMessageA(mainWindow, WM_RECALCULATE, 0, 0);
        return true;
    case CBN_KILLFOCUS:
        return OnNameComboKillFocus(mainWindow, id, combo);
    }
    return false;
}
