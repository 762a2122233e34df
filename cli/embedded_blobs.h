// The two game data blobs, compiled into varendo-calc from resources/*.bin.
#ifndef VARENDO_CLI_EMBEDDED_BLOBS_H
#define VARENDO_CLI_EMBEDDED_BLOBS_H

#include <stddef.h>

extern const unsigned char EmbeddedPokeData[];
extern const size_t EmbeddedPokeDataSize;
extern const unsigned char EmbeddedCharaData[];
extern const size_t EmbeddedCharaDataSize;

#endif
