// The species selector: its refill for a mode and sort order, and the sort commands.
#include "pokemon_roster.h"

#include <windowsx.h>

#include "../resources/resource.h"
#include "main_window.h"

// The sort submenu is the second item of the second top-level menu ("設定").
static HMENU SortMenu(HWND mainWindow)
{
    return GetSubMenu(GetSubMenu(GetMenu(mainWindow), 1), 1);
}

void FillSpeciesCombo(HWND combo, HWND mainWindow, SortOrder order)
{
    // Wine's text limit counts characters, not bytes, so a typed name can
    // take up to twice the bytes of the longest species name.
    char saved[2 * SPECIES_NAME_BYTES + 1] = "";
    GetWindowTextA(combo, saved, sizeof saved);

    ComboBox_ResetContent(combo);
    int listed[SPECIES_COUNT];
    const int count = BuildRoster(CurrentMode, order, listed);
    for (int i = 0; i < count; i++)
        ComboBox_AddString(combo, SpeciesTable[listed[i]].name);

    // The typed or chosen name stays, even when the new roster lacks it.
    SetWindowTextA(combo, saved);

    CheckMenuRadioItem(SortMenu(mainWindow), IDM_SORT_KANA, IDM_SORT_SINNOH, order, MF_BYCOMMAND);
    CurrentSort = order;
}

void OnSortCommand(HWND mainWindow, SortOrder order)
{
    SetStatusText(STATUS_PART_SORT, SortOrderName(order));
    FillSpeciesCombo(GetDlgItem(mainWindow, IDC_SPECIES), mainWindow, order);
}
