// Input assistance of the main window: status-bar hints, click-to-select,
// clamping of numeric fields and validation of the two name boxes.
#ifndef VARENDO_UI_INPUT_ASSIST_H
#define VARENDO_UI_INPUT_ASSIST_H

#include <windows.h>

// EnumChildWindows callback; lParam is the main window. Subclasses direct
// children only, so the edits inside the combo boxes and the list header keep
// their own procedures.
BOOL CALLBACK SubclassChild(HWND window, LPARAM mainWindow);
LRESULT CALLBACK HintSubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Clamps the buddy edit of an up-down into the up-down's range and always
// sets the position, which rewrites the text in normal form ("007" -> "7").
int ClampUpDownBuddy(HWND upDown);

// Clamps an edit's number to 0..maximum, rewriting the text only when it
// was out of range. Returns the value after clamping.
int ClampEditToMax(HWND edit, int maximum);

// Reads a name box into `name` (capacity bytes with the terminator). A text
// that does not fit is no name at all: Wine limits the box by characters, not
// bytes, and the first bytes of a longer text must not match a shorter name.
bool ReadNameBox(HWND box, char *name, int capacity);

// One of the fifteen level, stat and effort edits of the main window.
bool IsNumericEdit(int id);

// Main window handlers; each returns true when it handled the message.
void OnMenuSelectHint(HWND mainWindow, WPARAM wParam);
void OnMainMouseMove(HWND mainWindow);
bool OnNumericEditCommand(HWND mainWindow, int id, int code, HWND edit);
bool OnNameComboCommand(HWND mainWindow, int id, int code, HWND combo);

#endif
