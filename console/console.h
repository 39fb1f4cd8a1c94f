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
 * Output shares the C stdout stream with printf, in order, and reaches the
 * terminal when the user must see it: before a read, a key wait and a pause,
 * and at the end, each time in one write. When standard output is not a
 * terminal, or the terminal is unknown, positions and colours write nothing
 * and only the text is written. The terminal is put back as found when the
 * program ends, however it ends.
 *
 * From the first operation on, a terminal that can be drawn on is kept quiet:
 * nothing typed shows by itself; it waits, in order, for the next read or key
 * wait. Every read of standard input (cscanf, and scanf, getchar and the like
 * in the same program) then takes its line from an editor at the cursor: what
 * was typed ahead shows there in the current colours, Backspace, Ctrl-U and
 * Ctrl-W edit, keys that type no character insert nothing, the answer stays
 * within the rest of the cursor's row (a longer one scrolls there), Enter
 * gives it and moves to the next row (on a blank answer Enter gives a line
 * end and the cursor stays), Ctrl-D on an empty answer is the end of the
 * input. Ctrl-C, Ctrl-\ and Ctrl-Z work as usual.
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
/* Reads from standard input, edited at the cursor as told above. Only the
 * conversions %d (int *) and %f (float *) are read, blanks in the format
 * skipped; anything else in the format ends the reading. Returns the number
 * of values stored: a token that is not a number stores nothing, its line is
 * dropped and the count so far is returned. At the end of the input the
 * program ends with status 2. */
int cscanf(const char *format, ...);
/* Waits for one key, shows nothing, and returns it (see the keys below);
 * EOF (-1) at the end of the input. When standard input is not a terminal,
 * one byte is one key. */
int getch(void);

/* Keys. getch and console_key return a key that types a character as that
 * character: its byte for ASCII (Enter is 10, Esc 27, Backspace 127, Ctrl and
 * a letter 1 to 26), its Unicode code point beyond (one key, whatever bytes
 * its UTF-8 takes). A key that types no character comes whole, whatever bytes
 * the terminal sends for it, as one of the values below, all above the last
 * code point: CK_BASE plus the key's scan code on the PC keyboard. Alt and an
 * ASCII character is CK_ALT of that character. */
#define CK_BASE 0x110000
#define CK_F1 (CK_BASE + 0x3B) /* F2 to F10 follow: CK_F1 + 1 ... CK_F1 + 9 */
#define CK_F10 (CK_BASE + 0x44)
#define CK_HOME (CK_BASE + 0x47)
#define CK_UP (CK_BASE + 0x48)
#define CK_PGUP (CK_BASE + 0x49)
#define CK_LEFT (CK_BASE + 0x4B)
#define CK_RIGHT (CK_BASE + 0x4D)
#define CK_END (CK_BASE + 0x4F)
#define CK_DOWN (CK_BASE + 0x50)
#define CK_PGDN (CK_BASE + 0x51)
#define CK_INSERT (CK_BASE + 0x52)
#define CK_DELETE (CK_BASE + 0x53)
#define CK_F11 (CK_BASE + 0x85)
#define CK_F12 (CK_BASE + 0x86)
#define CK_OTHER (CK_BASE + 0xFF) /* any other key that types no character */
#define CK_ALT(c) (CK_BASE + 0x100 + (c))
/* What console_key returns when no key came: the time ran out (CK_NONE); the
 * screen must be drawn again, for the window changed size or the program was
 * stopped and is back in the foreground (CK_RESIZE). */
#define CK_NONE (-2)
#define CK_RESIZE (-3)

/* Waits for one key, asleep, at most timeout_ms milliseconds (-1: as long as
 * it takes), after showing what was written. Returns the key as getch does,
 * CK_NONE when the time ran out, CK_RESIZE as soon as the screen must be
 * drawn again, EOF at the end of the input. */
int console_key(int timeout_ms);
/* Whether positions reach the terminal: standard output is a terminal whose
 * type tells how to place the cursor (1), or only the text is written (0). */
int console_positions(void);
/* The window's size in columns and rows. */
void console_window(int *cols, int *rows);
/* Writes on the cursor's row, from its first column and in the terminal's own
 * colours, the one-line note that the window is too small: its size and the
 * size that is needed (cut to the window's width), for a program that waits
 * for a larger window. */
void console_size_note(int cols, int rows);
/* Before a screen program's first drawing: when standard output and input
 * are a terminal whose window is smaller than cols x rows, writes the size
 * note and waits, following resizes, until the window is large enough
 * (returns 1) or a key is pressed (that key is dropped; returns 0). The note
 * is wiped before it returns. Returns 1 at once otherwise. */
int console_fit(int cols, int rows);
/* Hides (0) or shows (1) the cursor; a hidden cursor is shown again when the
 * program ends or stops. */
void console_cursor(int visible);
/* Reverse video on (1) or off (0) for later output. */
void console_reverse(int on);
/* Writes UTF-8 text as it is, at the cursor in the current colours, each
 * character taking one cell; control characters are left out. */
void console_put(const char *text);
/* Draws on the terminal's alternate screen (1), which leaves the screen the
 * program found untouched, or back on the normal one (0). The normal screen
 * comes back when the program ends or stops, and the alternate one when it is
 * continued (console_key then says CK_RESIZE: draw it again). */
void console_alternate(int on);
/* Shows what was written so far, in one write. */
void console_flush(void);

#ifdef __cplusplus
}
#endif

#endif
