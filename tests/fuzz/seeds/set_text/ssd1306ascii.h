/* A proportional font of 10 rows, its last page's rows in the top bits. */
#include <inttypes.h>
#ifndef TINY_H
#define TINY_H
GLCDFONTDECL(Tiny) = {
    0x00, 0x20,  // size
    0x02,        // width
    0x0A,        // height
    0x40,        // first char
    0x03,        // char count
    // char widths
    0x01, 0x00, 0x02,
    // font data
    0x01, 0x40,             // 64
    0x03, 0x00, 0x80, 0xC0  // 66
};
#endif
