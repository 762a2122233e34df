// Game modes, sort orders and the species roster of the species selector.
#ifndef VARENDO_DATA_ROSTER_H
#define VARENDO_DATA_ROSTER_H

#include "../resources/resource.h"
#include "pokemon.h"

// A game mode is the command id of its menu item, IDM_MODE_RGBY to IDM_MODE_DP;
// a sort order likewise IDM_SORT_KANA to IDM_SORT_SINNOH.
typedef unsigned GameMode;
typedef unsigned SortOrder;

extern GameMode CurrentMode;  // initially IDM_MODE_DP
extern SortOrder CurrentSort; // initially IDM_SORT_KANA
extern int DeoxysIndex; // position of "デオキシス" as of the latest roster walk; -1 before

bool IsGameMode(unsigned id);
bool IsSortOrder(unsigned id);

// First and second generation: 4-bit values, effort levels, no natures.
bool IsGen12Mode(GameMode mode);

// The status-bar name of a mode ("ダイヤモンド・パール") or of an order ("五十音順").
const char *GameModeName(GameMode mode);
const char *SortOrderName(SortOrder order);

// Whether a mode offers the species with this id.
bool ModeListsSpecies(GameMode mode, unsigned id);

int CompareByName(const void *a, const void *b);
int CompareByNational(const void *a, const void *b);
int CompareByJohto(const void *a, const void *b);
int CompareByHoenn(const void *a, const void *b);
int CompareBySinnoh(const void *a, const void *b);

// Sorts SpeciesTable in place for `order`, then walks all 500 positions:
// records DeoxysIndex and stores in `listed` the positions that `mode` and
// the order's Pokédex admit, in table order. Returns how many were stored.
int BuildRoster(GameMode mode, SortOrder order, int listed[SPECIES_COUNT]);

// Writes the mode's form of "デオキシス" (HP to Speed) into the record at
// DeoxysIndex; nothing while DeoxysIndex is none.
void ApplyDeoxysForm(GameMode mode);

#endif
