// UTF-8 for the console layer and what draws through it: a character's
// bytes, and the columns text takes, one a character.
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

inline bool utf8_continuation(char c) { return ((unsigned char)c & 0xC0) == 0x80; }

// The columns of the first bytes of text (all of it, to its end, for -1).
inline int utf8_columns(const char *text, int bytes = -1) {
    int columns = 0;
    for (int i = 0; bytes < 0 ? text[i] != '\0' : i < bytes; i++)
        columns += !utf8_continuation(text[i]);
    return columns;
}

// Where text is cut to take at most columns: the byte after the last
// character that fits.
inline const char *utf8_cut(const char *text, int columns) {
    const char *p = text;
    for (int taken = 0; *p != '\0'; taken++) {
        if (taken == columns)
            return p;
        do
            p++;
        while (utf8_continuation(*p));
    }
    return p;
}

} // namespace
