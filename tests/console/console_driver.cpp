// Drives the console-window operations for the screen tests: argv[1] names
// the scenario.
#include "console.h"

#include <stdio.h>
#include <string.h>

namespace {

void at(int x, int y, const char *text) {
    gotoxy(x, y);
    cprintf("%s", text);
}

// Row r + 1: the palette colour r as foreground at column 1 and as
// background at column 3; below them values above 15 and below 0.
void colours() {
    at(1, 21, "D"); // before any colour: the terminal's own
    for (int c = 0; c < 16; c++) {
        textbackground(0);
        textcolor(c);
        at(1, c + 1, "F");
        textcolor(7);
        textbackground(c);
        at(3, c + 1, "B");
    }
    int above[][2] = {{29, 20}, {17, 31}, {255, 16}, {-3, -12}};
    for (int i = 0; i < 4; i++) {
        textcolor(above[i][0]);
        textbackground(above[i][1]);
        at(5, 17 + i, "H");
    }
}

void positions() {
    at(1, 1, "A");
    at(79, 44, "B");
    at(200, 3, "C");
    at(5, 300, "D");
    at(-5, 10, "E");
    at(10, 0, "F");
}

void line_ends() { at(10, 5, "ab\ncd\n\nef"); }

void scrolling() {
    at(1, 2, "top");
    at(20, 50, "xy\nz");
}

// Row 1: codes 1 to 31 but 7 and 10, then 127, 130, 201, 219 and 256 + 65.
// Row 2: a code 0 between two letters. From row 3: a text longer than any
// buffer, then the counts cprintf returned.
void glyphs() {
    gotoxy(1, 1);
    for (int c = 1; c < 32; c++)
        if (c != 7 && c != 10)
            cprintf("%c", c);
    cprintf("%c%c%c%c%c", 127, 130, 201, 219, 256 + 65);
    gotoxy(1, 2);
    int zero = cprintf("a%cb", 0);
    char x[1001];
    memset(x, 'x', 1000);
    x[1000] = '\0';
    gotoxy(1, 3);
    int long_text = cprintf("%sEND", x);
    gotoxy(1, 30);
    cprintf("%d %d", zero, long_text);
}

void clear_line() {
    at(1, 3, "ABCDEFGHIJ");
    gotoxy(5, 3);
    textbackground(4);
    clreol();
}

void clear_screen() {
    at(1, 1, "old text");
    at(30, 20, "old text");
    textbackground(2);
    clrscr();
}

// Asks again until a number comes, then a real; the unsupported conversion
// reads nothing.
void read_numbers() {
    int n = 0;
    int tries = 0;
    do
        at(1, ++tries, "n: ");
    while (cscanf("%d", &n) != 1);
    float x = 0;
    at(1, 10, "x: ");
    textcolor(14); // the answer's echo in yellow
    int got = cscanf(" %f ", &x);
    char word[8] = "";
    int other = cscanf("%s", word);
    gotoxy(1, 12);
    cprintf("tries=%d n=%d got=%d x=%.2f other=%d", tries, n, got, x, other);
}

// Two keys, then a number read with echo again.
void keys() {
    at(1, 1, "key? ");
    int first = getch();
    int second = getch();
    gotoxy(1, 3);
    cprintf("keys %d %d", first, second);
    int n = 0;
    at(1, 5, "n: ");
    cscanf("%d", &n);
    gotoxy(1, 7);
    cprintf("n=%d", n);
}

// The same colour twice, and a colour asked for but never shown.
void same_colour() {
    textcolor(14);
    cprintf("a");
    textcolor(14);
    cprintf("b");
    textcolor(12);
    textcolor(14);
    cprintf("c\nd");
    clreol();
}

// Colours, then the terminal's own again: for cprintf and printf alike,
// after a bright colour too (bold on 8 colours), and twice in a row.
void normal_video() {
    textcolor(12);
    textbackground(1);
    cprintf("a");
    normvideo();
    printf("b");
    cprintf("c");
    textcolor(14);
    cprintf("d");
    normvideo();
    normvideo();
    printf("e");
}

struct Scenario {
    const char *name;
    void (*run)();
};

const Scenario scenarios[] = {
    {"colours", colours},
    {"positions", positions},
    {"line_ends", line_ends},
    {"scrolling", scrolling},
    {"glyphs", glyphs},
    {"clear_line", clear_line},
    {"clear_screen", clear_screen},
    {"read_numbers", read_numbers},
    {"keys", keys},
    {"same_colour", same_colour},
    {"normal_video", normal_video},
};

} // namespace

int main(int argc, char **argv) {
    for (const Scenario &s : scenarios)
        if (argc > 1 && strcmp(argv[1], s.name) == 0) {
            s.run();
            return 0;
        }
    fprintf(stderr, "unknown scenario\n");
    return 64;
}
