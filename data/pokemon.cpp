// Species table expansion and lookup by name.
#include "pokemon.h"

#include <string.h>

#include "blob_text.h"

SpeciesRecord SpeciesTable[SPECIES_COUNT];

static uint16_t ReadLe16(const unsigned char *p)
{
    return (uint16_t)(p[0] | (p[1] << 8));
}

bool ExpandSpeciesTable(const void *blob, size_t size)
{
    if (blob == NULL || size != SPECIES_BLOB_SIZE)
        return false;
    const unsigned char *bytes = (const unsigned char *)blob;
    for (int k = 0; k < SPECIES_COUNT; k++) {
        const unsigned char *src = bytes + SPECIES_RECORD_SIZE * k;
        SpeciesRecord *rec = &SpeciesTable[k];
        rec->id = ReadLe16(src + 0);
        rec->nationalNo = ReadLe16(src + 2);
        rec->johtoNo = ReadLe16(src + 4);
        rec->hoennNo = ReadLe16(src + 6);
        rec->sinnohNo = ReadLe16(src + 8);
        // A name of exactly 24 bytes carries no NUL in the blob.
        CopyBlobText(rec->name, src + 10, SPECIES_NAME_BYTES);
        for (int s = 0; s < STAT_SLOT_COUNT; s++)
            rec->baseStats[s] = src[34 + s];
    }
    return true;
}

int FindSpeciesByName(const char *name)
{
    for (int p = 0; p < SPECIES_COUNT; p++) {
        if (strcmp(SpeciesTable[p].name, name) == 0)
            return p;
    }
    return -1;
}
