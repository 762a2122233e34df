// Game mode commands: what the main window offers and marks for a mode.
#include "mode_switch.h"

#include <commctrl.h>

#include "../resources/resource.h"
#include "input_assist.h"
#include "main_window.h"
#include "shell.h"
#include "pokemon_roster.h"

unsigned ModeFamily(GameMode mode)
{
    switch (mode) {
    case IDM_MODE_RGBY:
        return FAMILY_GEN1;
    case IDM_MODE_GSC:
        return FAMILY_GEN2;
    default:
        return FAMILY_GEN34;
    }
}

// Inputs that exist only in some generations: the first has one Special stat
// and no natures, the second splits Special into Sp. Atk and Sp. Def but keeps
// one Special effort (carried in the Sp. Atk effort field), the third and
// fourth have natures and an effort value for every stat but Special.
struct ModeInput {
    int id;
    unsigned families; // enabled in these families, disabled in the others
};

// The name inputs come first: the switch sets them before the stat rows.
enum { NAME_INPUT_COUNT = 3 };
static const ModeInput ModeInputs[] = {
    {IDC_NATURE_LABEL, FAMILY_GEN34},
    {IDC_NATURE, FAMILY_GEN34},
    {IDC_SHINY, FAMILY_GEN1 | FAMILY_GEN2},
    {IDC_STAT_SPC_LABEL, FAMILY_GEN1},
    {IDC_STAT_SPC, FAMILY_GEN1},
    {IDC_STAT_SPC_SPIN, FAMILY_GEN1},
    {IDC_EFFORT_SPC, FAMILY_GEN1},
    {IDC_EFFORT_SPC_SPIN, FAMILY_GEN1},
    {IDC_STAT_SPA_LABEL, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_STAT_SPA, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_STAT_SPA_SPIN, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_EFFORT_SPA, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_EFFORT_SPA_SPIN, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_STAT_SPD_LABEL, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_STAT_SPD, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_STAT_SPD_SPIN, FAMILY_GEN2 | FAMILY_GEN34},
    {IDC_EFFORT_SPD, FAMILY_GEN34},
    {IDC_EFFORT_SPD_SPIN, FAMILY_GEN34},
};

// The first two generations count effort levels (0-63), the later ones
// effort values (0-255). The up-down that a family leaves out keeps its range.
static const int Gen12EffortSpins[] = {IDC_EFFORT_HP_SPIN,  IDC_EFFORT_ATK_SPIN,
                                       IDC_EFFORT_DEF_SPIN, IDC_EFFORT_SPA_SPIN,
                                       IDC_EFFORT_SPE_SPIN, IDC_EFFORT_SPC_SPIN};
static const int AllEffortSpins[] = {IDC_EFFORT_HP_SPIN,  IDC_EFFORT_ATK_SPIN, IDC_EFFORT_DEF_SPIN,
                                     IDC_EFFORT_SPA_SPIN, IDC_EFFORT_SPD_SPIN, IDC_EFFORT_SPE_SPIN,
                                     IDC_EFFORT_SPC_SPIN};
static const int Gen34EffortSpins[] = {IDC_EFFORT_HP_SPIN,  IDC_EFFORT_ATK_SPIN,
                                       IDC_EFFORT_DEF_SPIN, IDC_EFFORT_SPA_SPIN,
                                       IDC_EFFORT_SPD_SPIN, IDC_EFFORT_SPE_SPIN};

static void EnableInputs(HWND mainWindow, unsigned family, const ModeInput *inputs, size_t count)
{
    for (size_t i = 0; i < count; i++)
        EnableWindow(GetDlgItem(mainWindow, inputs[i].id), (inputs[i].families & family) != 0);
}

static void SetEffortColumn(HWND mainWindow, unsigned family)
{
    const bool levels = family != FAMILY_GEN34;
    SetDlgItemTextA(mainWindow, IDC_EFFORT_HEADER, levels ? "努力Lv" : "努力値");
    const int *spins = levels ? Gen12EffortSpins : Gen34EffortSpins;
    for (int i = 0; i < 6; i++)
        SendDlgItemMessageA(mainWindow, spins[i], UDM_SETRANGE32, 0, levels ? 63 : 255);
}

// The mode submenu is the first item of the second top-level menu ("設定").
static HMENU ModeMenu(HWND mainWindow)
{
    return GetSubMenu(GetSubMenu(GetMenu(mainWindow), 1), 0);
}

static void SetMenuItemEnabled(HWND mainWindow, UINT id, bool enabled)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    SetMenuItemInfoA(GetMenu(mainWindow), id, FALSE, &item);
}

// Moves one effort field's number to another and zeroes the first: the
// single Special effort lives in the Special field in the first generation
// and in the Sp. Atk field in the second. The number is what the field shows,
// clamped into its range: UDM_GETPOS32 answers a typed text outside the range
// (or not yet clamped because the field still has the focus) with the last
// position set, which is not what the user sees.
static void MoveEffort(HWND mainWindow, int fromSpin, int toSpin)
{
    const int position = ClampUpDownBuddy(GetDlgItem(mainWindow, fromSpin));
    SendDlgItemMessageA(mainWindow, toSpin, UDM_SETPOS32, 0, position);
    SendDlgItemMessageA(mainWindow, fromSpin, UDM_SETPOS32, 0, 0);
}

// Rows and efforts entered for one generation's formula mean nothing to
// another's, so they survive only a switch within the same family.
static void CarryOverInputs(HWND mainWindow, GameMode oldMode, GameMode newMode)
{
    const unsigned oldFamily = ModeFamily(oldMode), newFamily = ModeFamily(newMode);
    if (oldFamily == newFamily)
        return;
    if (oldMode == IDM_MODE_RGBY && newMode == IDM_MODE_GSC) {
        MoveEffort(mainWindow, IDC_EFFORT_SPC_SPIN, IDC_EFFORT_SPA_SPIN);
    } else if (oldMode == IDM_MODE_GSC && newMode == IDM_MODE_RGBY) {
        MoveEffort(mainWindow, IDC_EFFORT_SPA_SPIN, IDC_EFFORT_SPC_SPIN);
    } else {
        for (int spin : AllEffortSpins)
            SendDlgItemMessageA(mainWindow, spin, UDM_SETPOS32, 0, 0);
    }
    ListView_DeleteAllItems(GetDlgItem(mainWindow, IDC_LIST));
}

void SetGameMode(HWND mainWindow, GameMode mode)
{
    const unsigned family = ModeFamily(mode);
    EnableInputs(mainWindow, family, ModeInputs, NAME_INPUT_COUNT);

    // Diamond/Pearl lets a creature be met at level 1; the older games start at 2.
    SendDlgItemMessageA(mainWindow, IDC_LEVEL_SPIN, UDM_SETRANGE32, mode == IDM_MODE_DP ? 1 : 2,
                        100);
    ClampUpDownBuddy(GetDlgItem(mainWindow, IDC_LEVEL_SPIN));

    CarryOverInputs(mainWindow, CurrentMode, mode);
    SetEffortColumn(mainWindow, family);
    EnableInputs(mainWindow, family, ModeInputs + NAME_INPUT_COUNT,
                 sizeof ModeInputs / sizeof ModeInputs[0] - NAME_INPUT_COUNT);
    ApplyDeoxysForm(mode);
    CheckMenuRadioItem(ModeMenu(mainWindow), IDM_MODE_RGBY, IDM_MODE_DP, mode, MF_BYCOMMAND);
    CurrentMode = mode;

    // Stat experience exists only in the first two generations, hidden power
    // only from the second on; an open tool would compute for the old mode.
    SetMenuItemEnabled(mainWindow, IDM_TOOL_EFFORT, family != FAMILY_GEN34);
    if (family == FAMILY_GEN34 && EffortToolWindow != NULL)
        SendMessageA(EffortToolWindow, WM_CLOSE, 0, 0);
    SetMenuItemEnabled(mainWindow, IDM_TOOL_HIDDENPOWER, mode != IDM_MODE_RGBY);
    if (HiddenPowerToolWindow != NULL)
        SendMessageA(HiddenPowerToolWindow, WM_CLOSE, 0, 0);
}

void OnModeCommand(HWND mainWindow, GameMode mode)
{
    SetStatusText(STATUS_PART_MODE, GameModeName(mode));
    SetGameMode(mainWindow, mode);
    FillSpeciesCombo(GetDlgItem(mainWindow, IDC_SPECIES), mainWindow, CurrentSort);
}
