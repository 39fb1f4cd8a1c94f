// The size of the terminal's window, read again after every resize.
#pragma once

void window_size(int *cols, int *rows);
