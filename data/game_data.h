// Start-up expansion of both game tables from their blobs.
#ifndef VARENDO_DATA_GAME_DATA_H
#define VARENDO_DATA_GAME_DATA_H

#include <stddef.h>

// Checks both blobs before touching either table, so a failure leaves
// SpeciesTable and NatureTable as they were.
bool ExpandGameData(const void *speciesBlob, size_t speciesSize, const void *natureBlob,
                    size_t natureSize);

#endif
