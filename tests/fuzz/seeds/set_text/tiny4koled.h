/* Digits of 3x16 for an OLED: each character's upper page, then its lower one. */
const uint8_t digits[] PROGMEM = {
    0x01, 0x02, 0x04, 0x80, 0x40, 0x20,  // '0'
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,  // '1'
};
const DCfont Digits = {
    (uint8_t*)digits,
    3,      // character width in pixels
    2,      // character height in pages (8 pixels)
    48, 49  // ASCII extents
};
#define FONTDIGITS (&Digits)
