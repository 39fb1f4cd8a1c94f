// sort_trace: reads up to 100 reals and shows, pass by pass, how each of the
// sorting algorithms (or those chosen with -a) orders a copy of them: the
// array after every pass (for the selection sort after every exchange, for
// the insertion sort after every key is placed, for the Shell sort after
// every gap, for the merge sort after every merge, for the quick sort after
// every partition, for the heap sort after building the heap and after every
// root taken from it) with that pass's comparisons and exchanges, then the
// totals; last, a summary of them on the same data, with whether each kept
// equal values in the order they were typed.
//
// Every value stands in a column as wide as the widest value (the shortest
// text that reads back as the same real) or the heading "A[n]": up to 8
// values of up to 6 characters keep every line within 80 columns. Longer
// rows are not wrapped: they run on, one row per pass.
#include "description.hpp"
#include "program_end.hpp"
#include "trace.hpp"

#include <getopt.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

namespace {

const char *const usage = "Uso: sort_trace [OPZIONE]...\n";

const char *const help =
    "Chiede fino a 100 numeri reali e mostra, passo per passo, come li ordina\n"
    "ciascuno degli algoritmi; poi li mette a confronto sugli stessi dati.\n"
    "\n"
    "  -a, --algoritmi=ELENCO  solo gli algoritmi dell'elenco: i loro numeri,\n"
    "                          separati da virgole (1,5,6); senza, tutti\n"
    "  -h, --help              mostra questo aiuto ed esce\n"
    "  -V, --version           mostra la versione ed esce\n"
    "\n"
    "Gli algoritmi:\n";

const option long_options[] = {
    {"algoritmi", required_argument, nullptr, 'a'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};
const char *const short_options = ":a:hV"; // ":": a missing value is told apart

[[noreturn]] void bad_usage(const char *what, const char *arg) {
    fprintf(stderr, "sort_trace: %s: %s\n", what, arg);
    fputs(usage, stderr);
    fputs("Con --help, l'elenco delle opzioni.\n", stderr);
    exit(2);
}

void print_help() {
    fputs(usage, stdout);
    fputs(help, stdout);
    for (int k = 0; k < trace::algorithm_count; k++)
        printf("  %d %s\n", k + 1, trace::describe((trace::Algorithm)k).name);
    exit(0);
}

// Whether getopt's error is about an option it knows: then it names it by
// its letter, also when the user wrote it long.
bool known_option() { return optopt != 0 && optopt != ':' && strchr(short_options, optopt); }

// The option as the user wrote it, arg being the argument that held it: a
// long one whole, a short one as "-x" (which may stand in a group).
const char *shown_option(const char *arg) {
    static char text[3] = "-?";
    if (optopt == 0 || (known_option() && strncmp(arg, "--", 2) == 0))
        return arg;
    text[1] = (char)optopt;
    return text;
}

// Reads the command line into traced (every algorithm, unless -a says
// which). --help and --version print their text and end the program.
void read_options(int argc, char **argv, bool *traced) {
    std::fill(traced, traced + trace::algorithm_count, true);
    opterr = 0;
    int c;
    while ((c = getopt_long(argc, argv, short_options, long_options, nullptr)) != -1) {
        if (c == 'a' && optarg[0] == '\0') { // "--algoritmi=", "-a ''"
            const char *arg = argv[optind - 1];
            bad_usage("manca il valore dell'opzione", arg[0] == '-' ? arg : "-a");
        } else if (c == 'a') {
            if (!trace::read_algorithms(optarg, traced))
                bad_usage(trace::algorithms_rule(), optarg);
        } else if (c == 'h') {
            print_help();
        } else if (c == 'V') {
            printf("sort_trace (ordina) %s\n", ORDINA_VERSION);
            exit(0);
        } else if (c == ':') {
            bad_usage("manca il valore dell'opzione", shown_option(argv[optind - 1]));
        } else if (known_option()) {
            bad_usage("l'opzione non vuole un valore", shown_option(argv[optind - 1]));
        } else {
            bad_usage("opzione sconosciuta", shown_option(argv[optind - 1]));
        }
    }
    if (optind < argc)
        bad_usage("argomento non previsto", argv[optind]);
}

} // namespace

int main(int argc, char **argv) {
    at_program_end();
    bool traced[trace::algorithm_count];
    read_options(argc, argv, traced);
    float a[trace::capacity];
    int n = trace::ask_values(a);
    trace::print_trace(a, n, traced);
    return 0;
}
