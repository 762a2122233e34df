// Hidden power calculator: type and power of the move from typed individual values.
#include "hidden_power_tool.h"

#include "../data/roster.h"
#include "../engine/iv_engine.h"
#include "../resources/resource.h"
#include "input_assist.h"
#include "shell.h"

// The seven inputs follow the stat slot order (HP, Attack, Defense, Sp. Atk,
// Sp. Def, Speed, Special) from IDC_HPCALC_HP on.
enum { INPUT_COUNT = STAT_SLOT_COUNT };

// Individual values are 4 bits in Gold/Silver/Crystal and 5 bits later.
enum { GEN2_IV_MAX = 15, GEN34_IV_MAX = 31 };

void OnHiddenPowerToolCommand(HWND mainWindow)
{
    if (HiddenPowerToolWindow != NULL) {
        ShowWindow(HiddenPowerToolWindow, SW_SHOWNORMAL);
        return;
    }
    // Red/Green/Blue/Pikachu have no hidden power: the menu item is grayed
    // there, and a command from elsewhere opens nothing either, rather than a
    // tool computing with a later generation's formula.
    if (CurrentMode == IDM_MODE_RGBY)
        return;
    HiddenPowerToolWindow = CreateDialogParamA(
        (HINSTANCE)GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE),
        MAKEINTRESOURCEA(IDD_HIDDENPOWER_TOOL), mainWindow, HiddenPowerToolProc, 0);
}

// Gold/Silver/Crystal have one Special value; the later games have Sp. Atk and
// Sp. Def instead. HP, Attack, Defense and Speed are always usable.
static void ApplyModeEnabling(HWND tool)
{
    const BOOL split = CurrentMode != IDM_MODE_GSC;
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPA_LABEL), split);
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPD_LABEL), split);
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPA), split);
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPD), split);
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPC_LABEL), !split);
    EnableWindow(GetDlgItem(tool, IDC_HPCALC_SPC), !split);
}

// Any input is about to show a changed text: all seven are read again, the
// disabled ones too (they are always empty, reading 0).
static void OnInputUpdate(HWND tool)
{
    const bool gen2 = CurrentMode == IDM_MODE_GSC;
    IvResult result = {};
    for (int slot = 0; slot < INPUT_COUNT; slot++) {
        // A clamped text notifies again; the nested run sees every value in range.
        const int value = ClampEditToMax(GetDlgItem(tool, IDC_HPCALC_HP + slot),
                                         gen2 ? GEN2_IV_MAX : GEN34_IV_MAX);
        result.ranges[slot].min = (uint8_t)value;
    }
    if (gen2)
        HiddenPowerGen2(&result);
    else
        HiddenPowerGen34(&result);

    SetDlgItemTextA(tool, IDC_HPCALC_TYPE, result.hiddenPower.typeName);
    char power[8];
    wsprintfA(power, "%hu", (unsigned short)result.hiddenPower.power);
    SetDlgItemTextA(tool, IDC_HPCALC_POWER, power);
    ApplyModeEnabling(tool);
}

static void OnCommand(HWND tool, int id, int code)
{
    switch (id) {
    case IDC_HPCALC_HP:
    case IDC_HPCALC_ATK:
    case IDC_HPCALC_DEF:
    case IDC_HPCALC_SPA:
    case IDC_HPCALC_SPD:
    case IDC_HPCALC_SPE:
    case IDC_HPCALC_SPC:
        if (code == EN_UPDATE)
            OnInputUpdate(tool);
        break;
    case IDC_HPCALC_CLOSE:
        SendMessageA(tool, WM_CLOSE, 0, 0);
        break;
    }
}

INT_PTR CALLBACK HiddenPowerToolProc(HWND tool, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        ApplyModeEnabling(tool);
        // No focus is asked for; the inputs start empty and have no length limit.
        return FALSE;
    case WM_COMMAND:
        // Handled or not, every command answers FALSE.
        OnCommand(tool, LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(tool);
        HiddenPowerToolWindow = NULL;
        return TRUE;
    case WM_DESTROY:
        // Also destroyed together with the main window, its owner, without a
        // WM_CLOSE: the record must not outlive the window in either case.
        if (HiddenPowerToolWindow == tool)
            HiddenPowerToolWindow = NULL;
        return FALSE;
    }
    return FALSE;
}
