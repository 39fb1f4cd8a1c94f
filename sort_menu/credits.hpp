// The opening credits of sort_menu.
#pragma once

// Grows a red frame around the 79 x 44 area, one cell pair per pause, shows
// the authors on black and waits for a key. The window is not cleared first.
void credits();
