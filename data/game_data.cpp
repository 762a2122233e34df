// Start-up expansion of both game tables from their blobs.
#include "game_data.h"

#include "nature.h"
#include "pokemon.h"

bool ExpandGameData(const void *speciesBlob, size_t speciesSize, const void *natureBlob,
                    size_t natureSize)
{
    if (speciesBlob == NULL || speciesSize != SPECIES_BLOB_SIZE)
        return false;
    if (natureBlob == NULL || natureSize != NATURE_BLOB_SIZE)
        return false;
    return ExpandSpeciesTable(speciesBlob, speciesSize) &&
           ExpandNatureTable(natureBlob, natureSize);
}
