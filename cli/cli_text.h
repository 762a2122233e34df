// Fixed-size UTF-8 text buffers that varendo-calc writes its output into.
#ifndef VARENDO_CLI_CLI_TEXT_H
#define VARENDO_CLI_CLI_TEXT_H

#include <stddef.h>

enum { CLI_TEXT_BYTES = 16384 };

struct CliText {
    char bytes[CLI_TEXT_BYTES]; // always NUL-terminated
    size_t length;
};

void CliTextClear(CliText *text);

// Appends UTF-8 as it is; what does not fit is dropped at a character boundary.
void CliTextAppend(CliText *text, const char *utf8);

// Appends a Shift-JIS text (table names, program literals) converted to UTF-8.
void CliTextAppendSjis(CliText *text, const char *sjis);

void CliTextAppendUnsigned(CliText *text, unsigned value);

// Appends a user's argument in double quotes, made safe for one line: bytes
// that are not UTF-8 and control characters become '?', and a long argument
// is cut after 40 characters with "...".
void CliTextAppendArgument(CliText *text, const char *argument);

// Appends a JSON string literal of a Shift-JIS text.
void CliTextAppendJsonSjis(CliText *text, const char *sjis);

// Decodes one UTF-8 character at `p` (at most `available` bytes); returns its
// length, or 0 for a malformed sequence (overlong, surrogate, beyond U+10FFFF,
// cut short). The code point goes to *codePoint.
size_t DecodeUtf8(const char *p, size_t available, unsigned *codePoint);

#endif
