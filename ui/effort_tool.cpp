// Effort level calculator: stat experience of the first two generations to effort levels.
#include "effort_tool.h"

#include <windowsx.h>

#include "../data/roster.h"
#include "../engine/effort_level.h"
#include "../resources/resource.h"
#include "input_assist.h"
#include "shell.h"

// The five stats that have stat experience, as rows of the tool: HP, Attack,
// Defense, Speed and Special. Each output's id is its input's id plus 5.
enum { EFFORT_ROWS = 5, OUTPUT_OFFSET = IDC_EFFCALC_LV_HP - IDC_EFFCALC_EXP_HP };

// Stat experience is a 16-bit counter in the games: five digits at most.
enum { STAT_EXP_MAX = 65535, STAT_EXP_DIGITS = 5 };

// The main window's effort fields that the auto-fill writes, by row. The
// Special row has two: see OnAutoFill.
static const int MainEffortFields[EFFORT_ROWS - 1] = {IDC_EFFORT_HP, IDC_EFFORT_ATK, IDC_EFFORT_DEF,
                                                      IDC_EFFORT_SPE};

void OnEffortToolCommand(HWND mainWindow)
{
    if (EffortToolWindow != NULL) {
        ShowWindow(EffortToolWindow, SW_SHOWNORMAL);
        return;
    }
    // The menu item is grayed outside the first two generations; stat
    // experience means nothing to the later games, so a command from
    // elsewhere opens nothing either.
    if (!IsGen12Mode(CurrentMode))
        return;
    // The template is visible: the tool appears at once, centred. A failed
    // creation leaves the record empty and says nothing.
    EffortToolWindow =
        CreateDialogParamA((HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE),
                           MAKEINTRESOURCEA(IDD_EFFORT_TOOL), mainWindow, EffortToolProc, 0);
}

static INT_PTR OnInitDialog(HWND tool)
{
    for (int row = 0; row < EFFORT_ROWS; row++) {
        Edit_LimitText(GetDlgItem(tool, IDC_EFFCALC_EXP_HP + row), STAT_EXP_DIGITS);
        SetDlgItemTextA(tool, IDC_EFFCALC_LV_HP + row, "0");
    }
    // TRUE: the dialog manager focuses the first tab stop, the HP input.
    return TRUE;
}

// The input of one row is about to show a changed text.
static void OnInputUpdate(HWND tool, int inputId)
{
    // A clamped text notifies again, and this runs once more with it.
    const int statExp = ClampEditToMax(GetDlgItem(tool, inputId), STAT_EXP_MAX);
    char text[8];
    wsprintfA(text, "%hu", EffortLevelFromStatExp((uint16_t)statExp));
    SetDlgItemTextA(tool, inputId + OUTPUT_OFFSET, text);
}

// Copies the five levels into the main window's effort fields, as texts: they
// count when the user next adds an observation there.
static void OnAutoFill(HWND tool)
{
    HWND mainWindow = GetWindow(tool, GW_OWNER);
    char level[3];
    for (int row = 0; row < EFFORT_ROWS - 1; row++) {
        GetDlgItemTextA(tool, IDC_EFFCALC_LV_HP + row, level, sizeof level);
        SetDlgItemTextA(mainWindow, MainEffortFields[row], level);
    }
    // The second generation splits Special into Sp. Atk and Sp. Def but keeps
    // one Special stat experience, which the main window carries in its
    // Sp. Atk effort field; the first generation has a Special field.
    GetDlgItemTextA(tool, IDC_EFFCALC_LV_SPC, level, sizeof level);
    SetDlgItemTextA(mainWindow, CurrentMode == IDM_MODE_GSC ? IDC_EFFORT_SPA : IDC_EFFORT_SPC,
                    level);
}

static INT_PTR OnCommand(HWND tool, int id, int code)
{
    switch (id) {
    case IDC_EFFCALC_EXP_HP:
    case IDC_EFFCALC_EXP_ATK:
    case IDC_EFFCALC_EXP_DEF:
    case IDC_EFFCALC_EXP_SPE:
    case IDC_EFFCALC_EXP_SPC:
        if (code != EN_UPDATE)
            return FALSE;
        OnInputUpdate(tool, id);
        return TRUE;
    case IDC_EFFCALC_AUTOFILL:
        OnAutoFill(tool);
        return TRUE;
    case IDC_EFFCALC_CLOSE:
        SendMessageA(tool, WM_CLOSE, 0, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK EffortToolProc(HWND tool, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(tool);
    case WM_COMMAND:
        return OnCommand(tool, LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE:
        DestroyWindow(tool);
        EffortToolWindow = NULL;
        return TRUE;
    case WM_DESTROY:
        // Also destroyed together with the main window, its owner, without a
        // WM_CLOSE: the record must not outlive the window in either case.
        if (EffortToolWindow == tool)
            EffortToolWindow = NULL;
        return FALSE;
    }
    return FALSE;
}
