/* The console-window operations: cursor positions, colours, formatted output
 * and input at the cursor, key presses, on the terminal of standard output.
 *
 * Positions are (column, row) from 1, (1, 1) being the top-left cell; a
 * position beyond the window is taken as its last column or row. Colours are
 * the numbers of the 16-colour text palette (0 black, 1 blue, 2 green, 3 cyan,
 * 4 red, 5 magenta, 6 brown, 7 light grey, 8 dark grey, 9 light blue,
 * 10 light green, 11 light cyan, 12 light red, 13 light magenta, 14 yellow,
 * 15 white); a larger number counts by its low four bits. Until the first
 * textcolor or textbackground, and again after normvideo, the terminal's own
 * colours are used.
 *
 * Output shares the C stdout stream with printf, in order, and is flushed at
 * the end of every operation. When standard output is not a terminal, or the
 * terminal is unknown, positions and colours write nothing and only the text
 * is written. The terminal is put back as found when the program ends.
 *
 * This header declares getch and cannot be used together with curses.h. */
#ifndef CONSOLE_H
#define CONSOLE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Blanks the window in the current colours; the cursor goes to (1, 1). */
void clrscr(void);
/* Puts the cursor at column x, row y. */
void gotoxy(int x, int y);
/* Sets the foreground colour of later output. */
void textcolor(int c);
/* Sets the background colour of later output. */
void textbackground(int c);
/* Returns to the terminal's own colours at once, so that later output,
 * printf's included, is no longer coloured. */
void normvideo(void);
/* Blanks from the cursor to the end of its row in the current colours; the
 * cursor stays. */
void clreol(void);
/* Writes as printf does, at the cursor in the current colours, and returns
 * the number of bytes formatted. A line end moves the cursor one row down in
 * the same column (scrolling at the last row); byte 0 shows nothing; every
 * other byte below 32 or from 127 up shows as its code page 850 glyph. */
int cprintf(const char *format, ...);
/* Reads from standard input with the terminal's own echo and line editing.
 * Only the conversions %d (int *) and %f (float *) are read, blanks in the
 * format skipped; anything else in the format ends the reading. Returns the
 * number of values stored: a token that is not a number stores nothing, its
 * line is dropped and the count so far is returned. At the end of the input
 * the program ends with status 2. */
int cscanf(const char *format, ...);
/* Waits for one key and returns its byte without showing it; EOF (-1) at the
 * end of the input. */
int getch(void);

#ifdef __cplusplus
}
#endif

#endif
