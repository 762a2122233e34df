// Effort level calculator: stat experience of the first two generations to effort levels.
#ifndef VARENDO_UI_EFFORT_TOOL_H
#define VARENDO_UI_EFFORT_TOOL_H

#include <windows.h>

// IDM_TOOL_EFFORT: opens the tool, or restores and activates the one already open.
void OnEffortToolCommand(HWND mainWindow);

INT_PTR CALLBACK EffortToolProc(HWND tool, UINT message, WPARAM wParam, LPARAM lParam);

#endif
