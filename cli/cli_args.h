// The command line of varendo-calc: parsing, checking and name look-up into
// one request, or one error line for the user.
#ifndef VARENDO_CLI_CLI_ARGS_H
#define VARENDO_CLI_CLI_ARGS_H

#include <stdint.h>

#include "cli_text.h"
#include "data/nature.h"
#include "data/roster.h"
#include "data/pokemon.h"
#include "engine/iv_engine.h"

enum CliCommand {
    CLI_COMMAND_CALC,         // narrow individual values from observations
    CLI_COMMAND_EFFORT_LEVEL, // stat experience to effort levels
    CLI_COMMAND_HIDDEN_POWER, // individual values to hidden power
    CLI_COMMAND_HELP
};

enum {
    CLI_MAX_OBSERVATIONS = 100,
    CLI_MAX_VALUES = 100,
    CLI_STAT_MAX = 999,         // the games show at most three digits
    CLI_EFFORT_VALUE_MAX = 255, // third and fourth generation
    CLI_EFFORT_LEVEL_MAX = 63,  // first and second generation
    CLI_EFFORT_TOTAL_MAX = 510, // third and fourth generation
    CLI_EXIT_OK = 0,
    CLI_EXIT_INTERNAL = 1,
    CLI_EXIT_BAD_INPUT = 2
};

struct CliRequest {
    CliCommand command;
    bool json;
    GameMode mode;                            // calc and hidden-power
    char speciesName[SPECIES_NAME_BYTES + 1]; // Shift-JIS, as in SpeciesTable
    char natureName[NATURE_NAME_BYTES + 1];   // Shift-JIS; empty in generations 1-2
    int32_t observationCount;
    Observation observations[CLI_MAX_OBSERVATIONS]; // in StatSlot order
    int valueCount;
    uint16_t values[CLI_MAX_VALUES]; // effort-level: stat experience; hidden-power: IVs as typed
};

// The command-line names of the seven modes ("rgby" ... "dp").
const char *CliGameName(GameMode mode);

// Reads argv[1..argc-1] (UTF-8). The game tables must be loaded: a request
// for a game sorts SpeciesTable and gives "デオキシス" that game's stats. Returns
// CLI_EXIT_OK with `request` filled, or CLI_EXIT_BAD_INPUT with one line
// (ending in a newline) appended to `error`.
int ParseCliArgs(int argc, const char *const *argv, CliRequest *request, CliText *error);

#endif
