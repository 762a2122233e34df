// Loads the committed data blobs into the game tables for native tests and benchmarks.
#include "test_tables.h"

#include <stdio.h>

#include "data/game_data.h"

std::string ReadBlobFile(const char *name)
{
    std::string path = std::string(VARENDO_RESOURCE_DIR) + "/" + name;
    std::string bytes;
    FILE *f = fopen(path.c_str(), "rb");
    if (f == NULL)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

bool ReloadTestTables()
{
    static const std::string species = ReadBlobFile("poke_data.bin");
    static const std::string natures = ReadBlobFile("chara_data.bin");
    return ExpandGameData(species.data(), species.size(), natures.data(), natures.size());
}
