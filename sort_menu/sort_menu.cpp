// sort_menu: after the credits, a framed menu of three sorting methods; up to
// 100 reals read on the chosen method's screen, sorted by it and listed one
// line at a time.
#include "algorithms.hpp"
#include "console.h"
#include "credits.hpp"
#include "pause.hpp"
#include "program_end.hpp"
#include "read_number.hpp"

#include <stdio.h>

namespace {

const int capacity = 100;

struct Text {
    int x, y, colour;
    const char *text;
};

// Each text starts with line ends, which move the cursor down in the same
// column: they show on rows 4, 7, 9 and 11.
const Text menu_texts[] = {
    {26, 3, 15, "\nSelezionare il medoto di ordinamento?"},
    {25, 5, 14, "\n\n1: Bubble sort"},
    {25, 7, 29, "\n\n2: Sequenziale selettivo \n"},
    {25, 10, 10, "\n3: Insertion sort\n\n\n"},
};

void bubble_sort(float *a, int n) { simple_bubble(a, n); }
void selection_sort(float *a, int n) { selection(a, n); }
void insertion_sort(float *a, int n) { insertion(a, n); }

// The screen and the sort of each menu choice, 1 to 3.
struct Method {
    int frame_colour;
    Text title;
    void (*sort)(float *a, int n);
};

const Method methods[] = {
    {11, {32, 4, 10, "Ordinamento BUBBLE SORT"}, bubble_sort},
    {12, {27, 4, 11, "Ordinamento SEQUENZIALE SELETTIVO"}, selection_sort},
    {13, {30, 4, 12, "Ordinamento INSERT SORT"}, insertion_sort},
};

void put(int x, int y, int colour, const char *text) {
    textcolor(colour);
    gotoxy(x, y);
    cprintf("%s", text);
}

void draw_menu() {
    for (int x = 23; x <= 63; x++) {
        put(x, 2, 11, "*");
        put(x, 17, 11, "*");
    }
    for (int y = 4; y <= 15; y++) {
        put(20, y, 14, "*");
        put(66, y, 14, "*");
    }
    for (const Text &t : menu_texts)
        put(t.x, t.y, t.colour, t.text);
}

// The corner code of the next attempt: one more than the last, 7 skipped.
// Only the code's low eight bits show (as the glyph) and the low four bits
// of its colour, code + 9; so from 512 on the counter steps back by 256,
// which changes neither, and it never overflows however many attempts come.
int next_glyph(int g) {
    g = g + 1;
    if (g == 7)
        g = 8;
    if (g == 512)
        g = 256;
    return g;
}

// Code 10 is a line end: the corners then keep the glyph they had.
void draw_corners(int g) {
    const int corners[][2] = {{20, 2}, {66, 17}, {20, 17}, {66, 2}};
    textcolor(g + 9);
    for (const auto &c : corners) {
        gotoxy(c[0], c[1]);
        cprintf("%c", g);
    }
}

// Asks until the answer is 1, 2 or 3, with new corners at every attempt; a
// token that is not a number is one more wrong answer.
int read_choice(int *frame_glyph) {
    int choice = 0;
    do {
        *frame_glyph = next_glyph(*frame_glyph);
        draw_corners(*frame_glyph);
        put(35, 16, 12, "Scelta: ");
        clreol();
    } while (!read_int(&choice) || choice <= 0 || choice > 3);
    return choice;
}

void draw_method_screen(const Method &m) {
    clrscr();
    for (int x = 23; x <= 63; x++) {
        put(x, 2, m.frame_colour, "*");
        put(x, 6, m.frame_colour, "*");
    }
    put(m.title.x, m.title.y, m.title.colour, m.title.text);
}

// The dimension, 1 to 100, in the window; a repeated prompt starts from
// wherever the last answer left the cursor.
int read_dimension() {
    int n = 0;
    gotoxy(4, 10);
    do {
        textcolor(14);
        cprintf("\nInserire la dim: ");
    } while (cscanf("%d", &n) != 1 || n <= 0 || n > capacity);
    return n;
}

// The elements in the window, the prompt of position i on row i + 13 (the
// layer keeps rows beyond the window on its last row, and the prompt's line
// end then scrolls). A rejected answer gets its prompt again, in the same
// place, and is wiped from the row.
void read_values(float *a, int n) {
    for (int i = 0; i < n; i++) {
        bool again = false;
        do {
            textcolor(15);
            gotoxy(8, i + 12);
            cprintf("\nInserire A[%d]: ", i + 1);
            if (again)
                clreol();
            again = true;
        } while (cscanf("%f", &a[i]) != 1);
    }
}

// Through standard output, each line shown for a pause before the next.
void list_values(const float *a, int n) {
    printf("\n\n\t\t\t\tElenco ordinato :\n");
    Pace pace;
    for (int i = 0; i < n; i++) {
        printf("\n\t\t\t\t%5.4f  ", (double)a[i]);
        pause_ms(&pace, listing_line_ms);
    }
}

} // namespace

int main(void) {
    at_program_end();
    float a[capacity];
    int frame_glyph = 0;
    console_fit(frame_width, frame_height);
    credits();
    clrscr();
    draw_menu();
    const Method &m = methods[read_choice(&frame_glyph) - 1];
    draw_method_screen(m);
    int n = read_dimension();
    read_values(a, n);
    m.sort(a, n);
    list_values(a, n);
    getch();
    getch();
    return 0;
}
