// The step in words, with its outcome, and the algorithm's variables, as
// the line under the counters and the line under the pseudocode show them:
// every place from 1. The words of each algorithm are in its description.
#include "draw.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace view {

namespace {

using trace::Event;
using trace::Log;

// Adds the text at the end of out (size bytes in all), cut if it must be.
void add(char *out, int size, const char *text) {
    int length = (int)strlen(out);
    snprintf(out + length, (size_t)(size - length), "%s", text);
}

// Which value, as given, stands at place k: of the array, or of the copy a
// part made aside.
int given_at(const Model *m, int k, bool aside) {
    return aside ? m->state.aside[k] : m->state.order[k];
}

// The variable q as the variables show it: a place from 1 (plus places
// after it), a count, or the element at its place.
void variable_shown(const Log *log, const Model *m, int q, int plus, char *text, int size) {
    const trace::Variable_name &name = trace::describe(log->algorithm).variables[q];
    int value = m->variables.value[q];
    if (name.element)
        label(log, m->state.order[value >= 0 && value < log->n ? value : 0], text);
    else
        snprintf(text, (size_t)size, "%d", name.count ? value : trace::shown_place(value + plus));
}

// Writes into part the variable that "{.name}" or "{.name+1}" at w names;
// gives the length of that text, or 0 when it names none.
int named_variable(const char *w, const Log *log, const Model *m, char *part, int size) {
    int length = (int)strcspn(w, "+}");
    int plus = w[length] == '+' ? atoi(w + length + 1) : 0;
    const char *close = strchr(w, '}');
    const trace::Description &d = trace::describe(log->algorithm);
    for (int q = 0; close != nullptr && q < trace::variable_count(d); q++)
        if ((int)strlen(d.variables[q].name) == length - 2 &&
            strncmp(d.variables[q].name, w + 2, (size_t)length - 2) == 0) {
            variable_shown(log, m, q, plus, part, size);
            return (int)(close - w) + 1;
        }
    return 0;
}

// Adds the words with {i} and {j} written as the event's places, {x} and
// {y} as the values there (of the copy, aside), {.name} as the variable.
void add_words(char *out, int size, const char *words, const Log *log, const Model *m,
               const Event &e, bool aside = false) {
    for (const char *w = words; *w != '\0'; w++) {
        char part[32] = {w[0], '\0'};
        int named = w[0] == '{' && w[1] == '.' ? named_variable(w, log, m, part, sizeof part) : 0;
        if (named > 0) {
            w += named - 1;
        } else if (w[0] == '{' && w[1] != '\0' && w[2] == '}') {
            if (w[1] == 'i' || w[1] == 'j')
                snprintf(part, sizeof part, "%d", trace::shown_place(w[1] == 'i' ? e.i : e.j));
            else
                label(log, given_at(m, w[1] == 'x' ? e.i : e.j, aside), part);
            w += 2;
        }
        add(out, size, part);
    }
}

// Whether the comparison's test holds of x and y, and how the two compare
// in its terms: "8 > 2", "3 ≤ 5".
bool test_holds(trace::Test test, float x, float y) {
    return test == trace::greater_test       ? x > y
           : test == trace::less_test        ? x < y
           : test == trace::not_greater_test ? x <= y
                                             : false;
}

const char *relation(trace::Test test, bool holds, float x, float y) {
    switch (test) {
    case trace::greater_test:
        return holds ? ">" : "≤";
    case trace::less_test:
        return holds ? "<" : "≥";
    case trace::not_greater_test:
        return holds ? "≤" : ">";
    default:
        return x < y ? "<" : x > y ? ">" : "=";
    }
}

// "Confronto A[5] = 8 e A[6] = 2: 8 > 2, si scambiano."
void comparison_text(const Log *log, const Model *m, const Event &e, char *text, int size) {
    const trace::Words &w = trace::describe(log->algorithm).words;
    int p = given_at(m, e.i, w.aside), q = given_at(m, e.j, w.aside);
    float x = log->values[p], y = log->values[q];
    bool holds = test_holds(w.test, x, y);
    char a[32], b[32];
    label(log, p, a);
    label(log, q, b);
    add_words(text, size, w.compared, log, m, e, w.aside);
    char how[96];
    snprintf(how, sizeof how, ": %s %s %s", a, relation(w.test, holds, x, y), b);
    add(text, size, how);
    const char *outcome = holds ? w.holds : w.fails;
    if (outcome[0] != '\0') {
        add(text, size, ", ");
        add_words(text, size, outcome, log, m, e, w.aside);
    }
    add(text, size, ".");
}

// "Fine del passo 2: A[1…2] al loro posto.", or what the algorithm's words
// say the pass did, or that the array is sorted.
void pass_text(const Log *log, const Model *m, char *text, int size) {
    const trace::Words &w = trace::describe(log->algorithm).words;
    const trace::Variables &v = m->variables;
    int passes = m->state.steps.passes;
    int length = snprintf(text, (size_t)size, "Fine del passo %d", passes);
    int from = trace::shown_place(v.placed_from), to = trace::shown_place(v.placed_to - 1);
    const char *passed = passes == 1 && w.first_passed != nullptr ? w.first_passed : w.passed;
    if (m->done) {
        snprintf(text + length, (size_t)(size - length), ": l'array è ordinato.");
    } else if (passed != nullptr) {
        add(text, size, ": ");
        add_words(text, size, passed, log, m, log->events[m->last]);
        add(text, size, ".");
    } else if (to > from) {
        snprintf(text + length, (size_t)(size - length), ": A[%d…%d] %s.", from, to, w.placed[1]);
    } else if (to == from) {
        snprintf(text + length, (size_t)(size - length), ": A[%d] %s.", from, w.placed[0]);
    } else {
        snprintf(text + length, (size_t)(size - length), ".");
    }
}

} // namespace

void event_text(const Log *log, const Model *m, char *text, int size) {
    text[0] = '\0';
    if (m->last < 0) {
        snprintf(text, (size_t)size, "Inizio: i valori come sono stati dati.");
        return;
    }
    const Event &e = log->events[m->last];
    const trace::Words &w = trace::describe(log->algorithm).words;
    if (e.kind == trace::compared_event) {
        comparison_text(log, m, e, text, size);
        return;
    }
    if (e.kind == trace::pass_event) {
        pass_text(log, m, text, size);
        return;
    }
    // A write-back that follows no comparison takes what is left of a part.
    bool rest = e.kind == trace::moved_event && w.moved_rest != nullptr &&
                log->events[m->last - 1].kind != trace::compared_event;
    const char *words = rest                           ? w.moved_rest
                        : e.kind == trace::moved_event ? w.moved
                        : e.kind == trace::part_event  ? w.part
                        : e.i == e.j                   ? w.self
                                                       : w.exchanged;
    add_words(text, size, words, log, m, e);
    add(text, size, ".");
}

void variables_text(const Log *log, const Model *m, char *text, int size) {
    const trace::Description &d = trace::describe(log->algorithm);
    text[0] = '\0';
    for (int q = 0; q < trace::variable_count(d); q++) {
        char shown[32], part[64];
        variable_shown(log, m, q, 0, shown, sizeof shown);
        snprintf(part, sizeof part, "%s%s = %s", q > 0 ? "  " : "", d.variables[q].name, shown);
        add(text, size, part);
    }
}

} // namespace view
