// The key loop. Every turn draws the view as it now is (only the cells that
// changed reach the terminal, in one write), sleeps in console_key until a
// key, a resize or, while playing, the time of the next step, and acts on
// the key. Steps are paced on deadlines from the moment play started, so
// drawing time never adds up into lateness: when a step is late, the steps
// due are taken at once and drawn as one frame.
#include "play.hpp"

#include "console.h"
#include "keys.h"
#include "read_number.hpp"
#include "trace.hpp"
#include "view.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <algorithm>

namespace view {

namespace {

const int speeds[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
constexpr int speed_count = sizeof speeds / sizeof speeds[0];
constexpr int first_speed = 1; // 2 steps a second: time to read each step

long long now_ns() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

trace::Log logs[trace::algorithm_count];

void record_all(const float *a, int n) {
    for (int k = 0; k < trace::algorithm_count; k++)
        trace::record((trace::Algorithm)k, a, n, &logs[k]);
}

// The Linux console's fonts and the old terminals have no eighth blocks.
bool eighths_shown() {
    const char *term = getenv("TERM");
    return term == nullptr || (strncmp(term, "linux", 5) != 0 && strncmp(term, "vt", 2) != 0);
}

// All that play keeps: the view, the numbers and where they come from, the
// screen and the grid drawn into it with what the drawing told, the window
// the size note was written for, and the clock of the steps: the time it
// (re)started and the steps taken since.
struct Player {
    View v;
    float *a;
    int n;
    Options *o;
    int speed; // of speeds
    Screen screen;
    Grid grid;
    Drawn drawn;
    bool noting = false; // the note is shown, not the view
    int noted_cols = 0, noted_rows = 0;
    long long clock_start = 0;
    int steps_taken = 0;
    bool over = false;
};

long long step_ns(const Player *p) { return 1000000000LL / p->v.speed; }

// The view as it now is, or the note that the window is too small (written
// once for each size of the window).
void draw_screen(Player *p) {
    int cols, rows;
    console_window(&cols, &rows);
    clear_grid(&p->grid, cols, rows);
    p->noting = !draw(&p->v, &p->grid, &p->drawn);
    if (!p->noting) {
        show_grid(&p->grid, &p->screen);
        p->noted_cols = p->noted_rows = 0;
    } else if (cols != p->noted_cols || rows != p->noted_rows) {
        normvideo();
        clrscr();
        gotoxy(1, 1);
        console_size_note(p->drawn.need_cols, p->drawn.need_rows);
        console_flush();
        p->screen.whole = true;
        p->noted_cols = cols;
        p->noted_rows = rows;
    }
}

// Whether the clock stands still: while a note or the help hides the view,
// no step is taken.
bool clock_held(const Player *p) { return p->noting || p->v.help; }

void restart_clock(Player *p) {
    p->clock_start = now_ns();
    p->steps_taken = 0;
}

// Milliseconds until the next step is due; -1 (no limit) while paused or
// held.
int time_to_next_step(const Player *p) {
    if (!p->v.playing || clock_held(p))
        return -1;
    long long due = p->clock_start + (long long)(p->steps_taken + 1) * step_ns(p);
    long long wait = due - now_ns();
    return wait <= 0 ? 0 : (int)((wait + 999999) / 1000000);
}

// While playing, the steps that are due; at the last step play stops. The
// time the clock is held is not played: it starts again from now.
void take_due_steps(Player *p) {
    if (!p->v.playing)
        return;
    if (clock_held(p)) {
        restart_clock(p);
        return;
    }
    int due = (int)((now_ns() - p->clock_start) / step_ns(p));
    if (due > p->steps_taken) {
        go_to(&p->v, current_step(&p->v) + (due - p->steps_taken));
        p->steps_taken = due;
    }
    if (current_step(&p->v) >= last_step(&p->v))
        p->v.playing = false;
}

// The screen the program found comes back, as the terminal had it.
void leave_screen() {
    normvideo();
    console_alternate(0);
    console_cursor(1);
}

// What the keys do.

void play_or_pause(Player *p, int) {
    p->v.playing = !p->v.playing;
    if (p->v.playing && current_step(&p->v) >= last_step(&p->v))
        go_to(&p->v, 0);
}

void step_forward(Player *p, int) { go_to(&p->v, current_step(&p->v) + 1); }
void step_back(Player *p, int) { go_to(&p->v, current_step(&p->v) - 1); }
void to_next_pass(Player *p, int) { go_to(&p->v, pass_forward(&p->v)); }
void to_pass_before(Player *p, int) { go_to(&p->v, pass_back(&p->v)); }
void to_start(Player *p, int) { go_to(&p->v, 0); }
void to_end(Player *p, int) { go_to(&p->v, last_step(&p->v)); }

void set_speed(Player *p, int speed) {
    p->speed = std::clamp(speed, 0, speed_count - 1);
    p->v.speed = speeds[p->speed];
}

void faster(Player *p, int) { set_speed(p, p->speed + 1); }
void slower(Player *p, int) { set_speed(p, p->speed - 1); }

// Alone, the algorithm of the key; in the race, that algorithm joins it or
// leaves it, unless it would leave it empty.
void choose_algorithm(Player *p, int key) {
    View &v = p->v;
    int chosen = key - '1';
    if (!v.race) {
        v.algorithm = (trace::Algorithm)chosen;
        go_to(&v, 0);
        return;
    }
    bool others = false;
    for (int k = 0; k < trace::algorithm_count; k++)
        others = others || (v.racing[k] && k != chosen);
    if (others || !v.racing[chosen])
        v.racing[chosen] = !v.racing[chosen];
    go_to(&v, v.tick);
}

void race_or_alone(Player *p, int) {
    p->v.race = !p->v.race;
    go_to(&p->v, 0);
}

void code_or_bars(Player *p, int) {
    p->v.code = !p->v.code;
    p->v.values = false;
}

void values_or_bars(Player *p, int) {
    p->v.values = !p->v.values;
    p->v.code = false;
}

void part_forward(Player *p, int) { move_part(&p->v, p->drawn, 1); }
void part_back(Player *p, int) { move_part(&p->v, p->drawn, -1); }
void show_help(Player *p, int) { p->v.help = true; }

void new_values(Player *p, int) {
    renew(p->o->source, p->a, p->n, &p->o->seed);
    record_all(p->a, p->n);
    p->v.pos = p->v.tick = 0;
    p->v.part = -1;
}

// The next frame is drawn whole.
void redraw(Player *p, int) {
    p->screen.whole = true;
    p->noted_cols = p->noted_rows = 0;
}

void quit(Player *p, int) {
    leave_screen();
    console_flush();
    p->over = true;
}

// As at an answer: the end of the input ends the program.
void end_input(Player *, int) {
    leave_screen();
    end_of_input();
}

struct Key_action {
    int key;
    void (*act)(Player *p, int key);
    bool restarts_clock; // steps are counted again from now
    int through = 0;     // the last key of a range of keys that act alike
};

const Key_action key_actions[] = {
    {' ', play_or_pause, true},
    {CK_RIGHT, step_forward, true},
    {'n', step_forward, true},
    {CK_LEFT, step_back, true},
    {'p', step_back, true},
    {CK_PGDN, to_next_pass, true},
    {CK_PGUP, to_pass_before, true},
    {CK_HOME, to_start, true},
    {CK_END, to_end, true},
    {'+', faster, true},
    {'=', faster, true},
    {'-', slower, true},
    {'1', choose_algorithm, true, '0' + trace::algorithm_count},
    {'a', race_or_alone, true},
    {'c', code_or_bars, false},
    {'v', values_or_bars, false},
    {'>', part_forward, false},
    {'.', part_forward, false},
    {'<', part_back, false},
    {',', part_back, false},
    {'?', show_help, false},
    {'r', new_values, true},
    {CK_RESIZE, redraw, true}, // also after a stop: the time stopped is not played
    {key_ctrl_l, redraw, false},
    {'q', quit, false},
    {key_esc, quit, false},
    {EOF, end_input, false},
    {key_ctrl_d, end_input, false},
};

// Any other key, and no key (CK_NONE), does nothing.
void act_on_key(Player *p, int key) {
    bool helping = p->v.help;
    if (!key_goes_on(&p->v, p->noting, key)) {
        if (helping) // the time the help was shown is not played
            restart_clock(p);
        return;
    }
    for (const Key_action &k : key_actions)
        if (key == k.key || (k.through != 0 && key >= k.key && key <= k.through)) {
            k.act(p, key);
            if (k.restarts_clock)
                restart_clock(p);
            return;
        }
}

void start_playing(Player *p, float *a, int n, Options *o) {
    record_all(a, n);
    p->v.logs = logs;
    p->v.algorithm = (trace::Algorithm)o->algorithm;
    p->v.race = o->race;
    std::copy_n(o->racing, trace::algorithm_count, p->v.racing);
    p->v.colour = trace::colours_wanted();
    p->v.eighths = eighths_shown();
    set_speed(p, first_speed);
    p->a = a;
    p->n = n;
    p->o = o;
    restart_clock(p);
}

} // namespace

bool key_goes_on(View *v, bool noting, int key) {
    if (key < 0) // no key: EOF, CK_NONE, CK_RESIZE
        return true;
    if (v->help) {
        v->help = false;
        return false;
    }
    return !noting || key == 'q' || key == key_esc || key == key_ctrl_l || key == key_ctrl_d;
}

int play(float *a, int n, Options *o) {
    Player p;
    start_playing(&p, a, n, o);
    // The screen found is left as it was: the view has one of its own.
    console_alternate(1);
    console_cursor(0);
    while (!p.over) {
        draw_screen(&p);
        act_on_key(&p, console_key(time_to_next_step(&p)));
        take_due_steps(&p);
    }
    return 0;
}

} // namespace view
