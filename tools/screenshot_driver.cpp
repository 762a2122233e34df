// Starts Varendo.exe (from this program's folder), enters the worked example
// of the README as a user would, and writes the main window's geometry as
// WIDTHxHEIGHT+X+Y into the file named by its argument, for the screen
// capture. Varendo is left running. (Not on standard output: Varendo
// inherits it, and a shell reading it would wait for Varendo to end.)
#include <windows.h>

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

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: varendo_screenshot_driver GEOMETRY-FILE\n");
        return 2;
    }
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

    // Bulbasaur, Adamant, seen at level 50 and again at level 100.
    TypeInto(GetDlgItem(main, IDC_SPECIES), L"フシギダネ");
    TypeInto(GetDlgItem(main, IDC_NATURE), L"いじっぱり");
    static const char *const Level50[6] = {"120", "75", "69", "76", "85", "65"};
    static const char *const Level100[6] = {"231", "147", "134", "149", "166", "126"};
    AddRow(main, "50", Level50);
    AddRow(main, "100", Level100);
    Sleep(1000); // let everything repaint

    RECT frame;
    GetWindowRect(main, &frame);
    FILE *out = fopen(argv[1], "w");
    if (out == NULL) {
        fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    fprintf(out, "%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
            frame.left, frame.top);
    return fclose(out) == 0 ? 0 : 1;
}
