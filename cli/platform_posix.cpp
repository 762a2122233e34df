// varendo-calc on Linux and other POSIX systems: iconv for code page 932,
// plain writes, and the entry point (arguments arrive as UTF-8 bytes).
#include <errno.h>
#include <iconv.h>
#include <string.h>
#include <unistd.h>

#include "cli_platform.h"
#include "varendo_calc.h"

// glibc's "CP932" is the Windows code page (with its NEC and IBM rows),
// which is what the game tables use; opened once per direction.
static bool Convert(const char *from, const char *to, iconv_t *cache, const char *in, char *out,
                    size_t outSize)
{
    if (outSize == 0)
        return false;
    out[0] = 0;
    if (*cache == (iconv_t)-1) {
        *cache = iconv_open(to, from);
        if (*cache == (iconv_t)-1)
            return false;
    }
    iconv(*cache, NULL, NULL, NULL, NULL); // reset the shift state
    char *src = const_cast<char *>(in);
    size_t srcLeft = strlen(in);
    char *dst = out;
    size_t dstLeft = outSize - 1; // room for the NUL
    if (iconv(*cache, &src, &srcLeft, &dst, &dstLeft) == (size_t)-1 ||
        iconv(*cache, NULL, NULL, &dst, &dstLeft) == (size_t)-1) {
        out[0] = 0;
        return false;
    }
    *dst = 0;
    return true;
}

bool Utf8ToShiftJis(const char *utf8, char *out, size_t outSize)
{
    static iconv_t cache = (iconv_t)-1;
    return Convert("UTF-8", "CP932", &cache, utf8, out, outSize);
}

bool ShiftJisToUtf8(const char *sjis, char *out, size_t outSize)
{
    static iconv_t cache = (iconv_t)-1;
    return Convert("CP932", "UTF-8", &cache, sjis, out, outSize);
}

void WriteCliStream(CliStream stream, const char *utf8, size_t length)
{
    const int fd = stream == CLI_STDERR ? 2 : 1;
    while (length > 0) {
        const ssize_t written = write(fd, utf8, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // a closed pipe: nobody is left to tell
        utf8 += written;
        length -= (size_t)written;
    }
}

#ifndef VARENDO_CALC_NO_MAIN
int main(int argc, char **argv)
{
    return VarendoCalcMain(argc, argv);
}
#endif
