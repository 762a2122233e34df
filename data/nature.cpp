// Nature table expansion and lookup by name.
#include "nature.h"

#include <string.h>

NatureRecord NatureTable[NATURE_COUNT];

bool ExpandNatureTable(const void *blob, size_t size)
{
    if (blob == NULL || size != NATURE_BLOB_SIZE)
        return false;
    const unsigned char *bytes = (const unsigned char *)blob;
    for (int k = 0; k < NATURE_COUNT; k++) {
        const unsigned char *src = bytes + NATURE_RECORD_SIZE * k;
        NatureRecord *rec = &NatureTable[k];
        size_t len = 0;
        while (len < NATURE_NAME_BYTES && src[len] != 0)
            len++;
        memcpy(rec->name, src, len);
        memset(rec->name + len, 0, sizeof rec->name - len);
        for (int s = 0; s < NATURE_STAT_COUNT; s++)
            rec->multipliers[s] = src[NATURE_NAME_BYTES + s] / 100.0;
    }
    return true;
}

int FindNatureByName(const char *name)
{
    for (int p = 0; p < NATURE_COUNT; p++) {
        if (strcmp(NatureTable[p].name, name) == 0)
            return p;
    }
    return -1;
}
