// The glyphs a text-mode console shows for the byte values that are not
// printable ASCII (code page 850), as UTF-8.
#pragma once

// The UTF-8 glyph of c, for c below 32 or from 127 up; "" for 0 and 10, which
// show no glyph. nullptr for printable ASCII (32 to 126), which is itself.
const char *cp850_glyph(unsigned char c);
