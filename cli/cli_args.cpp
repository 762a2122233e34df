// The command line of varendo-calc: parsing, checking and name look-up into
// one request, or one error line for the user.
#include "cli_args.h"

#include <string.h>

#include "cli_platform.h"

namespace
{

struct GameInfo {
    const char *name;
    GameMode mode;
    unsigned lastNationalNo; // the highest national number the game lists
};

const GameInfo Games[] = {
    {"rgby", IDM_MODE_RGBY, 151},       {"gsc", IDM_MODE_GSC, 251},
    {"rs", IDM_MODE_RS, 386},           {"emerald", IDM_MODE_EMERALD, 386},
    {"firered", IDM_MODE_FIRERED, 386}, {"leafgreen", IDM_MODE_LEAFGREEN, 386},
    {"dp", IDM_MODE_DP, 492},
};
const int GameCount = (int)(sizeof Games / sizeof Games[0]);
const char GameList[] = "rgby, gsc, rs, emerald, firered, leafgreen, dp";

const GameInfo *FindGame(const char *name)
{
    for (int i = 0; i < GameCount; i++) {
        if (strcmp(Games[i].name, name) == 0)
            return &Games[i];
    }
    return NULL;
}

const GameInfo *GameOf(GameMode mode)
{
    for (int i = 0; i < GameCount; i++) {
        if (Games[i].mode == mode)
            return &Games[i];
    }
    return NULL;
}

// What a generation takes after the level, in the order the game shows it.
struct Layout {
    int statCount;
    int stats[6]; // slot of each typed stat
    int effortCount;
    int efforts[6]; // slot of each typed effort
    const char *statOrder;
    const char *effortOrder;
    unsigned effortMax;
    bool effortTotalLimited;
};

const Layout Gen1Layout = {5,
                           {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC},
                           5,
                           {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC},
                           "H/A/B/S/Special",
                           "H/A/B/S/Special",
                           CLI_EFFORT_LEVEL_MAX,
                           false};
// One Special value shows as C and D; its one effort level is typed in the C
// position and travels in the Sp. Atk entry, where the calculator reads it.
const Layout Gen2Layout = {6,
                           {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPD, STAT_SPE},
                           5,
                           {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPE},
                           "H/A/B/C/D/S",
                           "H/A/B/C/S, the one Special effort level in C",
                           CLI_EFFORT_LEVEL_MAX,
                           false};
const Layout Gen34Layout = {6,
                            {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPD, STAT_SPE},
                            6,
                            {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPD, STAT_SPE},
                            "H/A/B/C/D/S",
                            "H/A/B/C/D/S",
                            CLI_EFFORT_VALUE_MAX,
                            true};

const Layout *LayoutOf(GameMode mode)
{
    if (mode == IDM_MODE_RGBY)
        return &Gen1Layout;
    return mode == IDM_MODE_GSC ? &Gen2Layout : &Gen34Layout;
}

// Starts the error line with the program's name.
void Fail(CliText *error, const char *text)
{
    CliTextAppend(error, "varendo-calc: ");
    CliTextAppend(error, text);
}

int Finish(CliText *error, const char *text)
{
    CliTextAppend(error, text);
    CliTextAppend(error, "\n");
    return CLI_EXIT_BAD_INPUT;
}

enum NumberStatus { NUMBER_OK, NUMBER_NOT_A_NUMBER, NUMBER_TOO_BIG };

// A plain decimal number: digits only, no sign, no spaces. Anything with
// more than nine digits is too big for every field here.
NumberStatus ReadDecimal(const char *text, size_t length, uint32_t *value)
{
    if (length == 0)
        return NUMBER_NOT_A_NUMBER;
    uint32_t v = 0;
    for (size_t i = 0; i < length; i++) {
        if (text[i] < '0' || text[i] > '9')
            return NUMBER_NOT_A_NUMBER;
        if (v < 100000000)
            v = v * 10 + (uint32_t)(text[i] - '0');
        else
            v = 1000000000; // past every limit; stays there
    }
    *value = v;
    return NUMBER_OK;
}

bool IsDecimal(const char *text)
{
    uint32_t ignored;
    return ReadDecimal(text, strlen(text), &ignored) == NUMBER_OK;
}

// How many leading code points two UTF-8 texts share.
int CommonPrefixLength(const char *a, const char *b)
{
    size_t la = strlen(a), lb = strlen(b);
    int shared = 0;
    for (;;) {
        unsigned ca, cb;
        size_t na = DecodeUtf8(a, la, &ca), nb = DecodeUtf8(b, lb, &cb);
        if (na == 0 || nb == 0 || ca != cb)
            return shared;
        a += na, la -= na;
        b += nb, lb -= nb;
        shared++;
    }
}

// Appends "; names that begin alike: X, Y, Z" with up to three of the
// candidates (Shift-JIS) that share the longest start with what was typed.
// Returns false, appending nothing, when no candidate shares even one character.
bool AppendSuggestions(CliText *error, const char *typed, const char *const *candidates, int count)
{
    int best = 0;
    for (int i = 0; i < count; i++) {
        char utf8[128];
        if (candidates[i][0] != 0 && ShiftJisToUtf8(candidates[i], utf8, sizeof utf8)) {
            const int shared = CommonPrefixLength(typed, utf8);
            if (shared > best)
                best = shared;
        }
    }
    if (best == 0)
        return false;
    CliTextAppend(error, "; names that begin alike: ");
    int shown = 0;
    for (int i = 0; i < count && shown < 3; i++) {
        char utf8[128];
        if (candidates[i][0] != 0 && ShiftJisToUtf8(candidates[i], utf8, sizeof utf8) &&
            CommonPrefixLength(typed, utf8) == best) {
            if (shown++ > 0)
                CliTextAppend(error, ", ");
            CliTextAppend(error, utf8);
        }
    }
    return true;
}

struct Options {
    const char *game;
    const char *species;
    const char *nature;
    bool json;
    int positionalCount;
    const char *positional[CLI_MAX_OBSERVATIONS + 1]; // one more, to notice too many
    int positionalTotal;
};

// Sorts for the game, records where "デオキシス" is and gives it the game's
// form, exactly as the window does on a mode switch. Returns the positions
// the game lists, in syllabary order.
int PrepareRoster(GameMode mode, int listed[SPECIES_COUNT])
{
    const int count = BuildRoster(mode, IDM_SORT_KANA, listed);
    ApplyDeoxysForm(mode);
    return count;
}

int ResolveSpecies(const char *typed, const GameInfo *game, CliRequest *request, CliText *error)
{
    int listed[SPECIES_COUNT];
    const int listedCount = PrepareRoster(game->mode, listed);

    int found = -1;
    uint32_t number = 0;
    if (IsDecimal(typed)) {
        ReadDecimal(typed, strlen(typed), &number);
        // The species' own record carries id == national number; forms share
        // the number but are reached by name.
        for (int p = 0; p < SPECIES_COUNT && found < 0; p++) {
            if (SpeciesTable[p].id == number && number >= 1 && number <= game->lastNationalNo)
                found = p;
        }
    } else {
        char sjis[SPECIES_NAME_BYTES + 1];
        if (typed[0] != 0 && Utf8ToShiftJis(typed, sjis, sizeof sjis)) {
            const int p = FindSpeciesByName(sjis);
            if (p >= 0 && ModeListsSpecies(game->mode, SpeciesTable[p].id))
                found = p;
        }
    }
    if (found >= 0) {
        memcpy(request->speciesName, SpeciesTable[found].name, sizeof request->speciesName);
        return CLI_EXIT_OK;
    }

    Fail(error, "--species ");
    CliTextAppendArgument(error, typed);
    CliTextAppend(error, " is not a species of ");
    CliTextAppend(error, game->name);
    if (!IsDecimal(typed)) {
        const char *names[SPECIES_COUNT];
        for (int i = 0; i < listedCount; i++)
            names[i] = SpeciesTable[listed[i]].name;
        if (AppendSuggestions(error, typed, names, listedCount))
            return Finish(error, "");
        CliTextAppend(error, "; expected a Japanese name as the game spells it, or a ");
    } else {
        CliTextAppend(error, "; expected a ");
    }
    CliTextAppend(error, "national number 1-");
    CliTextAppendUnsigned(error, game->lastNationalNo);
    return Finish(error, "");
}

int ResolveNature(const Options *options, const GameInfo *game, CliRequest *request, CliText *error)
{
    request->natureName[0] = 0;
    if (IsGen12Mode(game->mode)) {
        if (options->nature == NULL)
            return CLI_EXIT_OK;
        Fail(error, "--nature ");
        CliTextAppendArgument(error, options->nature);
        CliTextAppend(error, " is not used by ");
        CliTextAppend(error, game->name);
        return Finish(error, "; natures begin with the third generation, leave it out");
    }
    if (options->nature == NULL) {
        Fail(error, "--nature is missing; ");
        CliTextAppend(error, game->name);
        CliTextAppend(error, " needs one of the 25 natures, such as ");
        CliTextAppendSjis(error, NatureTable[0].name);
        return Finish(error, "");
    }
    char sjis[NATURE_NAME_BYTES + 1];
    if (options->nature[0] != 0 && Utf8ToShiftJis(options->nature, sjis, sizeof sjis)) {
        const int p = FindNatureByName(sjis);
        if (p >= 0) {
            memcpy(request->natureName, NatureTable[p].name, sizeof request->natureName);
            return CLI_EXIT_OK;
        }
    }
    Fail(error, "--nature ");
    CliTextAppendArgument(error, options->nature);
    CliTextAppend(error, " is not a nature");
    const char *names[NATURE_COUNT];
    for (int i = 0; i < NATURE_COUNT; i++)
        names[i] = NatureTable[i].name;
    if (!AppendSuggestions(error, options->nature, names, NATURE_COUNT)) {
        CliTextAppend(error, "; expected one of ");
        for (int i = 0; i < NATURE_COUNT; i++) {
            if (i > 0)
                CliTextAppend(error, ", ");
            CliTextAppendSjis(error, NatureTable[i].name);
        }
    }
    return Finish(error, "");
}

// Starts an error about one observation: `varendo-calc: observation "...": `.
void FailObservation(CliText *error, const char *observation)
{
    Fail(error, "observation ");
    CliTextAppendArgument(error, observation);
    CliTextAppend(error, ": ");
}

// Reads the '/'-separated numbers of one field of an observation into
// `values`. `what` names one number ("stat", "effort"), `limit` is its range.
int ReadValueList(const char *observation, const char *field, size_t fieldLength, const char *what,
                  uint32_t low, uint32_t high, uint32_t *values, int maxValues, int *count,
                  CliText *error)
{
    *count = 0;
    size_t start = 0;
    for (;;) {
        size_t end = start;
        while (end < fieldLength && field[end] != '/')
            end++;
        uint32_t value = 0;
        const NumberStatus status = ReadDecimal(field + start, end - start, &value);
        if (status != NUMBER_OK || value < low || value > high) {
            char copy[64];
            const size_t n = end - start < sizeof copy - 1 ? end - start : sizeof copy - 1;
            memcpy(copy, field + start, n);
            copy[n] = 0;
            FailObservation(error, observation);
            CliTextAppend(error, what);
            CliTextAppend(error, " ");
            if (status != NUMBER_OK) {
                CliTextAppendArgument(error, copy);
                CliTextAppend(error, " is not a number; expected ");
            } else {
                CliTextAppend(error, copy); // digits only, as typed
                CliTextAppend(error, " is outside ");
            }
            CliTextAppendUnsigned(error, low);
            CliTextAppend(error, "-");
            CliTextAppendUnsigned(error, high);
            return CLI_EXIT_BAD_INPUT;
        }
        // Counting goes on past the limit so the message can say how many came.
        if (*count < maxValues)
            values[*count] = value;
        (*count)++;
        if (end == fieldLength)
            return CLI_EXIT_OK;
        start = end + 1;
    }
}

int ReadObservation(const char *text, const GameInfo *game, Observation *observation,
                    CliText *error)
{
    const Layout *layout = LayoutOf(game->mode);
    memset(observation, 0, sizeof *observation);

    // LEVEL:STATS or LEVEL:STATS:EFFORTS
    const char *firstColon = strchr(text, ':');
    const char *secondColon = firstColon ? strchr(firstColon + 1, ':') : NULL;
    if (firstColon == NULL || (secondColon && strchr(secondColon + 1, ':'))) {
        Fail(error, "observation ");
        CliTextAppendArgument(error, text);
        return Finish(error, " is not LEVEL:STATS or LEVEL:STATS:EFFORTS");
    }

    uint32_t level = 0;
    const NumberStatus levelStatus = ReadDecimal(text, (size_t)(firstColon - text), &level);
    if (levelStatus != NUMBER_OK || level < 1 || level > 100) {
        char copy[64];
        const size_t length = (size_t)(firstColon - text);
        const size_t n = length < sizeof copy - 1 ? length : sizeof copy - 1;
        memcpy(copy, text, n);
        copy[n] = 0;
        FailObservation(error, text);
        CliTextAppend(error, "level ");
        if (levelStatus != NUMBER_OK) {
            CliTextAppendArgument(error, copy);
            return Finish(error, " is not a number; expected 1-100");
        }
        CliTextAppend(error, copy); // digits only, as typed
        return Finish(error, " is outside 1-100");
    }
    observation->level = (uint8_t)level;

    const char *stats = firstColon + 1;
    const size_t statsLength = secondColon ? (size_t)(secondColon - stats) : strlen(stats);
    uint32_t values[6];
    int count = 0;
    if (ReadValueList(text, stats, statsLength, "stat", 1, CLI_STAT_MAX, values, 6, &count,
                      error) != CLI_EXIT_OK)
        return Finish(error, "");
    if (count != layout->statCount) {
        FailObservation(error, text);
        CliTextAppendUnsigned(error, (unsigned)count);
        CliTextAppend(error, count == 1 ? " stat given; " : " stats given; ");
        CliTextAppend(error, game->name);
        CliTextAppend(error, " expects ");
        CliTextAppendUnsigned(error, (unsigned)layout->statCount);
        CliTextAppend(error, " (");
        CliTextAppend(error, layout->statOrder);
        return Finish(error, ")");
    }
    for (int i = 0; i < count; i++)
        observation->stats[layout->stats[i]] = (uint16_t)values[i];

    if (secondColon == NULL)
        return CLI_EXIT_OK;
    const char *efforts = secondColon + 1;
    const char *what = layout->effortTotalLimited ? "effort" : "effort level";
    if (ReadValueList(text, efforts, strlen(efforts), what, 0, layout->effortMax, values, 6, &count,
                      error) != CLI_EXIT_OK) {
        // Stat experience is the usual mistake in the first two generations.
        return Finish(error, layout->effortTotalLimited
                                 ? ""
                                 : " (turn stat experience into levels with effort-level)");
    }
    if (count != layout->effortCount) {
        FailObservation(error, text);
        CliTextAppendUnsigned(error, (unsigned)count);
        CliTextAppend(error, count == 1 ? " effort given; " : " efforts given; ");
        CliTextAppend(error, game->name);
        CliTextAppend(error, " expects ");
        CliTextAppendUnsigned(error, (unsigned)layout->effortCount);
        CliTextAppend(error, " (");
        CliTextAppend(error, layout->effortOrder);
        return Finish(error, ")");
    }
    unsigned total = 0;
    for (int i = 0; i < count; i++) {
        observation->efforts[layout->efforts[i]] = (uint16_t)values[i];
        total += values[i];
    }
    if (layout->effortTotalLimited && total > CLI_EFFORT_TOTAL_MAX) {
        FailObservation(error, text);
        CliTextAppend(error, "effort total ");
        CliTextAppendUnsigned(error, total);
        return Finish(error, " is above 510");
    }
    return CLI_EXIT_OK;
}

// Reads one bare number argument of effort-level or hidden-power.
int ReadToolValue(const char *command, const char *text, const char *what, uint32_t high,
                  uint16_t *value, CliText *error)
{
    uint32_t v = 0;
    const NumberStatus status = ReadDecimal(text, strlen(text), &v);
    if (status == NUMBER_OK && v <= high) {
        *value = (uint16_t)v;
        return CLI_EXIT_OK;
    }
    Fail(error, command);
    CliTextAppend(error, ": ");
    if (status != NUMBER_OK) {
        CliTextAppendArgument(error, text);
        CliTextAppend(error, " is not a number; expected ");
        CliTextAppend(error, what);
        CliTextAppend(error, " 0-");
    } else {
        CliTextAppend(error, what);
        CliTextAppend(error, " ");
        CliTextAppend(error, text); // digits only, as typed
        CliTextAppend(error, " is outside 0-");
    }
    CliTextAppendUnsigned(error, high);
    return Finish(error, "");
}

int MissingGame(CliText *error)
{
    Fail(error, "--game is missing; expected one of ");
    return Finish(error, GameList);
}

int UnknownGame(const char *typed, CliText *error)
{
    Fail(error, "--game ");
    CliTextAppendArgument(error, typed);
    CliTextAppend(error, " is not a game; expected one of ");
    return Finish(error, GameList);
}

int ParseCalc(const Options *options, CliRequest *request, CliText *error)
{
    if (options->game == NULL)
        return MissingGame(error);
    const GameInfo *game = FindGame(options->game);
    if (game == NULL)
        return UnknownGame(options->game, error);
    request->mode = game->mode;

    if (options->species == NULL) {
        Fail(error, "--species is missing; expected a Japanese species name or a national number");
        return Finish(error, "");
    }
    if (ResolveSpecies(options->species, game, request, error) != CLI_EXIT_OK)
        return CLI_EXIT_BAD_INPUT;
    if (ResolveNature(options, game, request, error) != CLI_EXIT_OK)
        return CLI_EXIT_BAD_INPUT;

    if (options->positionalTotal == 0) {
        Fail(error, "no observation given; expected LEVEL:STATS[:EFFORTS] with the stats as ");
        CliTextAppend(error, LayoutOf(game->mode)->statOrder);
        return Finish(error, "");
    }
    if (options->positionalTotal > CLI_MAX_OBSERVATIONS) {
        Fail(error, "");
        CliTextAppendUnsigned(error, (unsigned)options->positionalTotal);
        return Finish(error, " observations given; at most 100 are taken");
    }
    for (int i = 0; i < options->positionalCount; i++) {
        if (ReadObservation(options->positional[i], game, &request->observations[i], error) !=
            CLI_EXIT_OK)
            return CLI_EXIT_BAD_INPUT;
    }
    request->observationCount = options->positionalCount;
    return CLI_EXIT_OK;
}

int TooManyValues(const char *command, int total, CliText *error)
{
    Fail(error, command);
    CliTextAppend(error, ": ");
    CliTextAppendUnsigned(error, (unsigned)total);
    return Finish(error, " values given; at most 100 are taken");
}

int ParseEffortLevel(const Options *options, CliRequest *request, CliText *error)
{
    if (options->positionalTotal == 0) {
        Fail(error, "effort-level: no stat experience given; expected one or more numbers 0-65535");
        return Finish(error, "");
    }
    if (options->positionalTotal > CLI_MAX_VALUES)
        return TooManyValues("effort-level", options->positionalTotal, error);
    for (int i = 0; i < options->positionalCount; i++) {
        if (ReadToolValue("effort-level", options->positional[i], "stat experience", 65535,
                          &request->values[i], error) != CLI_EXIT_OK)
            return CLI_EXIT_BAD_INPUT;
    }
    request->valueCount = options->positionalCount;
    return CLI_EXIT_OK;
}

int ParseHiddenPower(const Options *options, CliRequest *request, CliText *error)
{
    if (options->game == NULL)
        return MissingGame(error);
    const GameInfo *game = FindGame(options->game);
    if (game == NULL)
        return UnknownGame(options->game, error);
    if (game->mode == IDM_MODE_RGBY) {
        Fail(error, "hidden-power: --game rgby has no hidden power; expected one of ");
        return Finish(error, GameList + strlen("rgby, "));
    }
    request->mode = game->mode;

    const bool gen2 = game->mode == IDM_MODE_GSC;
    const int wanted = gen2 ? 5 : 6;
    if (options->positionalTotal != wanted) {
        Fail(error, "hidden-power: ");
        CliTextAppendUnsigned(error, (unsigned)options->positionalTotal);
        CliTextAppend(error, options->positionalTotal == 1 ? " value given; " : " values given; ");
        CliTextAppend(error, game->name);
        return Finish(error, gen2 ? " expects 5 individual values (H/A/B/C/S, Special in C)"
                                  : " expects 6 individual values (H/A/B/C/D/S)");
    }
    for (int i = 0; i < wanted; i++) {
        if (ReadToolValue("hidden-power", options->positional[i], "individual value",
                          gen2 ? 15 : 31, &request->values[i], error) != CLI_EXIT_OK)
            return CLI_EXIT_BAD_INPUT;
    }
    request->valueCount = wanted;
    return CLI_EXIT_OK;
}

// Takes "--name VALUE" or "--name=VALUE" at argv[*i]; returns 1 when taken,
// 0 when the argument is another one, -1 after an error.
int TakeOption(int argc, const char *const *argv, int *i, const char *name, const char **slot,
               CliText *error)
{
    const char *arg = argv[*i];
    const size_t n = strlen(name);
    if (strncmp(arg, name, n) != 0 || (arg[n] != 0 && arg[n] != '='))
        return 0;
    if (*slot != NULL) {
        Fail(error, name);
        Finish(error, " is given twice");
        return -1;
    }
    if (arg[n] == '=') {
        *slot = arg + n + 1;
    } else if (*i + 1 < argc) {
        *slot = argv[++*i];
    } else {
        Fail(error, name);
        Finish(error, " needs a value");
        return -1;
    }
    return 1;
}

} // namespace

const char *CliGameName(GameMode mode)
{
    const GameInfo *game = GameOf(mode);
    return game ? game->name : "";
}

int ParseCliArgs(int argc, const char *const *argv, CliRequest *request, CliText *error)
{
    memset(request, 0, sizeof *request);
    request->command = CLI_COMMAND_CALC;
    if (argc < 2) {
        Fail(error, "nothing to do; expected --game GAME --species NAME|NUMBER [--nature NAME] "
                    "OBSERVATION... (see --help)");
        return Finish(error, "");
    }
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
            request->command = CLI_COMMAND_HELP;
            return CLI_EXIT_OK;
        }
    }

    int first = 1;
    const char *commandName = NULL;
    if (strcmp(argv[1], "effort-level") == 0) {
        request->command = CLI_COMMAND_EFFORT_LEVEL;
        commandName = argv[first++];
    } else if (strcmp(argv[1], "hidden-power") == 0) {
        request->command = CLI_COMMAND_HIDDEN_POWER;
        commandName = argv[first++];
    }

    Options options;
    memset(&options, 0, sizeof options);
    for (int i = first; i < argc; i++) {
        const char *arg = argv[i];
        // "-5" is a (bad) number, not an option.
        if (arg[0] != '-' || arg[1] == 0 || (arg[1] >= '0' && arg[1] <= '9')) {
            if (options.positionalCount <= CLI_MAX_OBSERVATIONS)
                options.positional[options.positionalCount++] = arg;
            options.positionalTotal++;
            continue;
        }
        if (strcmp(arg, "--json") == 0) {
            options.json = true;
            continue;
        }
        int taken = 0;
        const char *name = NULL;
        static const char *const names[] = {"--game", "--species", "--nature"};
        const char **slots[] = {&options.game, &options.species, &options.nature};
        for (int k = 0; k < 3 && taken == 0; k++) {
            taken = TakeOption(argc, argv, &i, names[k], slots[k], error);
            name = names[k];
        }
        if (taken < 0)
            return CLI_EXIT_BAD_INPUT;
        if (taken == 0) {
            Fail(error, "unknown option ");
            CliTextAppendArgument(error, arg);
            return Finish(error, "; see --help");
        }
        // The two tools take no species or nature, the effort tool no game.
        const bool unused = (commandName != NULL && name != names[0]) ||
                            (request->command == CLI_COMMAND_EFFORT_LEVEL);
        if (unused) {
            Fail(error, name);
            CliTextAppend(error, " is not used by ");
            return Finish(error, commandName);
        }
    }
    request->json = options.json;

    switch (request->command) {
    case CLI_COMMAND_EFFORT_LEVEL:
        return ParseEffortLevel(&options, request, error);
    case CLI_COMMAND_HIDDEN_POWER:
        return ParseHiddenPower(&options, request, error);
    default:
        return ParseCalc(&options, request, error);
    }
}
