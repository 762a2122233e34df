// varendo-calc as a function: arguments in, output text and exit status out.
#include "cli_run.h"

#include <string.h>

#include "cli_args.h"
#include "engine/effort_level.h"
#include "engine/iv_engine.h"

namespace
{

// Usage, with one example per generation. Shift-JIS like every literal of
// the program; converted to UTF-8 on output.
const char HelpText[] =
    "usage: varendo-calc --game GAME --species NAME|NUMBER [--nature NAME] [--json] "
    "OBSERVATION...\n"
    "       varendo-calc effort-level [--json] STATEXP...\n"
    "       varendo-calc hidden-power --game GAME [--json] IV...\n"
    "\n"
    "Narrows each individual value of a creature from its displayed stats.\n"
    "\n"
    "  --game GAME      rgby, gsc, rs, emerald, firered, leafgreen or dp\n"
    "  --species NAME   Japanese species name as the game spells it, or national number\n"
    "  --nature NAME    Japanese nature name; needed from rs on, not taken by rgby and gsc\n"
    "  --json           print one JSON object instead of text\n"
    "  OBSERVATION      LEVEL:STATS[:EFFORTS], values separated by '/' in the game's order:\n"
    "                     rgby      stats H/A/B/S/Special, effort levels H/A/B/S/Special (0-63)\n"
    "                     gsc       stats H/A/B/C/D/S, effort levels H/A/B/C/S (0-63; the one\n"
    "                               Special level in C)\n"
    "                     rs to dp  stats H/A/B/C/D/S, effort values H/A/B/C/D/S (0-255, 510 in "
    "all)\n"
    "                   efforts default to 0; level 1-100, stats 1-999\n"
    "\n"
    "  effort-level     effort level (0-63) of each stat experience (0-65535)\n"
    "  hidden-power     hidden power type and power of individual values: gsc takes\n"
    "                   H/A/B/C/S (0-15, Special in C), rs to dp H/A/B/C/D/S (0-31)\n"
    "\n"
    "Examples:\n"
    "  varendo-calc --game rgby --species フシギダネ 50:120/69/69/65/85\n"
    "  varendo-calc --game gsc --species リザードン 20:67/44/42/54/45/51\n"
    "  varendo-calc --game emerald --species 386 --nature おくびょう 50:125/103/110/115/110/220\n"
    "  varendo-calc --game dp --species フシギダネ --nature いじっぱり \\\n"
    "      50:120/75/69/76/85/65 100:231/147/134/149/166/126\n"
    "  varendo-calc effort-level 10000 65535\n"
    "  varendo-calc hidden-power --game dp 31 31 31 31 31 31\n"
    "\n"
    "Exit status: 0 when the calculation ran (whatever it found), 2 for bad input.\n";

// One output line per stat the generation uses, in the order the game shows them.
struct StatLabel {
    int slot;
    const char *name; // Shift-JIS, as the game writes it
    const char *jsonKey;
};

const StatLabel Gen1Labels[] = {
    {STAT_HP, "HP", "hp"},
    {STAT_ATK, "こうげき", "attack"},
    {STAT_DEF, "ぼうぎょ", "defense"},
    {STAT_SPE, "すばやさ", "speed"},
    {STAT_SPC, "とくしゅ", "special"},
};
// The second generation's one Special value stands where the game shows C.
const StatLabel Gen2Labels[] = {
    {STAT_HP, "HP", "hp"},
    {STAT_ATK, "こうげき", "attack"},
    {STAT_DEF, "ぼうぎょ", "defense"},
    {STAT_SPC, "とくしゅ", "special"},
    {STAT_SPE, "すばやさ", "speed"},
};
const StatLabel Gen34Labels[] = {
    {STAT_HP, "HP", "hp"},
    {STAT_ATK, "こうげき", "attack"},
    {STAT_DEF, "ぼうぎょ", "defense"},
    {STAT_SPA, "とくこう", "spAtk"},
    {STAT_SPD, "とくぼう", "spDef"},
    {STAT_SPE, "すばやさ", "speed"},
};

const char HiddenPowerLabel[] = "めざめるパワー";
const char NoValueFits[] = "該当なし";

void AppendHiddenPowerText(CliText *out, const HiddenPower *hiddenPower)
{
    CliTextAppendSjis(out, HiddenPowerLabel);
    CliTextAppend(out, ": ");
    CliTextAppendSjis(out, hiddenPower->typeName);
    CliTextAppend(out, " ");
    CliTextAppendUnsigned(out, hiddenPower->power);
    CliTextAppend(out, "\n");
}

void AppendHiddenPowerJson(CliText *out, const HiddenPower *hiddenPower)
{
    CliTextAppend(out, "{\"type\":");
    CliTextAppendJsonSjis(out, hiddenPower->typeName);
    CliTextAppend(out, ",\"power\":");
    CliTextAppendUnsigned(out, hiddenPower->power);
    CliTextAppend(out, "}");
}

void WriteCalcResult(const CliRequest *request, const IvResult *result, CliText *out)
{
    const StatLabel *labels = Gen34Labels;
    int labelCount = 6;
    if (request->mode == IDM_MODE_RGBY)
        labels = Gen1Labels, labelCount = 5;
    else if (request->mode == IDM_MODE_GSC)
        labels = Gen2Labels, labelCount = 5;

    if (request->json) {
        CliTextAppend(out, "{\"game\":\"");
        CliTextAppend(out, CliGameName(request->mode));
        CliTextAppend(out, "\",\"species\":");
        CliTextAppendJsonSjis(out, request->speciesName);
        CliTextAppend(out, ",\"nature\":");
        if (request->natureName[0] != 0)
            CliTextAppendJsonSjis(out, request->natureName);
        else
            CliTextAppend(out, "null");
        CliTextAppend(out, ",\"ranges\":{");
    }
    for (int i = 0; i < labelCount; i++) {
        const StatRange *range = &result->ranges[labels[i].slot];
        if (request->json) {
            CliTextAppend(out, i > 0 ? ",\"" : "\"");
            CliTextAppend(out, labels[i].jsonKey);
            CliTextAppend(out, "\":");
            if (range->valid == 1) {
                CliTextAppend(out, "[");
                CliTextAppendUnsigned(out, range->min);
                CliTextAppend(out, ",");
                CliTextAppendUnsigned(out, range->max);
                CliTextAppend(out, "]");
            } else {
                CliTextAppend(out, "null");
            }
            continue;
        }
        CliTextAppendSjis(out, labels[i].name);
        CliTextAppend(out, ": ");
        if (range->valid != 1) {
            CliTextAppendSjis(out, NoValueFits);
        } else {
            CliTextAppendUnsigned(out, range->min);
            if (range->max != range->min) {
                CliTextAppend(out, "-");
                CliTextAppendUnsigned(out, range->max);
            }
        }
        CliTextAppend(out, "\n");
    }
    if (request->json) {
        CliTextAppend(out, result->determined ? "},\"determined\":true,\"hiddenPower\":"
                                              : "},\"determined\":false,\"hiddenPower\":");
        if (result->determined)
            AppendHiddenPowerJson(out, &result->hiddenPower);
        else
            CliTextAppend(out, "null");
        CliTextAppend(out, "}\n");
    } else if (result->determined) {
        AppendHiddenPowerText(out, &result->hiddenPower);
    }
}

int RunCalc(const CliRequest *request, CliText *out, CliText *err)
{
    IvResult result;
    int status;
    if (request->mode == IDM_MODE_RGBY)
        status = CalcIvGen1(&result, request->speciesName, request->observations,
                            request->observationCount);
    else if (request->mode == IDM_MODE_GSC)
        status = CalcIvGen2(&result, request->speciesName, request->observations,
                            request->observationCount);
    else
        status = CalcIvGen34(&result, request->speciesName, request->natureName,
                             request->observations, request->observationCount);
    if (status != 0) {
        // The parser looked both names up in the same tables just before;
        // this would be a fault of the program, not of the input.
        CliTextAppend(err, "varendo-calc: internal error: a looked-up name vanished\n");
        return CLI_EXIT_INTERNAL;
    }
    WriteCalcResult(request, &result, out);
    return CLI_EXIT_OK;
}

void RunEffortLevel(const CliRequest *request, CliText *out)
{
    if (request->json)
        CliTextAppend(out, "{\"effortLevels\":[");
    for (int i = 0; i < request->valueCount; i++) {
        const uint16_t level = EffortLevelFromStatExp(request->values[i]);
        if (request->json) {
            if (i > 0)
                CliTextAppend(out, ",");
            CliTextAppendUnsigned(out, level);
        } else {
            CliTextAppendUnsigned(out, request->values[i]);
            CliTextAppend(out, ": ");
            CliTextAppendUnsigned(out, level);
            CliTextAppend(out, "\n");
        }
    }
    if (request->json)
        CliTextAppend(out, "]}\n");
}

void RunHiddenPower(const CliRequest *request, CliText *out)
{
    // The formulas read only the `min` of the slots they use.
    IvResult values;
    memset(&values, 0, sizeof values);
    static const int Gen2Slots[5] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPC, STAT_SPE};
    static const int Gen34Slots[6] = {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPA, STAT_SPD, STAT_SPE};
    const bool gen2 = request->mode == IDM_MODE_GSC;
    for (int i = 0; i < request->valueCount; i++)
        values.ranges[gen2 ? Gen2Slots[i] : Gen34Slots[i]].min = (uint8_t)request->values[i];
    if (gen2)
        HiddenPowerGen2(&values);
    else
        HiddenPowerGen34(&values);

    if (request->json) {
        CliTextAppend(out, "{\"game\":\"");
        CliTextAppend(out, CliGameName(request->mode));
        CliTextAppend(out, "\",\"hiddenPower\":");
        AppendHiddenPowerJson(out, &values.hiddenPower);
        CliTextAppend(out, "}\n");
    } else {
        AppendHiddenPowerText(out, &values.hiddenPower);
    }
}

} // namespace

int RunCli(int argc, const char *const *argv, CliText *out, CliText *err)
{
    // Large (a hundred observations): kept off the stack.
    static CliRequest request;
    const int status = ParseCliArgs(argc, argv, &request, err);
    if (status != CLI_EXIT_OK)
        return status;
    switch (request.command) {
    case CLI_COMMAND_HELP:
        CliTextAppendSjis(out, HelpText);
        return CLI_EXIT_OK;
    case CLI_COMMAND_EFFORT_LEVEL:
        RunEffortLevel(&request, out);
        return CLI_EXIT_OK;
    case CLI_COMMAND_HIDDEN_POWER:
        RunHiddenPower(&request, out);
        return CLI_EXIT_OK;
    default:
        return RunCalc(&request, out, err);
    }
}
