/*
  Fontname: seed
  Copyright: (null)
  Glyphs: 3/4
  BBX Build Mode: 3
*/
const uint8_t seed_8[61] U8X8_FONT_SECTION("seed_8") = 
  "\3\3\3\2\4\4\1\1\5\4\5\0\377\5\377\5\377\0\7\0\0\0  \7\210\341\363/\0A\15"
  "\210\341\323\324(\34\302(\214r\24g\12\210\341s\134\223X\225\1\0\0\0\4\377\377\0";
