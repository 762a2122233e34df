// Program shell: the main window class, its creation, the message loop and shutdown.
#include "shell.h"

#include <commctrl.h>

#include "../resources/resource.h"
#include "main_window.h"

HWND EffortToolWindow = NULL;
HWND HiddenPowerToolWindow = NULL;
HWND MainWindow = NULL;

static const char ClassName[] = "Varendo";

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    // The window is built from a dialog template, so the dialog manager keeps
    // its data in the window's extra bytes.
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IDI_VARENDO), IMAGE_ICON, 0, 0,
                                          LR_SHARED | LR_DEFAULTSIZE);
    windowClass.hCursor = (HCURSOR)LoadImageA(NULL, (LPCSTR)IDC_ARROW, IMAGE_CURSOR, 0, 0,
                                              LR_SHARED | LR_DEFAULTSIZE);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    // The template has no menu; the class supplies it.
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    windowClass.lpszClassName = ClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand)
{
    // The template's up-down and list view controls are created before the
    // window's own initialisation runs, so their classes must exist first.
    INITCOMMONCONTROLSEX classes = {sizeof classes,
                                    ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    // The class procedure also serves as the dialog procedure: the dialog
    // manager sends WM_INITDIALOG only when one is given.
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                     (DLGPROC)(void *)MainWndProc, 0);
    // A data-load failure destroys the window during its creation; depending
    // on the platform the dialog manager then returns NULL or the dead handle.
    if (window == NULL || !IsWindow(window))
        return NULL;
    MainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

void HandleProgramMessage(MSG *message)
{
    if (IsDialogMessageA(MainWindow, message))
        return;
    if (EffortToolWindow != NULL && IsDialogMessageA(EffortToolWindow, message))
        return;
    if (HiddenPowerToolWindow != NULL && IsDialogMessageA(HiddenPowerToolWindow, message))
        return;
    TranslateMessage(message);
    DispatchMessageA(message);
}

void CloseToolWindows()
{
    // A tool destroyed together with its owner keeps its record; destroying
    // it again simply fails.
    if (EffortToolWindow != NULL)
        DestroyWindow(EffortToolWindow);
    if (HiddenPowerToolWindow != NULL)
        DestroyWindow(HiddenPowerToolWindow);
}

int RunVarendo(HINSTANCE instance, int showCommand)
{
    if (!RegisterMainWindowClass(instance))
        return -1;
    // A window that could not be created or that closed itself during its
    // initialisation (game data not loadable) ends the program with -1, not
    // with the 0 of a normal exit.
    if (OpenMainWindow(instance, showCommand) == NULL)
        return -1;

    MSG message = {};
    for (;;) {
        const BOOL got = GetMessageA(&message, NULL, 0, 0);
        if (got == 0 || got == -1)
            break;
        HandleProgramMessage(&message);
    }
    CloseToolWindows();
    // The quit message carries the code that the main window's destruction posted.
    return (int)message.wParam;
}
