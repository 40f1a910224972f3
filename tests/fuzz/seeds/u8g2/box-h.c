/*
  Fontname: seed
  Copyright: (null)
  Glyphs: 4/4
  BBX Build Mode: 1
*/
const uint8_t seed_h[65] U8G2_FONT_SECTION("seed_h") = 
  "\4\1\2\2\3\3\1\1\4\5\6\0\377\5\377\5\377\0\5\0\0\0\32 \5t<\177A\12u\235"
  "\254F\212)f\2g\11u=k\246,\65\0\0\0\0\4\377\377\4\26\12vN\352\71So\12\0"
  "";
