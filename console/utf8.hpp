// UTF-8 for the console layer and what draws through it: a character's
// bytes and back, the columns text takes (one for each character) and text
// cut to a number of columns.
#pragma once

namespace {

// Writes the bytes of the code point into out (room for 4) and gives their
// count.
inline int utf8_bytes(long code, char *out) {
    if (code < 0x80) {
        out[0] = (char)code;
        return 1;
    }
    if (code < 0x800) {
        out[0] = (char)(0xC0 | code >> 6);
        out[1] = (char)(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = (char)(0xE0 | code >> 12);
        out[1] = (char)(0x80 | (code >> 6 & 0x3F));
        out[2] = (char)(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = (char)(0xF0 | code >> 18);
    out[1] = (char)(0x80 | (code >> 12 & 0x3F));
    out[2] = (char)(0x80 | (code >> 6 & 0x3F));
    out[3] = (char)(0x80 | (code & 0x3F));
    return 4;
}

// Whether the byte goes on with a character begun before it.
inline bool utf8_continues(char c) { return ((unsigned char)c & 0xC0) == 0x80; }

// The next character of the text; s moves past it. A broken sequence gives
// U+FFFD for its first byte.
inline char32_t utf8_next(const char *&s) {
    unsigned char c = (unsigned char)*s++;
    if (c < 0x80)
        return c;
    int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more == 0) // a byte that goes on with a character
        return U'\uFFFD';
    char32_t ch = c & (0x3F >> more);
    for (int k = 0; k < more; k++) {
        if (!utf8_continues(*s))
            return U'\uFFFD';
        ch = ch << 6 | ((unsigned char)*s++ & 0x3F);
    }
    return ch;
}

// The columns the text takes: one for each character.
inline int utf8_columns(const char *text) {
    int columns = 0;
    for (const char *c = text; *c != '\0'; c++)
        columns += !utf8_continues(*c);
    return columns;
}

// Cuts the text, in place, after the characters that fit in the columns
// (none when columns is 0 or less); gives the columns it keeps.
inline int utf8_cut(char *text, int columns) {
    int kept = 0;
    for (char *c = text; *c != '\0'; c++)
        if (!utf8_continues(*c) && ++kept > columns) {
            *c = '\0';
            return columns < 0 ? 0 : columns;
        }
    return kept;
}

// Where the text goes on after its first characters (columns of them), or
// its end when it has fewer.
inline const char *utf8_skip(const char *text, int columns) {
    const char *p = text;
    for (int taken = 0; taken < columns && *p != '\0'; taken++)
        do
            p++;
        while (utf8_continues(*p));
    return p;
}

} // namespace
