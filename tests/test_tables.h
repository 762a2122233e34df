// Loads the committed data blobs into the game tables for native tests and benchmarks.
#ifndef VARENDO_TESTS_TEST_TABLES_H
#define VARENDO_TESTS_TEST_TABLES_H

#include <string>

// Reads a whole file; empty when it cannot be read.
std::string ReadBlobFile(const char *name);

// (Re)fills SpeciesTable and NatureTable from resources/, in id order.
bool ReloadTestTables();

#endif
