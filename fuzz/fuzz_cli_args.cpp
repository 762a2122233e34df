// Fuzz target: the whole command line of varendo-calc, arguments separated by
// NUL bytes, through parsing, look-up, calculation and output.
#include <stdint.h>
#include <string.h>

#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "cli/cli_text.h"
#include "cli/embedded_blobs.h"
#include "data/game_data.h"

static void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

static bool IsUtf8(const CliText *text)
{
    size_t at = 0;
    while (at < text->length) {
        unsigned c;
        const size_t n = DecodeUtf8(text->bytes + at, text->length - at, &c);
        if (n == 0)
            return false;
        at += n;
    }
    return strlen(text->bytes) == text->length;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Check(ExpandGameData(EmbeddedPokeData, EmbeddedPokeDataSize, EmbeddedCharaData,
                         EmbeddedCharaDataSize));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    enum { MAX_ARGS = 128 };
    static char buffer[1 << 16];
    if (size >= sizeof buffer)
        return 0;
    memcpy(buffer, data, size);
    buffer[size] = 0;
    const char *argv[MAX_ARGS];
    int argc = 0;
    argv[argc++] = "varendo-calc";
    for (size_t at = 0; at <= size && argc < MAX_ARGS;) {
        argv[argc++] = buffer + at;
        at += strlen(buffer + at) + 1;
    }

    static CliText out, err;
    CliTextClear(&out);
    CliTextClear(&err);
    const int status = RunCli(argc, argv, &out, &err);
    Check(IsUtf8(&out) && IsUtf8(&err));
    if (status == CLI_EXIT_OK) {
        Check(err.length == 0 && out.length > 0 && out.bytes[out.length - 1] == '\n');
        if (out.bytes[0] == '{')
            Check(out.length >= 3 && memcmp(out.bytes + out.length - 2, "}\n", 2) == 0);
    } else {
        // Bad input: exactly one line on stderr, nothing on stdout.
        Check(status == CLI_EXIT_BAD_INPUT);
        Check(out.length == 0);
        Check(strncmp(err.bytes, "varendo-calc: ", 14) == 0);
        Check(err.bytes[err.length - 1] == '\n' &&
              memchr(err.bytes, '\n', err.length) == err.bytes + err.length - 1);
    }
    return 0;
}
