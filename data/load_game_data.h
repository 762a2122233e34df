// Windows loader of the game tables from the program's own resources.
#ifndef VARENDO_DATA_LOAD_GAME_DATA_H
#define VARENDO_DATA_LOAD_GAME_DATA_H

#include <windows.h>

// Fills SpeciesTable and NatureTable from the module's POKE_DATA and
// CHARA_DATA resources (type "BYTE"); on failure neither table is touched.
bool LoadGameData(HMODULE module);

#endif
