// sort_view's options, GNU style through getopt_long.
#include "options.hpp"

#include "read_number.hpp"

#include <getopt.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

namespace view {

namespace {

const char *const usage = "Uso: sort_view [OPZIONE]... [VALORE]...\n";

const char *const help =
    "Mostra i quattro algoritmi di ordinamento al lavoro, passo per passo, su una\n"
    "barra per valore; i valori si scrivono dopo le opzioni, si generano con\n"
    "--genera, oppure vengono chiesti come fa sort_trace.\n"
    "\n"
    "  -g, --genera=TIPO      genera i valori: casuali, ordinati, inversi, quasi\n"
    "                         (quasi ordinati), ripetuti (pochi valori distinti)\n"
    "  -n, --numero=N         quanti valori generare, da 1 a 100 (10)\n"
    "  -s, --seme=S           il seme dei valori generati, da 0 a 4294967295\n"
    "                         (senza: uno nuovo a ogni avvio)\n"
    "  -a, --algoritmo=K      l'algoritmo mostrato all'inizio, da 1 a 4 (1)\n"
    "  -h, --help             mostra questo aiuto ed esce\n"
    "  -V, --version          mostra la versione ed esce\n"
    "\n"
    "Un VALORE è un numero reale; la virgola vale come punto (3,5). Sul terminale\n"
    "il tasto ? elenca i tasti; se l'uscita non è un terminale, stampa ciò che\n"
    "sort_trace stampa per gli stessi valori.\n";

const option long_options[] = {
    {"genera", required_argument, nullptr, 'g'},
    {"numero", required_argument, nullptr, 'n'},
    {"seme", required_argument, nullptr, 's'},
    {"algoritmo", required_argument, nullptr, 'a'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};
const char *const short_options = ":g:n:s:a:hV"; // ":": a missing value is told apart

const struct {
    const char *name;
    Source source;
} kinds[] = {
    {"casuali", random_numbers},        {"ordinati", ordered_numbers},
    {"inversi", reverse_numbers},       {"quasi", nearly_ordered_numbers},
    {"ripetuti", few_distinct_numbers},
};

[[noreturn]] void bad_usage(const char *what, const char *arg) {
    if (what != nullptr)
        fprintf(stderr, "sort_view: %s: %s\n", what, arg);
    fputs(usage, stderr);
    fputs("Con --help, l'elenco delle opzioni.\n", stderr);
    exit(2);
}

// A whole integer from low to high, or the usage error.
long long whole_number(const char *text, long long low, long long high, const char *what) {
    char *end;
    long long v = strtoll(text, &end, 10);
    if (*text == '\0' || *end != '\0' || v < low || v > high)
        bad_usage(what, text);
    return v;
}

bool is_real(const char *text, float *value) {
    char buf[token_capacity];
    int len = (int)strlen(text);
    if (len >= token_capacity)
        return false;
    memcpy(buf, text, (size_t)len + 1);
    return parse_real(buf, len, value);
}

// Whether the argument is an option whose value is the next argument
// ("-n 5", "--seme 3", "-an 5").
bool value_follows(const char *arg) {
    if (arg[0] != '-' || arg[1] == '\0')
        return false;
    if (arg[1] == '-') {
        for (const option &o : long_options)
            if (o.name != nullptr && o.has_arg == required_argument &&
                strchr(arg, '=') == nullptr && strncmp(arg + 2, o.name, strlen(arg + 2)) == 0 &&
                arg[2] != '\0')
                return true;
        return false;
    }
    for (const char *c = arg + 1; *c != '\0'; c++) {
        const char *at = strchr(short_options + 1, *c);
        if (at != nullptr && at[1] == ':')
            return c[1] == '\0';
    }
    return false;
}

// The option as written: "-x" for a short one (which may stand in a group),
// the argument itself for a long one.
const char *shown_option(const char *arg) {
    static char text[3] = "-?";
    if (optopt == 0)
        return arg;
    text[1] = (char)optopt;
    return text;
}

// One more value given, or the usage error.
void add_value(Options *o, const char *text) {
    if (o->n == trace::capacity)
        bad_usage("al massimo 100 valori", text);
    if (!is_real(text, &o->values[o->n]))
        bad_usage("non è un numero", text);
    o->n++;
}

// Sets the values apart, in their order, before getopt_long reads the
// options: so -1 or -2,5 is a value, not an option. Gives the count of the
// arguments left in rest (argv[0] first, a null pointer after them).
int set_values_apart(int argc, char **argv, Options *o, char **rest, int size) {
    int kept = 0;
    rest[kept++] = argv[0];
    bool only_values = false;
    for (int i = 1; i < argc; i++) {
        float v;
        if (!only_values && strcmp(argv[i], "--") == 0) {
            only_values = true;
        } else if (only_values || is_real(argv[i], &v)) {
            add_value(o, argv[i]);
        } else if (kept < size - 1) {
            rest[kept++] = argv[i];
            if (value_follows(argv[i]) && i + 1 < argc && kept < size - 1)
                rest[kept++] = argv[++i];
        } else {
            bad_usage("troppi argomenti", argv[i]);
        }
    }
    rest[kept] = nullptr;
    return kept;
}

// What -g, -n and -s say; each of them asks for generated numbers.
void read_source(int c, Options *o, bool *seeded) {
    if (c == 'g') {
        bool known = false;
        for (const auto &k : kinds)
            if (strcmp(optarg, k.name) == 0) {
                o->source = k.source;
                known = true;
            }
        if (!known)
            bad_usage("tipo sconosciuto (casuali, ordinati, inversi, quasi, ripetuti)", optarg);
    } else if (c == 'n') {
        o->count = (int)whole_number(optarg, 1, trace::capacity, "il numero va da 1 a 100");
    } else {
        o->seed = (unsigned)whole_number(optarg, 0, 4294967295LL, "seme non valido");
        *seeded = true;
    }
}

// Reads the options, leaving optind at the first argument that is none;
// gives whether numbers are to be generated.
bool read_switches(int kept, char **rest, Options *o, bool *seeded) {
    bool generated = false; // -n and -s alone generate random numbers
    opterr = 0;
    optind = 1;
    int c;
    while ((c = getopt_long(kept, rest, short_options, long_options, nullptr)) != -1) {
        switch (c) {
        case 'g':
        case 'n':
        case 's':
            read_source(c, o, seeded);
            generated = true;
            break;
        case 'a':
            o->algorithm =
                (int)whole_number(optarg, 1, trace::algorithm_count, "l'algoritmo va da 1 a 4") - 1;
            break;
        case 'h':
            fputs(usage, stdout);
            fputs(help, stdout);
            exit(0);
        case 'V':
            printf("sort_view (ordina) %s\n", ORDINA_VERSION);
            exit(0);
        case ':':
            bad_usage("manca il valore dell'opzione", shown_option(rest[optind - 1]));
        default:
            bad_usage("opzione sconosciuta", shown_option(rest[optind - 1]));
        }
    }
    return generated;
}

} // namespace

void read_options(int argc, char **argv, Options *o) {
    char *rest[256];
    int kept = set_values_apart(argc, argv, o, rest, (int)(sizeof rest / sizeof rest[0]));
    bool seeded = false;
    bool generated = read_switches(kept, rest, o, &seeded);
    for (int i = optind; i < kept; i++)
        add_value(o, rest[i]);
    if (generated && o->n > 0)
        bad_usage("valori dati insieme a --genera", "--genera");
    if (!generated && o->n > 0)
        o->source = given_numbers;
    if (generated && !seeded)
        o->seed = (unsigned)time(nullptr) ^ (unsigned)getpid() << 16;
    if (generated && o->source == typed_numbers)
        o->source = random_numbers;
}

} // namespace view
