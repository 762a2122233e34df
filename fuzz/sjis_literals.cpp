// Rewrites a UTF-8 C++ source so that its string and character literals hold
// code page 932 bytes as octal escapes. The program's literals are Shift-JIS
// (g++ -fexec-charset=CP932), which clang cannot produce; the fuzzers are
// built with clang from sources passed through this tool.
// usage: sjis_literals INPUT OUTPUT
#include <errno.h>
#include <iconv.h>
#include <stdio.h>
#include <string.h>

#include <string>

static bool ReadFile(const char *path, std::string *text)
{
    FILE *f = fopen(path, "rb");
    if (f == NULL)
        return false;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        text->append(buffer, n);
    fclose(f);
    return true;
}

// Appends the code page 932 bytes of one run of UTF-8 as octal escapes, which
// never run into the characters that follow them (unlike hex escapes).
static bool AppendEscaped(const std::string &utf8, std::string *out)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == (iconv_t)-1)
        return false;
    char converted[1024];
    char *src = const_cast<char *>(utf8.data());
    size_t srcLeft = utf8.size();
    char *dst = converted;
    size_t dstLeft = sizeof converted;
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != (size_t)-1;
    iconv_close(cd);
    if (!ok)
        return false;
    for (char *p = converted; p < dst; p++) {
        char escape[8];
        snprintf(escape, sizeof escape, "\\%03o", (unsigned char)*p);
        *out += escape;
    }
    return true;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: sjis_literals INPUT OUTPUT\n");
        return 2;
    }
    std::string in;
    if (!ReadFile(argv[1], &in)) {
        fprintf(stderr, "sjis_literals: cannot read %s\n", argv[1]);
        return 1;
    }
    // Diagnostics and coverage still point at the real file.
    std::string out = std::string("#line 1 \"") + argv[1] + "\"\n";
    size_t i = 0;
    const size_t n = in.size();
    int line = 1;
    while (i < n) {
        const char c = in[i];
        if (c == '/' && i + 1 < n && in[i + 1] == '/') {
            const size_t end = in.find('\n', i);
            const size_t stop = end == std::string::npos ? n : end;
            out.append(in, i, stop - i);
            i = stop;
        } else if (c == '/' && i + 1 < n && in[i + 1] == '*') {
            const size_t end = in.find("*/", i + 2);
            const size_t stop = end == std::string::npos ? n : end + 2;
            for (size_t k = i; k < stop; k++)
                line += in[k] == '\n';
            out.append(in, i, stop - i);
            i = stop;
        } else if (c == '"' || c == '\'') {
            if (c == '"' && i > 0 && in[i - 1] == 'R') {
                fprintf(stderr, "%s:%d: raw string literals are not handled\n", argv[1], line);
                return 1;
            }
            out += c;
            i++;
            while (i < n && in[i] != c && in[i] != '\n') {
                if (in[i] == '\\' && i + 1 < n) {
                    out.append(in, i, 2);
                    i += 2;
                } else if ((unsigned char)in[i] >= 0x80) {
                    size_t end = i;
                    while (end < n && (unsigned char)in[end] >= 0x80)
                        end++;
                    if (!AppendEscaped(in.substr(i, end - i), &out)) {
                        fprintf(stderr, "%s:%d: a literal has text outside code page 932\n",
                                argv[1], line);
                        return 1;
                    }
                    i = end;
                } else {
                    out += in[i++];
                }
            }
            if (i < n && in[i] == c)
                out += in[i++];
        } else {
            line += c == '\n';
            out += c;
            i++;
        }
    }
    FILE *f = fopen(argv[2], "wb");
    if (f == NULL || fwrite(out.data(), 1, out.size(), f) != out.size() || fclose(f) != 0) {
        fprintf(stderr, "sjis_literals: cannot write %s: %s\n", argv[2], strerror(errno));
        return 1;
    }
    return 0;
}
