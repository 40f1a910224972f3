const MD_MAX72XX::fontType_t f[] PROGMEM = {
    'F', 1,    65,   67,   3, 2, 0x07, 0x05,  // A
    0,                                        // B
    3,   0x01, 0x02, 0x04,                    /* C { */
};
static inline void unused(void) {
    (void)f;
}
