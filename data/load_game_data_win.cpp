// Acquires the two data blobs from the module's resources and expands them.
#include <windows.h>

#include "game_data.h"
#include "load_game_data.h"

// The resources live as long as the module, so the pointers are used in place
// and never released.
static const void *LockBlob(HMODULE module, const char *name, DWORD *size)
{
    *size = 0;
    HRSRC info = FindResourceA(module, name, "BYTE");
    if (info == NULL)
        return NULL;
    HGLOBAL handle = LoadResource(module, info);
    if (handle == NULL)
        return NULL;
    *size = SizeofResource(module, info);
    return LockResource(handle);
}

bool LoadGameData(HMODULE module)
{
    DWORD speciesSize, natureSize;
    const void *species = LockBlob(module, "POKE_DATA", &speciesSize);
    const void *nature = LockBlob(module, "CHARA_DATA", &natureSize);
    return ExpandGameData(species, speciesSize, nature, natureSize);
}
