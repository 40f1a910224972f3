#ifdef __AVR__
#include <avr/pgmspace.h>
#endif
#define TINY_USE_EXTENDED 0
const uint8_t TinyBitmaps[] PROGMEM = {
    0x80,
    0xC0,
#if (TINY_USE_EXTENDED)
    0xFF,
    0xFF,
#endif
};
const GFXglyph TinyGlyphs[] PROGMEM = {
    {0, 1, 1, 2, 0, -1},  // 0x41 'A'
    {1, 2, 1, 3, 0, -1},  // 0x42 'B'
#if (TINY_USE_EXTENDED)
    {2, 8, 2, 9, 0, -2},  // 0xA1
#endif
};
const GFXfont Tiny PROGMEM = {(uint8_t*)TinyBitmaps, (GFXglyph*)TinyGlyphs, 0x41,
#if TINY_USE_EXTENDED
                              0xA1,
#else
                              0x42,
#endif
                              6};
