// Starts Varendo.exe (from this program's folder), sets up one scene of the
// README as a user would, and writes the geometry of the window to capture as
// WIDTHxHEIGHT+X+Y into the file named by its first argument. Scenes: "main"
// (the default; the worked example), "effort-tool", "hidden-power-tool",
// "about" and "help". Varendo is left running. (Not on standard output:
// Varendo inherits it, and a shell reading it would wait for Varendo to end.)
#include <windows.h>

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "resources/resource.h"

static void TypeInto(HWND combo, const wchar_t *text)
{
    HWND edit = FindWindowExA(combo, NULL, "Edit", NULL);
    for (; *text != 0; text++)
        SendMessageW(edit, WM_CHAR, *text, 1);
}

static void AddRow(HWND main, const char *level, const char *const stats[6])
{
    static const int StatFields[6] = {IDC_STAT_HP,  IDC_STAT_ATK, IDC_STAT_DEF,
                                      IDC_STAT_SPA, IDC_STAT_SPD, IDC_STAT_SPE};
    SetDlgItemTextA(main, IDC_LEVEL, level);
    for (int s = 0; s < 6; s++)
        SetDlgItemTextA(main, StatFields[s], stats[s]);
    SendDlgItemMessageA(main, IDC_ADD, BM_CLICK, 0, 0);
}

// A top-level window of Varendo that a command opened, waited for.
static HWND WaitForWindow(const char *className, const char *caption)
{
    HWND found = NULL;
    for (int i = 0; i < 100 && (found = FindWindowA(className, caption)) == NULL; i++)
        Sleep(100);
    return found;
}

// The effort tool in Gold/Silver/Crystal with five stat experiences typed,
// copied into the main window with 自動入力.
static HWND EffortToolScene(HWND main)
{
    SendMessageA(main, WM_COMMAND, IDM_MODE_GSC, 0);
    SendMessageA(main, WM_COMMAND, IDM_TOOL_EFFORT, 0);
    HWND tool = WaitForWindow("#32770", "努力レベル計算機");
    if (tool == NULL)
        return NULL;
    static const int Inputs[5] = {IDC_EFFCALC_EXP_HP, IDC_EFFCALC_EXP_ATK, IDC_EFFCALC_EXP_DEF,
                                  IDC_EFFCALC_EXP_SPE, IDC_EFFCALC_EXP_SPC};
    static const char *const StatExp[5] = {"25600", "65535", "8100", "65535", "2500"};
    for (int row = 0; row < 5; row++)
        SetDlgItemTextA(tool, Inputs[row], StatExp[row]);
    SendDlgItemMessageA(tool, IDC_EFFCALC_AUTOFILL, BM_CLICK, 0, 0);
    return tool;
}

// The hidden power tool in Diamond/Pearl with six individual values typed.
static HWND HiddenPowerToolScene(HWND main)
{
    SendMessageA(main, WM_COMMAND, IDM_TOOL_HIDDENPOWER, 0);
    HWND tool = WaitForWindow("#32770", "めざめるパワー計算機");
    if (tool == NULL)
        return NULL;
    static const int Inputs[6] = {IDC_HPCALC_HP,  IDC_HPCALC_ATK, IDC_HPCALC_DEF,
                                  IDC_HPCALC_SPA, IDC_HPCALC_SPD, IDC_HPCALC_SPE};
    static const char *const Values[6] = {"31", "30", "31", "30", "31", "31"};
    for (int slot = 0; slot < 6; slot++)
        SetDlgItemTextA(tool, Inputs[slot], Values[slot]);
    return tool;
}

// The version box. Posted: the box is modal, and a sent command would wait for it.
static HWND AboutScene(HWND main)
{
    PostMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
    return WaitForWindow("#32770", "バージョン情報");
}

// The help window on its contents, every chapter opened.
static HWND HelpScene(HWND main)
{
    PostMessageA(main, WM_COMMAND, IDM_HELP_CONTENTS, 0);
    HWND help = WaitForWindow("HH Parent", NULL);
    if (help == NULL)
        return NULL;
    HWND tree = NULL;
    for (HWND pane = FindWindowExA(help, NULL, NULL, NULL); pane != NULL && tree == NULL;
         pane = FindWindowExA(help, pane, NULL, NULL))
        tree = FindWindowExA(pane, NULL, "SysTreeView32", NULL);
    if (tree != NULL) {
        for (LPARAM item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0); item != 0;
             item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item))
            SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, item);
    }
    return help;
}

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        fprintf(stderr, "usage: varendo_screenshot_driver GEOMETRY-FILE "
                        "[main|effort-tool|hidden-power-tool|about|help]\n");
        return 2;
    }
    const char *scene = argc == 3 ? argv[2] : "main";
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    char *slash = strrchr(path, '\\');
    lstrcpyA(slash != NULL ? slash + 1 : path, "Varendo.exe");

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "cannot start %s\n", path);
        return 1;
    }
    WaitForInputIdle(process.hProcess, 20000);
    HWND main = NULL;
    for (int i = 0; i < 200 && (main = FindWindowA("Varendo", NULL)) == NULL; i++)
        Sleep(100);
    if (main == NULL) {
        fprintf(stderr, "Varendo showed no window\n");
        return 1;
    }

    HWND shown = main;
    if (lstrcmpA(scene, "main") == 0) {
        // Bulbasaur, Adamant, seen at level 50 and again at level 100.
        TypeInto(GetDlgItem(main, IDC_SPECIES), L"フシギダネ");
        TypeInto(GetDlgItem(main, IDC_NATURE), L"いじっぱり");
        static const char *const Level50[6] = {"120", "75", "69", "76", "85", "65"};
        static const char *const Level100[6] = {"231", "147", "134", "149", "166", "126"};
        AddRow(main, "50", Level50);
        AddRow(main, "100", Level100);
    } else if (lstrcmpA(scene, "effort-tool") == 0) {
        shown = EffortToolScene(main);
    } else if (lstrcmpA(scene, "hidden-power-tool") == 0) {
        shown = HiddenPowerToolScene(main);
    } else if (lstrcmpA(scene, "about") == 0) {
        shown = AboutScene(main);
    } else if (lstrcmpA(scene, "help") == 0) {
        shown = HelpScene(main);
    } else {
        fprintf(stderr, "unknown scene %s\n", scene);
        return 2;
    }
    if (shown == NULL) {
        fprintf(stderr, "Varendo showed no window for the scene %s\n", scene);
        return 1;
    }
    Sleep(1000); // let everything repaint

    RECT frame;
    GetWindowRect(shown, &frame);
    FILE *out = fopen(argv[1], "w");
    if (out == NULL) {
        fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    fprintf(out, "%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
            frame.left, frame.top);
    return fclose(out) == 0 ? 0 : 1;
}
