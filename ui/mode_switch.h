// Game mode commands: what the main window offers and marks for a mode.
#ifndef VARENDO_UI_MODE_SWITCH_H
#define VARENDO_UI_MODE_SWITCH_H

#include <windows.h>

#include "../data/roster.h"

// The three families of game modes, as bits so that tables can name several.
enum ModeFamilyBit { FAMILY_GEN1 = 1, FAMILY_GEN2 = 2, FAMILY_GEN34 = 4 };

// The family of `mode`: Red/Green/Blue/Pikachu, Gold/Silver/Crystal, or the
// five third/fourth-generation modes.
unsigned ModeFamily(GameMode mode);

// A mode command: the mode's name in the status bar, SetGameMode, then the
// species selector refilled for the mode in the current order.
void OnModeCommand(HWND mainWindow, GameMode mode);

// Adapts the main window to `mode` and makes it CurrentMode.
void SetGameMode(HWND mainWindow, GameMode mode);

#endif
