// The opening credits of sort_menu.
#pragma once

// The area the frame grows around, the window the credits need.
constexpr int frame_width = 79;
constexpr int frame_height = 44;

// Grows a red frame around the 79 x 44 area, one cell pair per pause, shows
// the authors on black and waits for a key. The window is not cleared first.
void credits();
