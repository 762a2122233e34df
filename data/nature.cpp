// Nature table expansion and lookup by name.
#include "nature.h"

#include <string.h>

#include "blob_text.h"

NatureRecord NatureTable[NATURE_COUNT];

bool ExpandNatureTable(const void *blob, size_t size)
{
    if (blob == NULL || size != NATURE_BLOB_SIZE)
        return false;
    const unsigned char *bytes = (const unsigned char *)blob;
    for (int k = 0; k < NATURE_COUNT; k++) {
        const unsigned char *src = bytes + NATURE_RECORD_SIZE * k;
        NatureRecord *rec = &NatureTable[k];
        CopyBlobText(rec->name, src, NATURE_NAME_BYTES);
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
