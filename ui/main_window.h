// The main window: its procedure, its status bar and the program path.
#ifndef VARENDO_UI_MAIN_WINDOW_H
#define VARENDO_UI_MAIN_WINDOW_H

#include <windows.h>

// Sent (never posted) by the main window to itself after every change of the
// observation list or of the species or nature name; recomputes the results.
#define WM_RECALCULATE (WM_APP + 1)

// The three parts of the status bar.
enum StatusPart { STATUS_PART_HINT = 0, STATUS_PART_MODE = 1, STATUS_PART_SORT = 2 };

// The status bar (IDC_STATUSBAR), created by the main window's initialisation.
extern HWND StatusBar;

// Full path of the program's own file, for the version box.
extern char ModulePath[270];

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void SetStatusText(StatusPart part, const char *text);

#endif
