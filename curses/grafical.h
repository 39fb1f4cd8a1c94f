/* The credits screen drawn with curses: a figure peeking over the software
 * house's sign, and the authors. Plain C name, usable from C and C++ alike. */
#ifndef GRAFICAL_H
#define GRAFICAL_H

#ifdef __cplusplus
extern "C" {
#endif

/* Draws the credits and leaves them on the terminal, the cursor at row 22,
 * column 0, curses mode still active. Does not wait for a key. */
void grafical(void);

#ifdef __cplusplus
}
#endif

#endif
