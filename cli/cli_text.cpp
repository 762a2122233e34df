// Fixed-size UTF-8 text buffers that varendo-calc writes its output into.
#include "cli_text.h"

#include <string.h>

#include "cli_platform.h"

void CliTextClear(CliText *text)
{
    text->length = 0;
    text->bytes[0] = 0;
}

size_t DecodeUtf8(const char *p, size_t available, unsigned *codePoint)
{
    const unsigned char *s = (const unsigned char *)p;
    if (available == 0)
        return 0;
    unsigned c = s[0];
    size_t length;
    unsigned lowest;
    if (c < 0x80) {
        *codePoint = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        length = 2, lowest = 0x80, c &= 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3, lowest = 0x800, c &= 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, lowest = 0x10000, c &= 0x07;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (size_t i = 1; i < length; i++) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (s[i] & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    *codePoint = c;
    return length;
}

// Appends `length` bytes of well-formed UTF-8, dropping whole characters that
// would not fit.
static void AppendBytes(CliText *text, const char *utf8, size_t length)
{
    size_t room = CLI_TEXT_BYTES - 1 - text->length;
    if (length > room) {
        length = room;
        // Back up to the start of a character.
        while (length > 0 && ((unsigned char)utf8[length] & 0xC0) == 0x80)
            length--;
    }
    memcpy(text->bytes + text->length, utf8, length);
    text->length += length;
    text->bytes[text->length] = 0;
}

void CliTextAppend(CliText *text, const char *utf8)
{
    AppendBytes(text, utf8, strlen(utf8));
}

void CliTextAppendSjis(CliText *text, const char *sjis)
{
    // Converted straight into the free room; a text that cannot be
    // converted or does not fit shows as "?".
    char *end = text->bytes + text->length;
    if (ShiftJisToUtf8(sjis, end, CLI_TEXT_BYTES - text->length))
        text->length += strlen(end);
    else
        CliTextAppend(text, "?");
}

void CliTextAppendUnsigned(CliText *text, unsigned value)
{
    char digits[16];
    size_t n = sizeof digits;
    digits[--n] = 0;
    do {
        digits[--n] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    CliTextAppend(text, digits + n);
}

void CliTextAppendArgument(CliText *text, const char *argument)
{
    enum { MAX_SHOWN = 40 };
    CliTextAppend(text, "\"");
    const size_t total = strlen(argument);
    size_t at = 0;
    for (int shown = 0; at < total; shown++) {
        if (shown == MAX_SHOWN) {
            CliTextAppend(text, "...");
            break;
        }
        unsigned c;
        size_t n = DecodeUtf8(argument + at, total - at, &c);
        if (n == 0 || c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            CliTextAppend(text, "?");
            at += n == 0 ? 1 : n;
        } else {
            AppendBytes(text, argument + at, n);
            at += n;
        }
    }
    CliTextAppend(text, "\"");
}

void CliTextAppendJsonSjis(CliText *text, const char *sjis)
{
    char utf8[256];
    if (!ShiftJisToUtf8(sjis, utf8, sizeof utf8))
        utf8[0] = 0;
    CliTextAppend(text, "\"");
    const char *run = utf8; // start of the bytes that need no escape
    for (const char *p = utf8;; p++) {
        const unsigned char c = (unsigned char)*p;
        if (c != 0 && c != '"' && c != '\\' && c >= 0x20)
            continue;
        AppendBytes(text, run, (size_t)(p - run));
        run = p + 1;
        if (c == 0)
            break;
        static const char hex[] = "0123456789abcdef";
        const char escaped[7] = {'\\', c < 0x20 ? 'u' : (char)c, '0', '0', hex[c >> 4], hex[c & 15],
                                 0};
        if (c < 0x20)
            CliTextAppend(text, escaped);
        else
            AppendBytes(text, escaped, 2);
    }
    CliTextAppend(text, "\"");
}
