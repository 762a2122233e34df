// The portable body of the varendo-calc program, called by each platform's entry point.
#ifndef VARENDO_CLI_VARENDO_CALC_H
#define VARENDO_CLI_VARENDO_CALC_H

// argv in UTF-8. Expands the built-in game tables, runs the command line and
// writes its output; returns the exit status.
int VarendoCalcMain(int argc, const char *const *argv);

#endif
