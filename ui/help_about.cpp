// The Help menu: the help file through the HTML Help control, and the version box.
#include "help_about.h"

#include "../resources/resource.h"
#include "main_window.h"

// The HTML Help control is not linked: it is loaded at the first help command,
// so that a machine without it still runs the program.
typedef HWND(WINAPI *HtmlHelpProc)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// The commands of the control's HtmlHelpA that the Help menu uses.
enum { HH_DISPLAY_TOC = 0x0001, HH_DISPLAY_INDEX = 0x0002 };

// The control's registration (CLSID_HHCtrl) and its entry HtmlHelpA, which it
// exports by ordinal only.
static const char HelpControlServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
static const WORD HtmlHelpOrdinal = 14;

// Found where the help facility looks for it; the program names no directory.
static const char HelpFileName[] = "Varendo.chm";

static HMODULE HelpControl = NULL;
static HtmlHelpProc HtmlHelpEntry = NULL;
// Once loading or the look-up failed, help stays off for the rest of the run:
// every later help command ends at once, without trying again.
static bool HelpUnavailable = false;

// The registered path of the control, loaded as it is registered.
static HMODULE LoadRegisteredHelpControl()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, HelpControlServerKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return NULL;
    // Room for a terminator that the stored value may lack.
    char path[MAX_PATH + 1] = "";
    DWORD type = 0, size = MAX_PATH;
    const LONG status = RegQueryValueExA(key, NULL, NULL, &type, (BYTE *)path, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return NULL;
    path[size < MAX_PATH ? size : MAX_PATH] = '\0';
    if (type == REG_EXPAND_SZ) {
        // Windows registers it as "%SystemRoot%\System32\hhctrl.ocx".
        char expanded[MAX_PATH];
        const DWORD length = ExpandEnvironmentStringsA(path, expanded, sizeof expanded);
        if (length == 0 || length > sizeof expanded)
            return NULL;
        return LoadLibraryA(expanded);
    }
    return LoadLibraryA(path);
}

static HWND CallHtmlHelp(HWND caller, UINT command)
{
    if (HelpUnavailable)
        return NULL;
    if (HelpControl == NULL) {
        HelpControl = LoadRegisteredHelpControl();
        // By name only from the system folder: a file called hhctrl.ocx in the
        // program's folder or the current folder is not loaded in its place.
        if (HelpControl == NULL)
            HelpControl = LoadLibraryExA("hhctrl.ocx", NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (HelpControl == NULL) {
            HelpUnavailable = true;
            return NULL;
        }
    }
    if (HtmlHelpEntry == NULL) {
        HtmlHelpEntry =
            (HtmlHelpProc)(void *)GetProcAddress(HelpControl, MAKEINTRESOURCEA(HtmlHelpOrdinal));
        if (HtmlHelpEntry == NULL) {
            HelpUnavailable = true;
            return NULL;
        }
    }
    return HtmlHelpEntry(caller, HelpFileName, command, 0);
}

void OnHelpCommand(HWND mainWindow, UINT command)
{
    // The help window belongs to the control; the program neither tracks nor closes it.
    CallHtmlHelp(mainWindow, command == IDM_HELP_KEYWORD ? HH_DISPLAY_INDEX : HH_DISPLAY_TOC);
}

// The version line and the legal notice of the program's own file; nothing
// when its fixed part is missing.
static void ShowVersionBox(HWND mainWindow, void *block)
{
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    if (!VerQueryValueA(block, "\\", (void **)&fixed, &length) || fixed == NULL ||
        length < sizeof *fixed)
        return;

    // The notice is looked up through the first translation; without one (or
    // without a notice) the box still shows the name and the version.
    const char *notice = "";
    struct Translation {
        WORD language, codePage;
    } *translations = NULL;
    if (VerQueryValueA(block, "\\VarFileInfo\\Translation", (void **)&translations, &length) &&
        translations != NULL && length >= sizeof *translations) {
        char subBlock[64];
        wsprintfA(subBlock, "\\StringFileInfo\\%04x%04x\\LegalCopyright", translations[0].language,
                  translations[0].codePage);
        char *value = NULL;
        if (VerQueryValueA(block, subBlock, (void **)&value, &length) && value != NULL)
            notice = value;
    }

    // wsprintfA writes at most 1024 bytes, terminator included.
    char text[1024];
    wsprintfA(text, "%s\n\nVersion: %d.%d.%d Build: %d\n\n%s", "Varendo",
              HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
              HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS), notice);
    MessageBoxA(mainWindow, text, "バージョン情報", MB_OK | MB_ICONINFORMATION);
}

void OnAboutCommand(HWND mainWindow)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(ModulePath, &handle);
    if (size == 0)
        return;
    void *block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
    if (block == NULL)
        return;
    if (GetFileVersionInfoA(ModulePath, 0, size, block))
        ShowVersionBox(mainWindow, block);
    HeapFree(GetProcessHeap(), 0, block);
}
