/*
  Fontname: seed
  Copyright: (null)
  Glyphs: 4/4
  BBX Build Mode: 0
*/
const uint8_t seed_t[61] U8G2_FONT_SECTION("seed_t") = 
  "\4\0\2\2\3\3\1\1\4\5\6\0\377\5\377\5\377\0\4\0\0\0\26 \4\300\14A\10\354\235\212"
  "c\312\0g\10c\315Hi$\0\0\0\0\4\377\377\4\26\12\355NJ\252Z\225*\0";
