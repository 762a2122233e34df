// Program shell: the main window class, its creation, the message loop and shutdown.
#ifndef VARENDO_UI_SHELL_H
#define VARENDO_UI_SHELL_H

#include <windows.h>

// The open tool windows, or NULL. Each is set by the command that opens its
// tool and cleared by that tool's own close handling.
extern HWND EffortToolWindow;
extern HWND HiddenPowerToolWindow;

// The main window once created (also after it is destroyed, until the next one).
extern HWND MainWindow;

// Registers the "Varendo" class that the main window template names.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window from its template, shows it with `showCommand` and
// paints it. NULL when no live window results, as after a data-load failure,
// which destroys the window while it is being created.
HWND OpenMainWindow(HINSTANCE instance, int showCommand);

// One turn of the message loop for a retrieved message: dialog keyboard
// handling of the main window, then of the open tool windows, else translate
// and dispatch.
void HandleProgramMessage(MSG *message);

// Shutdown: destroys the tool windows that are still open.
void CloseToolWindows();

// The whole program: registration, creation, loop, shutdown. Returns the exit code.
int RunVarendo(HINSTANCE instance, int showCommand);

#endif
