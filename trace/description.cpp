// The table of the algorithms, and the reading of a log with the function
// that follows its algorithm's variables (follow_classic.hpp,
// follow_fast.hpp). The variables of a pass stay as its end left them until
// the next pass starts, with its first comparison. They hold places as the
// log does, from 0; the pseudocode counts from 1, as what shows them does.
#include "description.hpp"

#include "algorithms.hpp"
#include "follow_classic.hpp"
#include "follow_fast.hpp"

namespace trace {

namespace {

// Sets the variables as they are before the first event (e null) or as the
// event leaves them.
using Follow = void (*)(Variables *v, const Event *e, const Moment &m);

// The variables as they are before the first event, with the state as given.
void start_reading(const Log *log, Follow follow, Reading *r) {
    start_state(log, &r->state);
    Variables &v = r->variables;
    for (int k = 0; k < max_variables; k++)
        v.value[k] = v.at[k] = -1;
    v.line = -1;
    v.placed_from = v.placed_to = 0;
    v.aside = -1;
    for (bool &placed : v.placed_one)
        placed = false;
    v.part_from = v.part_to = v.part_split = -1;
    v.copied = false;
    r->pass_over = true;
    follow(&v, nullptr, {log, &r->state, false, true});
}

// Reads the log with the algorithm's follow function (see read_log). The
// view reads a log from its start at every frame, up to 15,000 events: a
// template, and the functions above declared inline, so that the compiler
// puts the function into the loop rather than call it at every event.
template <Follow follow> void follow_events(const Log *log, int first, int end, Reading *r) {
    if (first == 0)
        start_reading(log, follow, r);
    // The event and the variables are copies, which the compiler keeps in
    // registers: it would read them again after every store otherwise.
    const Description &d = describe(log->algorithm);
    Variables v = r->variables;
    bool pass_over = r->pass_over;
    for (int i = first; i < end; i++) {
        const Event e = log->events[i];
        apply(e, &r->state);
        bool starts = e.kind == compared_event && pass_over;
        pass_over = e.kind == pass_event || (pass_over && e.kind != compared_event);
        v.line = d.line_of[e.kind];
        follow(&v, &e, {log, &r->state, starts, pass_over});
    }
    r->variables = v;
    r->pass_over = pass_over;
}

// The two bubble sorts tell their steps alike.
constexpr Words bubble_words = {
    .test = greater_test,
    .holds = "si scambiano",
    .fails = "restano",
};

// So do the insertion sort and the Shell sort, whose shifts go h places.
constexpr Words shift_words = {
    .compared = "Confronto A[{i}] = {x} con la chiave {y}",
    .test = greater_test,
    .holds = "{x} si sposta a destra e la chiave prosegue",
    .fails = "la chiave si ferma in A[{j}]",
    .exchanged = "{y} passa da A[{i}] in A[{j}]; la chiave {x} ora è in A[{i}]",
    .placed = {"in ordine", "in ordine tra loro"},
};

// The Shell sort's end of a pass is of all the elements h apart.
constexpr Words shell_words = [] {
    Words w = shift_words;
    w.passed = "gli elementi a distanza {.h} sono in ordine tra loro";
    return w;
}();

const Description descriptions[] = {
    {
        .name = "Bubble sort",
        .short_name = "Bubble",
        .pass = "Ogni passo confronta tutte le coppie vicine, dalla fine verso l'inizio.",
        .code =
            {
                "per passo da 1 a n-1:",
                "  per j da n giù a 2:",
                "    se A[j-1] > A[j]:",
                "      scambia A[j-1] e A[j]",
            },
        .line_of = {2, 3, 0, -1, -1},
        .shifts = false,
        .variables = {{"passo", false}, {"j", false}},
        .sort = [](float *a, int n, Watcher &watch) { simple_bubble(a, n, watch); },
        .read = follow_events<follow_simple_bubble>,
        .words = bubble_words,
    },
    {
        .name = "Bubble sort con limite",
        .short_name = "Con limite",
        .pass = "Ogni passo si ferma all'ultimo scambio del precedente; senza scambi si finisce.",
        .code =
            {
                "limite = 1",
                "ripeti:",
                "  ultimo = 1",
                "  per i da n giù a limite+1:",
                "    se A[i-1] > A[i]:",
                "      scambia A[i-1] e A[i]",
                "      ultimo = i",
                "  limite = ultimo",
                "finché ultimo > 1",
            },
        .line_of = {4, 5, 7, -1, -1},
        .shifts = false,
        .variables = {{"limite", false}, {"ultimo", false}, {"i", false}},
        .sort = [](float *a, int n, Watcher &watch) { bounded_bubble(a, n, watch); },
        .read = follow_events<follow_bounded_bubble>,
        .words = bubble_words,
    },
    {
        .name = "Sequenziale selettivo",
        .short_name = "Selettivo",
        .pass = "Ogni passo porta il minimo che resta al primo posto non ancora ordinato.",
        .code =
            {
                "per i da 1 a n-1:",
                "  m = i",
                "  per j da i+1 a n:",
                "    se A[j] < A[m]: m = j",
                "  scambia A[i] e A[m]",
            },
        .line_of = {3, 4, 0, -1, -1},
        .shifts = false,
        .variables = {{"i", false}, {"j", false}, {"m", false}},
        .sort = [](float *a, int n, Watcher &watch) { selection(a, n, watch); },
        .read = follow_events<follow_selection>,
        .words =
            {
                .compared = "Confronto A[{i}] = {x} con il minimo A[{j}] = {y}",
                .test = less_test,
                .holds = "il minimo ora è A[{i}]",
                .fails = "il minimo resta A[{j}]",
                .exchanged = "Scambio A[{i}] e A[{j}]: il minimo {x} va in A[{i}]",
                .self = "Il minimo {x} è già in A[{i}]: lo scambio con se stesso non lo sposta",
            },
    },
    {
        .name = "Insertion sort",
        .short_name = "Insertion",
        .pass = "Ogni passo inserisce la chiave che segue tra gli elementi già ordinati.",
        .code =
            {
                "per i da 2 a n:",
                "  chiave = A[i]; j = i-1",
                "  finché j ≥ 1 e A[j] > chiave:",
                "    A[j+1] = A[j]; j = j-1",
                "  A[j+1] = chiave",
            },
        .line_of = {2, 3, 4, -1, -1},
        .shifts = true,
        .variables = {{"i", false}, {"j", false}, {"chiave", true}},
        .sort = [](float *a, int n, Watcher &watch) { insertion(a, n, watch); },
        .read = follow_events<follow_insertion>,
        .words = shift_words,
    },
    {
        .name = "Shell sort",
        .short_name = "Shell",
        .pass = "Ogni passo ordina per inserimento gli elementi a distanza h; l'ultimo ha h = 1.",
        .code =
            {
                "h = 1",
                "finché h < n/3: h = 3h+1",
                "finché h ≥ 1:",
                "  per i da h+1 a n:",
                "    chiave = A[i]; j = i-h",
                "    finché j ≥ 1 e A[j] > chiave:",
                "      A[j+h] = A[j]; j = j-h",
                "    A[j+h] = chiave",
                "  h = h/3",
            },
        .line_of = {5, 6, 8, -1, -1},
        .shifts = true,
        .variables = {{"h", false, true}, {"i", false}, {"j", false}, {"chiave", true}},
        .sort = [](float *a, int n, Watcher &watch) { ::shell_sort(a, n, watch); },
        .read = follow_events<follow_shell>,
        .words = shell_words,
    },
    {
        .name = "Merge sort",
        .short_name = "Merge",
        .pass = "Ogni passo fonde due parti vicine già ordinate, copiate in un array di appoggio.",
        .code =
            {
                "mergesort(p, r):",
                "  se p < r:",
                "    q = (p+r)/2",
                "    mergesort(p, q)",
                "    mergesort(q+1, r)",
                "    fondi(p, q, r)",
                "fondi(p, q, r):",
                "  B[p..r] = A[p..r]",
                "  i = p; j = q+1",
                "  per k da p a r:",
                "    se j > r o i ≤ q e",
                "       B[i] ≤ B[j]:",
                "      A[k] = B[i]; i = i+1",
                "    altrimenti:",
                "      A[k] = B[j]; j = j+1",
            },
        .line_of = {11, -1, 5, merge_left_line, 7},
        .shifts = false,
        .variables =
            {{"p", false}, {"q", false}, {"r", false}, {"i", false}, {"j", false}, {"k", false}},
        .sort =
            [](float *a, int n, Watcher &watch) {
                float work[capacity];
                ::merge_sort(a, n, work, watch);
            },
        .read = follow_events<follow_merge>,
        .words =
            {
                .compared = "Confronto B[{i}] = {x} e B[{j}] = {y}",
                .aside = true,
                .test = less_test,
                .holds = "si prende B[{i}], della parte destra",
                .fails = "si prende B[{j}], della sinistra",
                .moved = "{y} va da B[{i}] in A[{j}]",
                .moved_rest =
                    "L'altra parte è esaurita: {y} va da B[{i}] in A[{j}] senza confronto",
                .part = "Fondo A[{.p}…{.q}] e A[{.q+1}…{.r}], già ordinate: le copio in B",
                .passed = "A[{.p}…{.r}] fusa, in ordine",
            },
    },
    {
        .name = "Quick sort",
        .short_name = "Quick",
        .pass = "Ogni passo porta il pivot (l'ultimo della parte) dopo i valori non maggiori.",
        .code =
            {
                "quicksort(p, r):",
                "  se p < r:",
                "    q = partiziona(p, r)",
                "    quicksort(p, q-1)",
                "    quicksort(q+1, r)",
                "partiziona(p, r):",
                "  pivot = A[r]; i = p-1",
                "  per j da p a r-1:",
                "    se A[j] ≤ pivot:",
                "      i = i+1; scambia A[i] e A[j]",
                "  scambia A[i+1] e A[r]",
                "  restituisci i+1",
            },
        .line_of = {8, quick_swap_line, 11, -1, 6},
        .shifts = false,
        .variables = {{"p", false}, {"r", false}, {"pivot", true}, {"i", false}, {"j", false}},
        .sort = [](float *a, int n, Watcher &watch) { ::quick_sort(a, n, watch); },
        .read = follow_events<follow_quick>,
        .words =
            {
                .compared = "Confronto A[{i}] = {x} con il pivot A[{j}] = {y}",
                .test = not_greater_test,
                .holds = "va tra i valori non maggiori del pivot",
                .fails = "resta dov'è",
                .part = "Partiziono A[{i}…{j}] intorno al pivot A[{j}] = {y}",
                .passed = "il pivot {.pivot} è al suo posto, A[{.i+1}]",
            },
    },
    {
        .name = "Heap sort",
        .short_name = "Heap",
        .pass = "Il primo passo fa dell'array uno heap; ogni altro porta il massimo in fondo.",
        .code =
            {
                "per i da n/2 giù a 1:",
                "  setaccia(i, n)",
                "per k da n giù a 2:",
                "  scambia A[1] e A[k]",
                "  setaccia(1, k-1)",
                "setaccia(i, fine):",
                "  finché 2i ≤ fine:",
                "    c = 2i",
                "    se c < fine e A[c] < A[c+1]:",
                "      c = c+1",
                "    se A[i] < A[c]:",
                "      scambia A[i] e A[c]; i = c",
                "    altrimenti: interrompi",
            },
        .line_of = {heap_children_line, heap_swap_line, heap_sifted_line, -1, -1},
        .shifts = false,
        .variables = {{"fine", false}, {"i", false}, {"c", false}},
        .sort = [](float *a, int n, Watcher &watch) { ::heap_sort(a, n, watch); },
        .read = follow_events<follow_heap>,
        .words =
            {
                .test = less_test,
                .holds = "il maggiore è A[{j}]",
                .fails = "resta A[{i}]",
                .first_passed = "A[1…{.fine}] è uno heap, il massimo in A[1]",
            },
    },
};
static_assert(sizeof descriptions / sizeof descriptions[0] == algorithm_count);

} // namespace

const Description &describe(Algorithm algorithm) { return descriptions[algorithm]; }

int code_lines(const Description &d) {
    int lines = 0;
    while (lines < max_code_lines && d.code[lines] != nullptr)
        lines++;
    return lines;
}

int variable_count(const Description &d) {
    int count = 0;
    while (count < max_variables && d.variables[count].name != nullptr)
        count++;
    return count;
}

void read_log(const Log *log, int first, int end, Reading *r) {
    describe(log->algorithm).read(log, first, end, r);
}

} // namespace trace
