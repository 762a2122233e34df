// The observation list: its columns, the add, edit and delete commands and its notifications.
#include "observation_list.h"

#include <commctrl.h>

#include "../engine/number_text.h"
#include "../resources/resource.h"
#include "main_window.h"
#include "mode_switch.h"

static const char ProductName[] = "Varendo";

// A cell holds at most three characters: the entry fields take digits only
// and no level, stat or effort needs more.
enum { CELL_BYTES = 4 };

// The entry field behind each data column, and the mode families that use it.
// The fields of each family are exactly the ones its modes enable; the order
// is the order of transfer: the shared columns, then each family's own.
struct CellLink {
    int column;
    int field;
    unsigned families;
};

static const unsigned AllFamilies = FAMILY_GEN1 | FAMILY_GEN2 | FAMILY_GEN34;

static const CellLink CellMap[] = {
    {1, IDC_LEVEL, AllFamilies},
    {2, IDC_STAT_HP, AllFamilies},
    {3, IDC_STAT_ATK, AllFamilies},
    {4, IDC_STAT_DEF, AllFamilies},
    {7, IDC_STAT_SPE, AllFamilies},
    {9, IDC_EFFORT_HP, AllFamilies},
    {10, IDC_EFFORT_ATK, AllFamilies},
    {11, IDC_EFFORT_DEF, AllFamilies},
    {14, IDC_EFFORT_SPE, AllFamilies},
    {5, IDC_STAT_SPA, FAMILY_GEN2 | FAMILY_GEN34},
    {6, IDC_STAT_SPD, FAMILY_GEN2 | FAMILY_GEN34},
    {8, IDC_STAT_SPC, FAMILY_GEN1},
    // The second generation's one Special effort sits in the Sp. Atk effort field.
    {12, IDC_EFFORT_SPA, FAMILY_GEN2 | FAMILY_GEN34},
    {13, IDC_EFFORT_SPD, FAMILY_GEN34},
    {15, IDC_EFFORT_SPC, FAMILY_GEN1},
};

struct ColumnSpec {
    const char *header;
    int width;
};

static const ColumnSpec Columns[LIST_COLUMN_COUNT] = {
    {"", 0},      {"Lv", 42},   {"HP", 42},   {"攻撃", 42}, {"防御", 42}, {"特攻", 42},
    {"特防", 42}, {"素早", 42}, {"特殊", 42}, {"HP", 42},   {"攻撃", 42}, {"防御", 42},
    {"特攻", 42}, {"特防", 42}, {"素早", 42}, {"特殊", 42},
};

void PrepareObservationList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, ListView_GetExtendedListViewStyle(list) |
                                                LVS_EX_FULLROWSELECT);
    for (int c = 0; c < LIST_COLUMN_COUNT; c++) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        // The row label (column 0) is always left-aligned and kept out of sight.
        column.fmt = c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = Columns[c].width;
        column.pszText = (char *)Columns[c].header;
        column.iSubItem = c;
        ListView_InsertColumn(list, c, &column);
    }
}

// The game allows at most 510 effort values in all, Special not counted
// (it has no effort of its own from the third generation on). The sum is
// taken over the texts that the row will carry, so that a field still
// holding a number outside its up-down's range is counted as it will be
// stored, not as the up-down's stale position.
static bool EffortTotalAllowed(HWND mainWindow)
{
    static const int Efforts[] = {IDC_EFFORT_HP,  IDC_EFFORT_ATK, IDC_EFFORT_DEF,
                                  IDC_EFFORT_SPA, IDC_EFFORT_SPD, IDC_EFFORT_SPE};
    int total = 0;
    for (int field : Efforts) {
        char text[CELL_BYTES] = "";
        GetDlgItemTextA(mainWindow, field, text, sizeof text);
        total += ReadNumberText(text);
    }
    return total <= 510;
}

void AddObservation(HWND mainWindow)
{
    const unsigned family = ModeFamily(CurrentMode);
    if (family == FAMILY_GEN34 && !EffortTotalAllowed(mainWindow)) {
        MessageBoxA(mainWindow, "努力値の合計が510を超えています", ProductName,
                    MB_OK | MB_ICONWARNING);
        return;
    }

    HWND list = GetDlgItem(mainWindow, IDC_LIST);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = (char *)"";
    const int row = ListView_InsertItem(list, &item);

    for (const CellLink &link : CellMap) {
        if ((link.families & family) == 0)
            continue;
        char text[CELL_BYTES] = "";
        GetDlgItemTextA(mainWindow, link.field, text, sizeof text);
        ListView_SetItemText(list, row, link.column, text);
    }

    // The new row alone is selected; the focus row stays where the user left it.
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    ListView_EnsureVisible(list, row, FALSE);
    SendMessageA(mainWindow, WM_RECALCULATE, 0, 0);
}

void EditObservation(HWND mainWindow)
{
    HWND list = GetDlgItem(mainWindow, IDC_LIST);
    const int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (row < 0)
        return;
    const unsigned family = ModeFamily(CurrentMode);
    for (const CellLink &link : CellMap) {
        if ((link.families & family) == 0)
            continue;
        char text[CELL_BYTES] = "";
        ListView_GetItemText(list, row, link.column, text, sizeof text);
        SetDlgItemTextA(mainWindow, link.field, text);
    }
}

void DeleteObservations(HWND mainWindow)
{
    HWND list = GetDlgItem(mainWindow, IDC_LIST);
    // Each search starts from the top again, so the last index found is the
    // position, in the shrunken list, of the row after the last deleted one.
    int lastDeleted = -1;
    for (;;) {
        const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        if (row < 0)
            break;
        lastDeleted = row;
        ListView_DeleteItem(list, row);
    }
    if (lastDeleted >= 0) {
        const int left = ListView_GetItemCount(list);
        const int next = lastDeleted < left ? lastDeleted : lastDeleted - 1;
        if (next >= 0)
            ListView_SetItemState(list, next, LVIS_SELECTED, LVIS_SELECTED);
    }
    SendMessageA(mainWindow, WM_RECALCULATE, 0, 0);
}

LRESULT OnListNotify(HWND mainWindow, WPARAM wParam, LPARAM lParam)
{
    const NMHDR *header = (const NMHDR *)lParam;
    // Edit and Delete act on the selection, so they follow it.
    const bool anySelected = ListView_GetSelectedCount(header->hwndFrom) > 0;
    EnableWindow(GetDlgItem(mainWindow, IDC_EDIT), anySelected);
    EnableWindow(GetDlgItem(mainWindow, IDC_DELETE), anySelected);

    switch (header->code) {
    case NM_DBLCLK:
        SendMessageA(mainWindow, WM_COMMAND, IDC_EDIT, 0);
        return 0;
    case NM_OUTOFMEMORY:
        MessageBoxA(mainWindow, "メモリが不足しています", ProductName, MB_OK | MB_ICONERROR);
        return 0;
    }
    return DefWindowProcA(mainWindow, WM_NOTIFY, wParam, lParam);
}
