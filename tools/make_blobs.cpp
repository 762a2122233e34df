// Builds the POKE_DATA and CHARA_DATA blobs from the species and nature CSV files.
//
// usage: make_blobs SPECIES_CSV NATURES_CSV POKE_DATA_OUT CHARA_DATA_OUT
// Names are UTF-8 in the CSV files and Shift-JIS (code page 932) in the blobs.
#include <errno.h>
#include <iconv.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

static bool Fail(const char *file, int line, const char *what)
{
    fprintf(stderr, "make_blobs: %s:%d: %s\n", file, line, what);
    return false;
}

static std::vector<std::string> SplitCsvLine(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t comma = line.find(',', start);
        fields.push_back(
            line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return fields;
}

// Reads the data lines of a CSV file (the header is checked and skipped).
static bool ReadCsv(const char *path, const char *header,
                    std::vector<std::vector<std::string>> *rows)
{
    FILE *f = fopen(path, "rb");
    if (f == NULL) {
        fprintf(stderr, "make_blobs: cannot open %s: %s\n", path, strerror(errno));
        return false;
    }
    char buffer[1024];
    int lineNo = 0;
    bool ok = true;
    while (ok && fgets(buffer, sizeof buffer, f) != NULL) {
        lineNo++;
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (lineNo == 1) {
            if (line != header)
                ok = Fail(path, lineNo, "unexpected header");
            continue;
        }
        if (!line.empty())
            rows->push_back(SplitCsvLine(line));
    }
    fclose(f);
    return ok;
}

static bool ToShiftJis(const std::string &utf8, std::string *out)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == (iconv_t)-1)
        return false;
    char in[256], result[256];
    if (utf8.size() >= sizeof in) {
        iconv_close(cd);
        return false;
    }
    memcpy(in, utf8.data(), utf8.size());
    char *inPtr = in, *outPtr = result;
    size_t inLeft = utf8.size(), outLeft = sizeof result;
    size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == (size_t)-1 || inLeft != 0)
        return false;
    out->assign(result, sizeof result - outLeft);
    return true;
}

static bool ParseNumber(const std::string &text, long maxValue, long *value)
{
    if (text.empty() || text.size() > 6)
        return false;
    char *end;
    *value = strtol(text.c_str(), &end, 10);
    return *end == '\0' && *value >= 0 && *value <= maxValue;
}

static void PutLe16(unsigned char *p, long v)
{
    p[0] = (unsigned char)(v & 0xFF);
    p[1] = (unsigned char)(v >> 8);
}

static bool BuildSpecies(const char *path, std::vector<unsigned char> *blob)
{
    std::vector<std::vector<std::string>> rows;
    if (!ReadCsv(path, "id,national,johto,hoenn,sinnoh,name,hp,atk,def,spa,spd,spe,spc", &rows))
        return false;
    if (rows.size() != 500)
        return Fail(path, 0, "expected 500 records");
    blob->assign(500 * 41, 0);
    for (size_t k = 0; k < rows.size(); k++) {
        const std::vector<std::string> &r = rows[k];
        const int line = (int)k + 2;
        if (r.size() != 13)
            return Fail(path, line, "expected 13 fields");
        unsigned char *rec = blob->data() + 41 * k;
        long v;
        for (int i = 0; i < 5; i++) {
            if (!ParseNumber(r[i], 65535, &v))
                return Fail(path, line, "bad number");
            if (i == 0 && v != (long)k + 1)
                return Fail(path, line, "ids must run 1 to 500 in order");
            PutLe16(rec + 2 * i, v);
        }
        std::string name;
        if (!ToShiftJis(r[5], &name))
            return Fail(path, line, "name not representable in Shift-JIS");
        if (name.size() > 24)
            return Fail(path, line, "name longer than 24 bytes");
        memcpy(rec + 10, name.data(), name.size());
        for (int i = 0; i < 7; i++) {
            if (!ParseNumber(r[6 + i], 255, &v))
                return Fail(path, line, "bad base stat");
            rec[34 + i] = (unsigned char)v;
        }
    }
    return true;
}

static bool BuildNatures(const char *path, std::vector<unsigned char> *blob)
{
    std::vector<std::vector<std::string>> rows;
    if (!ReadCsv(path, "name,hp,atk,def,spa,spd,spe", &rows))
        return false;
    if (rows.size() != 25)
        return Fail(path, 0, "expected 25 records");
    blob->assign(25 * 16, 0);
    for (size_t k = 0; k < rows.size(); k++) {
        const std::vector<std::string> &r = rows[k];
        const int line = (int)k + 2;
        if (r.size() != 7)
            return Fail(path, line, "expected 7 fields");
        unsigned char *rec = blob->data() + 16 * k;
        std::string name;
        if (!ToShiftJis(r[0], &name) || name.empty() || name.size() > 10)
            return Fail(path, line, "name must be 1 to 10 bytes of Shift-JIS");
        memcpy(rec, name.data(), name.size());
        for (int i = 0; i < 6; i++) {
            long v;
            if (!ParseNumber(r[1 + i], 255, &v))
                return Fail(path, line, "bad percentage");
            rec[10 + i] = (unsigned char)v;
        }
    }
    return true;
}

static bool WriteFile(const char *path, const std::vector<unsigned char> &bytes)
{
    FILE *f = fopen(path, "wb");
    if (f == NULL) {
        fprintf(stderr, "make_blobs: cannot write %s: %s\n", path, strerror(errno));
        return false;
    }
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = fclose(f) == 0 && ok;
    if (!ok)
        fprintf(stderr, "make_blobs: write error on %s\n", path);
    return ok;
}

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: make_blobs SPECIES_CSV NATURES_CSV POKE_DATA_OUT CHARA_DATA_OUT\n");
        return 2;
    }
    std::vector<unsigned char> species, natures;
    if (!BuildSpecies(argv[1], &species) || !BuildNatures(argv[2], &natures))
        return 1;
    if (!WriteFile(argv[3], species) || !WriteFile(argv[4], natures))
        return 1;
    return 0;
}
