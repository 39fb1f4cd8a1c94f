// The console layer's owner of the terminal, for the layer and for the
// libraries that draw through it.
#include "terminal.h"

#include "state.h"
#include "terminal_owner.hpp"

bool terminal_claim() {
    bool capable = owner::claim();
    if (con.keep_quiet && !owner::quiet_on)
        owner::quiet(true);
    return capable;
}
void terminal_keep_quiet() {
    con.keep_quiet = true;
    owner::quiet(true);
}
void terminal_mark_pastes() { owner::mark_pastes(); }
void terminal_arrived(const unsigned char *bytes, int count) { paste_marks::follow(bytes, count); }
void terminal_key_mode(bool on) { owner::quiet(on); }
bool terminal_quiet() { return owner::quiet_on; }
void terminal_before_input() { owner::before_input(); }
void terminal_restore() { owner::restore(); }
bool terminal_colours_lost() { return owner::colours_lost(); }
void terminal_coloured(bool coloured) { owner::coloured = coloured; }
void terminal_cursor_hidden(bool hidden) { owner::cursor_hidden = hidden; }
void terminal_alternate(bool on) { owner::alternate = on; }
bool terminal_on_alternate() { return owner::alternate; }
int terminal_resizes() { return owner::resizes; }
int terminal_continues() { return owner::continues; }
void terminal_notice_foreground() { owner::notice_foreground(); }
