// Text fields of the data blobs: NUL-padded, and without a NUL when full.
#ifndef VARENDO_DATA_BLOB_TEXT_H
#define VARENDO_DATA_BLOB_TEXT_H

#include <stddef.h>
#include <string.h>

// Copies a field of `fieldBytes` bytes into `dest`, which holds fieldBytes + 1,
// stopping at the first NUL or the field's end and zero-filling the rest.
inline void CopyBlobText(char *dest, const unsigned char *field, size_t fieldBytes)
{
    size_t len = 0;
    while (len < fieldBytes && field[len] != 0)
        len++;
    memcpy(dest, field, len);
    memset(dest + len, 0, fieldBytes + 1 - len);
}

#endif
