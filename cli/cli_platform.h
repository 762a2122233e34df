// What varendo-calc needs from the operating system: text conversion between
// UTF-8 (command line and output) and Shift-JIS (the game tables), and the
// two output streams. One implementation per platform.
#ifndef VARENDO_CLI_CLI_PLATFORM_H
#define VARENDO_CLI_CLI_PLATFORM_H

#include <stddef.h>

// Converts NUL-terminated UTF-8 into NUL-terminated code page 932. False, with
// `out` holding an empty string, when the text is not valid UTF-8, has a
// character that code page 932 lacks, or does not fit in `outSize` bytes.
bool Utf8ToShiftJis(const char *utf8, char *out, size_t outSize);

// The reverse; false (and `out` empty) for bytes that are not code page 932
// or a result that does not fit.
bool ShiftJisToUtf8(const char *sjis, char *out, size_t outSize);

enum CliStream { CLI_STDOUT = 1, CLI_STDERR = 2 };

// Writes UTF-8 text to standard output or standard error as it is; a Windows
// console gets it as UTF-16, so any console code page shows it.
void WriteCliStream(CliStream stream, const char *utf8, size_t length);

#endif
