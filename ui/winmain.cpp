// Entry point of Varendo.exe.
#include "shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // The program reads no command line.
    return RunVarendo(instance, showCommand);
}
