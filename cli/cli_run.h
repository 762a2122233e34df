// varendo-calc as a function: arguments in, output text and exit status out.
#ifndef VARENDO_CLI_CLI_RUN_H
#define VARENDO_CLI_CLI_RUN_H

#include "cli_text.h"

// Runs one command line (UTF-8 arguments, argv[0] ignored) on the loaded game
// tables. Standard output goes to `out`, the error line to `err`; returns the
// exit status: 0 when the calculation ran, 2 for bad input.
int RunCli(int argc, const char *const *argv, CliText *out, CliText *err);

#endif
