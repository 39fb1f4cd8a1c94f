#include "pen.hpp"

#include <vterm.h>

namespace hardening {

namespace {

void drop_reply(const char *, size_t, void *) {}

} // namespace

bool pen_is_plain(const std::string &output, int cols, int rows) {
    VTerm *vt = vterm_new(rows, cols);
    vterm_set_utf8(vt, 1);
    vterm_output_set_callback(vt, drop_reply, nullptr);
    VTermState *state = vterm_obtain_state(vt);
    vterm_state_reset(state, 1);
    vterm_input_write(vt, output.data(), output.size());
    VTermValue fg, bg, bold, reverse;
    vterm_state_get_penattr(state, VTERM_ATTR_FOREGROUND, &fg);
    vterm_state_get_penattr(state, VTERM_ATTR_BACKGROUND, &bg);
    vterm_state_get_penattr(state, VTERM_ATTR_BOLD, &bold);
    vterm_state_get_penattr(state, VTERM_ATTR_REVERSE, &reverse);
    bool plain = VTERM_COLOR_IS_DEFAULT_FG(&fg.color) && VTERM_COLOR_IS_DEFAULT_BG(&bg.color) &&
                 !bold.boolean && !reverse.boolean;
    vterm_free(vt);
    return plain;
}

} // namespace hardening
