// Nature table: the 25 natures expanded from the CHARA_DATA blob.
#ifndef VARENDO_DATA_NATURE_H
#define VARENDO_DATA_NATURE_H

#include <stddef.h>

enum {
    NATURE_COUNT = 25,
    NATURE_RECORD_SIZE = 16,
    NATURE_BLOB_SIZE = NATURE_COUNT * NATURE_RECORD_SIZE,
    NATURE_NAME_BYTES = 10,
    NATURE_STAT_COUNT = 6 // HP, Attack, Defense, Sp. Atk, Sp. Def, Speed
};

struct NatureRecord {
    char name[NATURE_NAME_BYTES + 1];
    double multipliers[NATURE_STAT_COUNT];
};

extern NatureRecord NatureTable[NATURE_COUNT];

// Fills NatureTable from a CHARA_DATA blob; a blob of another size is refused
// and leaves the table untouched.
bool ExpandNatureTable(const void *blob, size_t size);

// Position (0-24) of the nature named exactly `name`; -1 when none is.
int FindNatureByName(const char *name);

#endif
