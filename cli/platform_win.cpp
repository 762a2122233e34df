// varendo-calc on Windows: code page conversions through UTF-16, the wide
// command line turned into UTF-8, and console-aware output.
#include <windows.h>
#include <shellapi.h>
#include <stdlib.h>

#include "cli_platform.h"
#include "varendo_calc.h"

enum { WIDE_TEXT_CHARS = 8192 };

// `from` text to `to` text through UTF-16. strict: refuse characters that the
// target code page would replace by a default or a look-alike.
static bool Convert(UINT from, UINT to, const char *in, char *out, size_t outSize)
{
    static WCHAR wide[WIDE_TEXT_CHARS];
    if (outSize == 0)
        return false;
    out[0] = 0;
    if (in[0] == 0)
        return true;
    const int wideLength =
        MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in, -1, wide, WIDE_TEXT_CHARS);
    if (wideLength <= 0)
        return false;
    BOOL usedDefault = FALSE;
    const bool toUtf8 = to == CP_UTF8;
    // CP_UTF8 takes neither flags nor a default-character query.
    const int length = WideCharToMultiByte(to, toUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, out,
                                           (int)(outSize > 0x7fffffff ? 0x7fffffff : outSize), NULL,
                                           toUtf8 ? NULL : &usedDefault);
    if (length <= 0 || usedDefault) {
        out[0] = 0;
        return false;
    }
    return true;
}

bool Utf8ToShiftJis(const char *utf8, char *out, size_t outSize)
{
    return Convert(CP_UTF8, 932, utf8, out, outSize);
}

bool ShiftJisToUtf8(const char *sjis, char *out, size_t outSize)
{
    return Convert(932, CP_UTF8, sjis, out, outSize);
}

void WriteCliStream(CliStream stream, const char *utf8, size_t length)
{
    HANDLE handle = GetStdHandle(stream == CLI_STDERR ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == NULL || handle == INVALID_HANDLE_VALUE || length == 0)
        return;
    DWORD mode;
    if (GetConsoleMode(handle, &mode)) {
        // A console shows UTF-16 correctly whatever its code page.
        static WCHAR wide[WIDE_TEXT_CHARS * 2];
        const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, (int)length, wide, WIDE_TEXT_CHARS * 2);
        DWORD written;
        if (n > 0)
            WriteConsoleW(handle, wide, (DWORD)n, &written, NULL);
        return;
    }
    // Redirected to a file or a pipe: the UTF-8 bytes as they are.
    while (length > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, utf8, (DWORD)length, &written, NULL) || written == 0)
            return;
        utf8 += written;
        length -= written;
    }
}

// The narrow argv of the C runtime is in the console's ANSI code page and
// loses characters; the wide command line keeps them all.
int main()
{
    int argc = 0;
    LPWSTR *wideArgv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (wideArgv == NULL)
        return 1;
    char **argv = (char **)calloc((size_t)argc + 1, sizeof *argv);
    if (argv == NULL)
        return 1;
    for (int i = 0; i < argc; i++) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wideArgv[i], -1, NULL, 0, NULL, NULL);
        argv[i] = (char *)calloc(size > 0 ? (size_t)size : 1, 1);
        if (argv[i] == NULL)
            return 1;
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, wideArgv[i], -1, argv[i], size, NULL, NULL);
    }
    LocalFree(wideArgv);
    const int status = VarendoCalcMain(argc, argv);
    for (int i = 0; i < argc; i++)
        free(argv[i]);
    free(argv);
    return status;
}
