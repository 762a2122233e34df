// Hidden power calculator: type and power of the move from typed individual values.
#ifndef VARENDO_UI_HIDDEN_POWER_TOOL_H
#define VARENDO_UI_HIDDEN_POWER_TOOL_H

#include <windows.h>

// IDM_TOOL_HIDDENPOWER: opens the tool, or restores and activates the one already open.
void OnHiddenPowerToolCommand(HWND mainWindow);

INT_PTR CALLBACK HiddenPowerToolProc(HWND tool, UINT message, WPARAM wParam, LPARAM lParam);

#endif
