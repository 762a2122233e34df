// Recalculation of the result fields from the observation list and the two names.
#ifndef VARENDO_UI_RECALCULATE_H
#define VARENDO_UI_RECALCULATE_H

#include <windows.h>

// WM_RECALCULATE: empties the nine result fields, then fills each stat's
// individual-value range and, once every stat is pinned, the hidden power.
void Recalculate(HWND mainWindow);

#endif
