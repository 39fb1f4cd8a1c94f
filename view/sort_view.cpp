// sort_view: the sorting algorithms at work on up to 100 numbers, one bar
// per value, step by step, forward and back, alone or racing each other.
// The numbers are typed as sort_trace asks for them, given as arguments, or
// generated. When standard input or output is not a terminal, or the
// terminal cannot place the cursor, it prints what sort_trace prints.
#include "console.h"
#include "flush_input.h"
#include "options.hpp"
#include "play.hpp"
#include "program_end.hpp"
#include "trace.hpp"

#include <unistd.h>

namespace {

// Keys come from a terminal, and the screen is one whose cursor can be
// placed (not dumb, not of an unknown type).
bool on_a_terminal() { return isatty(STDIN_FILENO) && console_positions(); }

} // namespace

int main(int argc, char **argv) {
    at_program_end();
    view::Options o;
    view::read_options(argc, argv, &o);
    float a[trace::capacity];
    int n = 0;
    if (o.source == view::typed_numbers) {
        n = trace::ask_values(a);
        flush_input(); // what was typed beyond the values is no key of the view
    } else if (o.source == view::given_numbers) {
        n = o.n;
        for (int i = 0; i < n; i++)
            a[i] = o.values[i];
    } else {
        n = o.count;
        view::generate(o.source, n, o.seed, a);
    }
    if (!on_a_terminal()) {
        trace::print_trace(a, n);
        return 0;
    }
    return view::play(a, n, &o);
}
