// The table of the algorithms and, for each, how its variables follow the
// events of its log. The variables of a pass stay as its end left them until
// the next pass starts, with its first comparison. They hold places as the
// log does, from 0; the pseudocode counts from 1, as what shows them does.
#include "description.hpp"

#include "algorithms.hpp"

namespace trace {

namespace {

// Simple bubble sort: passo, j. A pass carries the least of A[j-1] and A[j]
// from the end towards the start; the first passes places are in place.
inline void follow_simple_bubble(Variables *v, const Event *e, const Moment &m) {
    int &pass = v->value[0], &j = v->value[1];
    if (e == nullptr) {
        pass = 0;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            pass = m.state->steps.passes;
        j = e->j;
    }
    v->at[1] = j;
    v->placed_to = m.state->steps.passes;
}

// Bounded bubble sort: limite, ultimo, i. A pass runs i from the end down to
// limite + 1; ultimo, the place of its last exchange, is the next limite,
// and the places before limite are in place. i is shown under the bars from
// place 1, where a pass can have it.
inline void follow_bounded_bubble(Variables *v, const Event *e, const Moment &m) {
    int &bound = v->value[0], &last = v->value[1], &i = v->value[2];
    if (e == nullptr) {
        bound = last = i = 0;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            last = 0;
        i = e->j;
    } else if (e->kind == exchanged_event) {
        last = e->j;
    } else if (e->kind == pass_event) {
        i = bound; // where the pass stopped
        bound = last;
    }
    v->at[0] = bound;
    v->at[2] = i > 0 ? i : -1;
    v->placed_to = bound;
}

// Selection sort: i, j, m. The pass fills place i with the least value from
// i on, whose place m is, of those compared so far.
inline void follow_selection(Variables *v, const Event *e, const Moment &m) {
    int &i = v->value[0], &j = v->value[1], &least = v->value[2];
    if (e == nullptr) {
        i = least = 0;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            i = least = m.state->steps.passes;
        j = e->i;
        if (value_at(m.log, m.state, e->i) < value_at(m.log, m.state, e->j))
            least = e->i;
    }
    v->at[0] = i;
    v->at[1] = j;
    v->at[2] = least;
    v->placed_to = m.state->steps.passes;
}

// Insertion sort: i, j, chiave. The key taken from place i stands in the
// free place, where each shift of A[j] moves it one place left; the places
// up to i are in order but for the key's, until it is placed.
inline void follow_insertion(Variables *v, const Event *e, const Moment &m) {
    int &i = v->value[0], &j = v->value[1], &key = v->value[2];
    if (e == nullptr) {
        i = key = 1;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            i = key = m.state->steps.passes + 1;
        j = e->i;
    } else if (e->kind == exchanged_event) {
        key = e->i;
        j = e->i - 1;
    }
    v->at[0] = i;
    v->at[1] = j;
    v->at[2] = key;
    v->placed_to = e == nullptr ? 0 : i + 1;
    v->aside = m.pass_over ? -1 : key;
}

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
        .words =
            {
                .compared = "Confronto A[{i}] = {x} con la chiave {y}",
                .test = greater_test,
                .holds = "{x} si sposta a destra e la chiave prosegue",
                .fails = "la chiave si ferma in A[{j}]",
                .exchanged = "{y} passa da A[{i}] in A[{j}]; la chiave {x} ora è in A[{i}]",
                .placed = {"in ordine", "in ordine tra loro"},
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
