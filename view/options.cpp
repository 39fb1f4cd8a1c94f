// sort_view's options, GNU style through getopt_long.
#include "options.hpp"

#include "read_number.hpp"
#include "trace.hpp"

#include <errno.h>
#include <float.h>
#include <getopt.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

namespace view {

namespace {

const char *const usage = "Uso: sort_view [OPZIONE]... [VALORE]...\n";

const char *const lessons = "Con -g ordinati, il caso peggiore del quick sort (e il migliore\n"
                            "dell'insertion sort); con -g ripetuti, chi tiene in ordine i valori\n"
                            "uguali e chi no (stabile).";

void print_help() {
    fputs(usage, stdout);
    printf("Mostra gli algoritmi di ordinamento al lavoro, passo per passo, su una barra\n"
           "per valore, e ogni passo a parole con il suo esito; i valori si scrivono dopo\n"
           "le opzioni, si generano con --genera, oppure vengono chiesti come fa\n"
           "sort_trace. Le posizioni contano da 1: A[1] è il primo valore.\n"
           "\n"
           "  -g, --genera=TIPO      genera i valori: casuali, ordinati, inversi, quasi\n"
           "                         (quasi ordinati), ripetuti (pochi valori distinti)\n"
           "  -n, --numero=N         quanti valori generare, da 1 a 100 (10)\n"
           "  -s, --seme=S           il seme dei valori generati, da 0 a 4294967295\n"
           "                         (senza: uno nuovo a ogni avvio)\n"
           "  -a, --algoritmo=K      l'algoritmo mostrato all'inizio, da 1 a %d (1)\n"
           "  -G, --gara=ELENCO      si parte dalla gara degli algoritmi dell'elenco: i\n"
           "                         loro numeri, separati da virgole (1,5,6)\n"
           "  -h, --help             mostra questo aiuto ed esce\n"
           "  -V, --version          mostra la versione ed esce\n"
           "\n"
           "Un VALORE è un numero reale; la virgola vale come punto (3,5). Sul terminale\n"
           "il tasto ? elenca i tasti; se l'uscita non è un terminale, stampa ciò che\n"
           "sort_trace stampa per gli stessi valori.\n"
           "\n"
           "%s\n",
           trace::algorithm_count, lessons);
}

const option long_options[] = {
    {"genera", required_argument, nullptr, 'g'}, {"numero", required_argument, nullptr, 'n'},
    {"seme", required_argument, nullptr, 's'},   {"algoritmo", required_argument, nullptr, 'a'},
    {"gara", required_argument, nullptr, 'G'},   {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},      {nullptr, 0, nullptr, 0},
};
const char *const short_options = ":g:n:s:a:G:hV"; // ":": a missing value is told apart

const struct {
    const char *name;
    Source source;
} kinds[] = {
    {"casuali", random_numbers},        {"ordinati", ordered_numbers},
    {"inversi", reverse_numbers},       {"quasi", nearly_ordered_numbers},
    {"ripetuti", few_distinct_numbers},
};

// The first value given, as typed, for a message.
const char *first_value = nullptr;

[[noreturn]] void bad_usage(const char *what, const char *arg) {
    if (what != nullptr)
        fprintf(stderr, "sort_view: %s: %s\n", what, arg);
    fputs(usage, stderr);
    fputs("Con --help, l'elenco delle opzioni.\n", stderr);
    exit(2);
}

// The option whose value getopt_long has just read, as the user wrote it:
// "--numero" of "--numero=5" or "--numero 5", "-n" of "-n5" or "-an 5".
const char *typed_option(int c, char **rest) {
    static char text[64];
    const char *arg =
        optind >= 2 && optarg == rest[optind - 1] ? rest[optind - 2] : rest[optind - 1];
    if (strncmp(arg, "--", 2) == 0)
        snprintf(text, sizeof text, "%.*s", (int)strcspn(arg, "="), arg);
    else
        snprintf(text, sizeof text, "-%c", c);
    return text;
}

// A whole integer from low to high, the value of the option, or the usage
// error.
long long whole_number(const char *text, long long low, long long high, const char *option) {
    char *end, what[96];
    errno = 0;
    long long v = strtoll(text, &end, 10);
    bool number = *text != '\0' && *end == '\0';
    if (number && errno == 0 && v >= low && v <= high)
        return v;
    if (number)
        snprintf(what, sizeof what, "%s: fuori intervallo (da %lld a %lld)", option, low, high);
    else
        snprintf(what, sizeof what, "%s: non è un numero intero", option);
    bad_usage(what, text);
}

bool is_real(const char *text, float *value) {
    char buf[token_capacity];
    int len = (int)strlen(text);
    if (len >= token_capacity)
        return false;
    memcpy(buf, text, (size_t)len + 1);
    return parse_real(buf, len, value);
}

// Whether the text is a number, but beyond the range of a real ("1e99").
bool out_of_range(const char *text) {
    char buf[token_capacity];
    snprintf(buf, sizeof buf, "%s", text);
    for (char *c = buf; *c != '\0'; c++)
        if (*c == ',')
            *c = '.';
    char *end;
    double v = strtod(buf, &end);
    return buf[0] != '\0' && *end == '\0' && strpbrk(buf, "iInN") == nullptr &&
           !(fabs(v) <= FLT_MAX);
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
    if (optopt == 0 || strncmp(arg, "--", 2) == 0)
        return arg;
    text[1] = (char)optopt;
    return text;
}

// One more value given, or the usage error.
void add_value(Options *o, const char *text) {
    if (o->n == 0)
        first_value = text;
    if (o->n == trace::capacity)
        bad_usage("al massimo 100 valori", text);
    if (out_of_range(text))
        bad_usage("fuori intervallo", text);
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
        } else if (only_values || is_real(argv[i], &v) || out_of_range(argv[i])) {
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
void read_source(int c, char **rest, Options *o, bool *seeded) {
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
        o->count = (int)whole_number(optarg, 1, trace::capacity, typed_option(c, rest));
    } else {
        o->seed = (unsigned)whole_number(optarg, 0, 4294967295LL, typed_option(c, rest));
        *seeded = true;
    }
}

// Reads the options, leaving optind at the first argument that is none;
// gives the first option that asks for generated numbers, as typed, or null.
const char *read_switches(int kept, char **rest, Options *o, bool *seeded) {
    static char generated_by[64];
    bool generated = false; // -n and -s alone generate random numbers
    opterr = 0;
    optind = 1;
    int c;
    while ((c = getopt_long(kept, rest, short_options, long_options, nullptr)) != -1) {
        switch (c) {
        case 'g':
        case 'n':
        case 's':
            read_source(c, rest, o, seeded);
            if (!generated)
                snprintf(generated_by, sizeof generated_by, "%s", typed_option(c, rest));
            generated = true;
            break;
        case 'a':
            o->algorithm =
                (int)whole_number(optarg, 1, trace::algorithm_count, typed_option(c, rest)) - 1;
            break;
        case 'G':
            if (!trace::read_algorithms(optarg, o->racing)) {
                char what[96];
                snprintf(what, sizeof what, "%s: %s", typed_option(c, rest),
                         trace::algorithms_rule());
                bad_usage(what, optarg);
            }
            o->race = true;
            break;
        case 'h':
            print_help();
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
    return generated ? generated_by : nullptr;
}

} // namespace

void read_options(int argc, char **argv, Options *o) {
    char *rest[256];
    int kept = set_values_apart(argc, argv, o, rest, (int)(sizeof rest / sizeof rest[0]));
    bool seeded = false;
    const char *generated_by = read_switches(kept, rest, o, &seeded);
    bool generated = generated_by != nullptr;
    for (int i = optind; i < kept; i++)
        add_value(o, rest[i]);
    if (generated && o->n > 0) {
        char what[128];
        snprintf(what, sizeof what, "valori dati insieme a %s, che li genera", generated_by);
        bad_usage(what, first_value);
    }
    if (!generated && o->n > 0)
        o->source = given_numbers;
    if (generated && !seeded)
        o->seed = (unsigned)time(nullptr) ^ (unsigned)getpid() << 16;
    if (generated && o->source == typed_numbers)
        o->source = random_numbers;
}

} // namespace view
