// Answers typed at the cursor, for the program's standard input stream.
#pragma once

// Whether answers can be edited on the screen: escape sequences are written
// and the cursor can be moved back, the rest of its row blanked.
bool answers_editable();
// Set up when the layer claims the terminal: the program's standard input
// stream reads its answers through answer.cpp.
void answers_from_terminal();
// Drops what was typed ahead and read, not yet given to the program.
void answers_drop();
