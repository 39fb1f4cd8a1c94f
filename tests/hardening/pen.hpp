// What a terminal that took all of a program's output would write new text
// in: its own colours, no attribute.
#pragma once

#include <string>

namespace hardening {

// True when libvterm, given all of output on a screen of cols x rows,
// writes new text in the terminal's default colours, not bold, not reversed.
bool pen_is_plain(const std::string &output, int cols, int rows);

} // namespace hardening
