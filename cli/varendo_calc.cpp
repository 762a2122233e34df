// The portable body of the varendo-calc program, called by each platform's entry point.
#include "varendo_calc.h"

#include "cli_args.h"
#include "cli_platform.h"
#include "cli_run.h"
#include "data/game_data.h"
#include "embedded_blobs.h"

int VarendoCalcMain(int argc, const char *const *argv)
{
    static CliText out, err;
    CliTextClear(&out);
    CliTextClear(&err);
    int status;
    if (!ExpandGameData(EmbeddedPokeData, EmbeddedPokeDataSize, EmbeddedCharaData,
                        EmbeddedCharaDataSize)) {
        // Only a broken build can get here: the blobs are part of the program.
        CliTextAppend(&err, "varendo-calc: internal error: the built-in game tables are damaged\n");
        status = CLI_EXIT_INTERNAL;
    } else {
        status = RunCli(argc, argv, &out, &err);
    }
    WriteCliStream(CLI_STDOUT, out.bytes, out.length);
    WriteCliStream(CLI_STDERR, err.bytes, err.length);
    return status;
}
