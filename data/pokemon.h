// Species table: the 500 species records expanded from the POKE_DATA blob.
#ifndef VARENDO_DATA_POKEMON_H
#define VARENDO_DATA_POKEMON_H

#include <stddef.h>
#include <stdint.h>

// Fixed order of the seven stats in every record, array, list column group and table.
enum StatSlot {
    STAT_HP = 0,
    STAT_ATK = 1,
    STAT_DEF = 2,
    STAT_SPA = 3,
    STAT_SPD = 4,
    STAT_SPE = 5,
    STAT_SPC = 6,
    STAT_SLOT_COUNT = 7
};

enum {
    SPECIES_COUNT = 500,
    SPECIES_RECORD_SIZE = 41,
    SPECIES_BLOB_SIZE = SPECIES_COUNT * SPECIES_RECORD_SIZE,
    SPECIES_NAME_BYTES = 24
};

struct SpeciesRecord {
    uint16_t id;
    uint16_t nationalNo;
    uint16_t johtoNo;
    uint16_t hoennNo;
    uint16_t sinnohNo;
    char name[SPECIES_NAME_BYTES + 1];
    uint16_t baseStats[STAT_SLOT_COUNT];
};

extern SpeciesRecord SpeciesTable[SPECIES_COUNT];

// Fills SpeciesTable from a POKE_DATA blob. A blob of any size other than
// 500 records is refused and leaves the table untouched.
bool ExpandSpeciesTable(const void *blob, size_t size);

// Position of the first record, in the table's current order, named exactly
// `name`; -1 when none is.
int FindSpeciesByName(const char *name);

#endif
