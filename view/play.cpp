// The key loop. Every turn draws the view as it now is (only the cells that
// changed reach the terminal, in one write) and sleeps in console_key until
// a key, a resize or, while playing, the time of the next step. Steps are
// paced on deadlines from the moment play started, so drawing time never
// adds up into lateness: when a step is late, the steps due are taken at
// once and drawn as one frame.
#include "play.hpp"

#include "console.h"
#include "keys.h"
#include "read_number.hpp"
#include "view.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

namespace {

const int speeds[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
constexpr int speed_count = sizeof speeds / sizeof speeds[0];
constexpr int first_speed = 3; // 10 steps a second

long long now_ns() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

Log logs[algorithm_count];

void record_all(const float *a, int n) {
    for (int k = 0; k < algorithm_count; k++)
        record((Algorithm)k, a, n, &logs[k]);
}

// The same values in another order, for numbers that were typed or given.
void shuffle(float *a, int n, unsigned *seed) {
    for (int i = n - 1; i > 0; i--) {
        *seed = *seed * 1664525u + 1013904223u;
        int j = (int)((*seed >> 8) % (unsigned)(i + 1));
        float t = a[i];
        a[i] = a[j];
        a[j] = t;
    }
}

bool colours_wanted() {
    const char *no_colour = getenv("NO_COLOR");
    return no_colour == nullptr || no_colour[0] == '\0';
}

// The Linux console's fonts and the old terminals have no eighth blocks.
bool eighths_shown() {
    const char *term = getenv("TERM");
    return term == nullptr || (strncmp(term, "linux", 5) != 0 && strncmp(term, "vt", 2) != 0);
}

// Where play stands: the time it (re)started and the steps taken since.
struct Clock {
    long long start;
    int taken;
};

void restart(Clock *c) { *c = {now_ns(), 0}; }

long long step_ns(const View *v) { return 1000000000LL / v->speed; }

} // namespace

int play(float *a, int n, Options *o) {
    record_all(a, n);
    int speed = first_speed;
    View v = {logs,
              (Algorithm)o->algorithm,
              false,
              {true, true, true, true},
              0,
              0,
              false,
              speeds[speed],
              false,
              false,
              colours_wanted(),
              eighths_shown()};
    Screen screen;
    Grid grid;
    Clock clock;
    restart(&clock);
    int noted_cols = 0, noted_rows = 0; // the window the size note was written for
    // The screen found is left as it was: the view has one of its own.
    console_alternate(1);
    console_cursor(0);
    for (;;) {
        v.speed = speeds[speed];
        int cols, rows, need_cols, need_rows;
        console_window(&cols, &rows);
        clear_grid(&grid, cols, rows);
        if (draw(&v, &grid, &need_cols, &need_rows)) {
            show(&grid, &screen);
            noted_cols = noted_rows = 0;
        } else if (cols != noted_cols || rows != noted_rows) {
            normvideo();
            clrscr();
            gotoxy(1, 1);
            console_size_note(need_cols, need_rows);
            console_flush();
            screen.whole = true;
            noted_cols = cols;
            noted_rows = rows;
        }

        int timeout = -1;
        if (v.playing) {
            long long due = clock.start + (long long)(clock.taken + 1) * step_ns(&v);
            long long wait = due - now_ns();
            timeout = wait <= 0 ? 0 : (int)((wait + 999999) / 1000000);
        }
        int key = console_key(timeout);
        int last = last_step(&v);
        switch (key) {
        case CK_NONE:
            break;
        case EOF:
        case key_ctrl_d: // the end of the input, as at an answer
            normvideo();
            console_alternate(0);
            console_cursor(1);
            end_of_input();
        case 'q':
        case key_esc:
            normvideo();
            console_alternate(0);
            console_cursor(1);
            console_flush();
            return 0;
        case CK_RESIZE:
        case key_ctrl_l:
            screen.whole = true;
            noted_cols = noted_rows = 0;
            break;
        case ' ':
            v.playing = !v.playing;
            if (v.playing && step(&v) >= last)
                go_to(&v, 0);
            restart(&clock);
            break;
        case CK_RIGHT:
        case 'n':
            go_to(&v, step(&v) + 1);
            restart(&clock);
            break;
        case CK_LEFT:
        case 'p':
            go_to(&v, step(&v) - 1);
            restart(&clock);
            break;
        case CK_PGDN:
            go_to(&v, pass_forward(&v));
            restart(&clock);
            break;
        case CK_PGUP:
            go_to(&v, pass_back(&v));
            restart(&clock);
            break;
        case CK_HOME:
            go_to(&v, 0);
            restart(&clock);
            break;
        case CK_END:
            go_to(&v, last);
            restart(&clock);
            break;
        case '+':
        case '=':
            speed = speed + 1 < speed_count ? speed + 1 : speed;
            restart(&clock);
            break;
        case '-':
            speed = speed > 0 ? speed - 1 : 0;
            restart(&clock);
            break;
        case '1':
        case '2':
        case '3':
        case '4':
            if (v.race) {
                bool others = false;
                for (int k = 0; k < algorithm_count; k++)
                    others = others || (v.racing[k] && k != key - '1');
                if (others || !v.racing[key - '1'])
                    v.racing[key - '1'] = !v.racing[key - '1'];
                go_to(&v, v.tick);
            } else {
                v.algorithm = (Algorithm)(key - '1');
                go_to(&v, 0);
            }
            restart(&clock);
            break;
        case 'a':
            v.race = !v.race;
            go_to(&v, 0);
            restart(&clock);
            break;
        case 'c':
            v.code = !v.code;
            break;
        case '?':
            v.help = !v.help;
            break;
        case 'r':
            if (o->source == typed_numbers || o->source == given_numbers) {
                shuffle(a, n, &o->seed);
            } else {
                o->seed = next_seed(o->seed);
                generate(o->source, n, o->seed, a);
            }
            record_all(a, n);
            v.pos = v.tick = 0;
            restart(&clock);
            break;
        default:
            break;
        }
        // While playing, the steps that are due.
        if (v.playing) {
            long long elapsed = now_ns() - clock.start;
            int due = (int)(elapsed / step_ns(&v));
            if (due > clock.taken) {
                go_to(&v, step(&v) + (due - clock.taken));
                clock.taken = due;
            }
            if (step(&v) >= last_step(&v))
                v.playing = false;
        }
    }
}
