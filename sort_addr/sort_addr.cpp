// sort_addr: two credit screens, up to 20 integers sorted by selection, and
// on request the address of the slot that holds each of them.
#include "algorithms.hpp"
#include "console.h"
#include "flush_input.h"
#include "program_end.hpp"
#include "read_number.hpp"

namespace {

const int capacity = 20;
// The window the credits need: their longest line ends in column 68, their
// last is on row 16.
const int screen_cols = 68;
const int screen_rows = 16;

void credits() {
    textcolor(14);
    gotoxy(32, 7);
    cprintf("* SoFTWaRe HouSe *");
    gotoxy(21, 12);
    cprintf("--> CaPo GRuPPo: Benvardi Evira");
    gotoxy(21, 14);
    cprintf("--> PRoGRaMMaToRe LoGiCo: Pellandrio Rubeno");
    gotoxy(21, 16);
    cprintf("--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea");
    getch();
    clrscr();
    gotoxy(14, 2);
    cprintf("*** Programma di Benvardi, Pellandrio e Casorelli ***");
    getch();
    clrscr();
}

// Reads the count (1 to max) into *n and then the n values.
void read_values(int *a, int *n, int max) {
    do
        printf("Inserisci la dimensione di A: ");
    while (!read_int(n) || *n > max || *n <= 0);
    read_elements(a, *n, "\nInserisci il %d valore : ");
}

void sort_values(int *a, int n) { selection(a, n); }

// Reads one word of any length and gives its first character: nothing of the
// word is stored. Line ends alone do not answer.
int read_answer() {
    int first = token_start();
    int c;
    while ((c = getchar()) != EOF && !is_separator(c)) {
    }
    if (c != EOF)
        ungetc(c, stdin);
    return first;
}

} // namespace

int main(void) {
    at_program_end();
    int a[capacity];
    int n;
    console_fit(screen_cols, screen_rows);
    credits();
    read_values(a, &n, capacity);
    sort_values(a, n);
    flush_input();
    bool addresses = false;
    printf("Visuallizzare indirizzo memoria? s/N : ");
    int answer = read_answer();
    if (answer == 'S' || answer == 's')
        addresses = true;
    for (int i = 0; i < n; i++) {
        printf("%d - ", a[i]);
        if (addresses)
            printf("%p\n", (void *)&a[i]);
    }
    getch();
    return 1;
}
