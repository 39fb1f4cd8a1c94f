// A character's UTF-8 bytes, for the console layer and what draws through it.
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

} // namespace
