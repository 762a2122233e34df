// The Help menu: the help file through the HTML Help control, and the version box.
#ifndef VARENDO_UI_HELP_ABOUT_H
#define VARENDO_UI_HELP_ABOUT_H

#include <windows.h>

// IDM_HELP_CONTENTS or IDM_HELP_KEYWORD: "Varendo.chm" on its table of
// contents or on its keyword index. Ends silently when help is unavailable.
void OnHelpCommand(HWND mainWindow, UINT command);

// IDM_ABOUT: product name, version and legal notice from the program's own
// version resource, in an information box. Nothing when that is unreadable.
void OnAboutCommand(HWND mainWindow);

#endif
