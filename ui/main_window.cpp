// The main window procedure: initialisation, size, close and the dispatch of
// every message and command to the file that owns it.
#include "main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "../data/load_game_data.h"
#include "../data/nature.h"
#include "../data/roster.h"
#include "../resources/resource.h"
#include "effort_tool.h"
#include "help_about.h"
#include "hidden_power_tool.h"
#include "input_assist.h"
#include "mode_switch.h"
#include "observation_list.h"
#include "recalculate.h"
#include "pokemon_roster.h"

HWND StatusBar = NULL;
char ModulePath[270] = "";

static const char ProductName[] = "Varendo";

// The control that had the focus when the window was last deactivated.
static HWND SavedFocus = NULL;

void SetStatusText(StatusPart part, const char *text)
{
    SendMessageA(StatusBar, SB_SETTEXTA, (WPARAM)part, (LPARAM)text);
}

// Status bar along the bottom; the window grows by it and by the menu bar,
// which comes from the class and which the template's size does not count.
static void CreateStatusBar(HWND window)
{
    StatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, "", window, IDC_STATUSBAR);

    RECT windowRect, barRect;
    GetWindowRect(window, &windowRect);
    GetWindowRect(StatusBar, &barRect);
    const int width = windowRect.right - windowRect.left;
    const int height = (windowRect.bottom - windowRect.top) + (barRect.bottom - barRect.top) +
                       GetSystemMetrics(SM_CYMENU);
    SetWindowPos(window, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);

    int edges[3] = {width - 310, width - 100, -1};
    SendMessageA(StatusBar, SB_SETPARTS, 3, (LPARAM)edges);
}

static void SetSpinRange(HWND window, int spinId, int low, int high)
{
    SendDlgItemMessageA(window, spinId, UDM_SETRANGE32, (WPARAM)low, (LPARAM)high);
}

static LRESULT OnInitDialog(HWND window)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);

    InitCommonControls();
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);

    GetModuleFileNameA(NULL, ModulePath, sizeof ModulePath);

    if (!LoadGameData(instance)) {
        MessageBoxA(window, "ポケモンデータを読み込めませんでした。", ProductName,
                    MB_OK | MB_ICONERROR);
        SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }

    CreateStatusBar(window);

    // The longest species and nature names in bytes of Shift-JIS text.
    ComboBox_LimitText(GetDlgItem(window, IDC_SPECIES), SPECIES_NAME_BYTES);
    ComboBox_LimitText(GetDlgItem(window, IDC_NATURE), NATURE_NAME_BYTES);

    static const int StatSpins[] = {IDC_STAT_HP_SPIN,  IDC_STAT_ATK_SPIN, IDC_STAT_DEF_SPIN,
                                    IDC_STAT_SPA_SPIN, IDC_STAT_SPD_SPIN, IDC_STAT_SPE_SPIN,
                                    IDC_STAT_SPC_SPIN};
    for (int spin : StatSpins)
        SetSpinRange(window, spin, 0, 999);
    static const int EffortSpins[] = {IDC_EFFORT_HP_SPIN,  IDC_EFFORT_ATK_SPIN,
                                      IDC_EFFORT_DEF_SPIN, IDC_EFFORT_SPA_SPIN,
                                      IDC_EFFORT_SPD_SPIN, IDC_EFFORT_SPE_SPIN};
    for (int spin : EffortSpins)
        SetSpinRange(window, spin, 0, 255);
    SetSpinRange(window, IDC_EFFORT_SPC_SPIN, 0, 63);

    PrepareObservationList(GetDlgItem(window, IDC_LIST));

    HWND nature = GetDlgItem(window, IDC_NATURE);
    for (int n = 0; n < NATURE_COUNT; n++)
        ComboBox_InsertString(nature, -1, NatureTable[n].name);

    // Every direct child gets the hint procedure, the status bar included.
    EnumChildWindows(window, SubclassChild, (LPARAM)window);

    SendMessageA(window, WM_COMMAND, IDM_MODE_DP, 0);
    SendMessageA(window, WM_COMMAND, IDM_SORT_KANA, 0);

    // Answering 0 keeps this focus instead of the dialog manager's choice.
    SavedFocus = GetDlgItem(window, IDC_SPECIES);
    SetFocus(SavedFocus);
    return 0;
}

static void OnClose(HWND window)
{
    // Emptied names are valid, so leaving the boxes raises no warning while
    // the window goes away.
    SetDlgItemTextA(window, IDC_SPECIES, "");
    SetDlgItemTextA(window, IDC_NATURE, "");
    DestroyWindow(window);
}

// The window runs DefWindowProc, not DefDlgProc, so it must move the focus
// itself when dialog keyboard handling asks for the next or previous control.
static void OnNextDlgCtl(HWND window, WPARAM wParam, LPARAM lParam)
{
    HWND target;
    if (LOWORD(lParam) != 0) {
        target = (HWND)wParam;
    } else {
        // The focus may sit in the edit field inside a combo box.
        HWND from = GetFocus();
        while (from != NULL && GetParent(from) != window)
            from = GetParent(from);
        target = GetNextDlgTabItem(window, from, wParam != 0);
    }
    if (target == NULL)
        return;
    SetFocus(target);
    if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        Edit_SetSel(target, 0, -1);
}

// DefWindowProc would give the focus to the window itself on activation, so
// the focus is kept across a visit to a tool window or another program, as a
// dialog does for its controls.
static bool OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != NULL && IsChild(window, focus))
            SavedFocus = focus;
        return false;
    }
    if (IsIconic(window) || SavedFocus == NULL || !IsChild(window, SavedFocus))
        return false;
    SetFocus(SavedFocus);
    return true;
}

static bool OnCommand(HWND window, int id, int code, HWND control)
{
    if (IsNumericEdit(id))
        return OnNumericEditCommand(window, id, code, control);
    switch (id) {
    case IDC_SPECIES:
    case IDC_NATURE:
        return OnNameComboCommand(window, id, code, control);
    case IDC_ADD:
        if (code != BN_CLICKED)
            return false;
        AddObservation(window);
        return true;
    case IDC_EDIT:
        EditObservation(window);
        return true;
    case IDC_DELETE:
        if (code != BN_CLICKED)
            return false;
        DeleteObservations(window);
        return true;
    case IDM_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case IDM_MODE_RGBY:
    case IDM_MODE_GSC:
    case IDM_MODE_RS:
    case IDM_MODE_EMERALD:
    case IDM_MODE_FIRERED:
    case IDM_MODE_LEAFGREEN:
    case IDM_MODE_DP:
        OnModeCommand(window, (GameMode)id);
        return true;
    case IDM_SORT_KANA:
    case IDM_SORT_NATIONAL:
    case IDM_SORT_JOHTO:
    case IDM_SORT_HOENN:
    case IDM_SORT_SINNOH:
        OnSortCommand(window, (SortOrder)id);
        return true;
    case IDM_TOOL_EFFORT:
        OnEffortToolCommand(window);
        return true;
    case IDM_TOOL_HIDDENPOWER:
        OnHiddenPowerToolCommand(window);
        return true;
    case IDM_HELP_CONTENTS:
    case IDM_HELP_KEYWORD:
        OnHelpCommand(window, id);
        return true;
    case IDM_ABOUT:
        OnAboutCommand(window);
        return true;
    }
    // Like the OK and Cancel ids that dialog keyboard handling sends, any
    // other id falls through to DefWindowProc.
    return false;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(window);
    case WM_SIZE:
        // The status bar places itself along the new bottom edge.
        SendMessageA(StatusBar, WM_SIZE, wParam, lParam);
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_DESTROY:
        StatusBar = NULL;
        PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(window, wParam))
            return 0;
        break;
    case WM_NEXTDLGCTL:
        OnNextDlgCtl(window, wParam, lParam);
        return 0;
    case WM_NOTIFY:
        if (((const NMHDR *)lParam)->idFrom == IDC_LIST)
            return OnListNotify(window, wParam, lParam);
        break;
    case WM_RECALCULATE:
        Recalculate(window);
        return 0;
    case WM_COMMAND:
        if (OnCommand(window, LOWORD(wParam), HIWORD(wParam), (HWND)lParam))
            return 0;
        break;
    case WM_MENUSELECT:
        OnMenuSelectHint(window, wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMainMouseMove(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
