// The species selector: its refill for a mode and sort order, and the sort commands.
#ifndef VARENDO_UI_POKEMON_ROSTER_H
#define VARENDO_UI_POKEMON_ROSTER_H

#include <windows.h>

#include "../data/roster.h"

// Re-sorts SpeciesTable for `order`, relists the species that CurrentMode
// offers, keeps the selector's text, radio-marks the order in the main
// window's sort menu and makes it CurrentSort.
void FillSpeciesCombo(HWND combo, HWND mainWindow, SortOrder order);

// IDM_SORT_KANA to IDM_SORT_SINNOH: the order's name in the status bar, then the refill.
void OnSortCommand(HWND mainWindow, SortOrder order);

#endif
