// Where the main window goes back to at start-up: a remembered place is kept
// only where the whole window fits the work area of a monitor it overlaps,
// so that no run starts with the caption out of reach.
#pragma once

#include <windows.h>

// `place` moved the least distance that puts it wholly inside `work`. A
// rectangle larger than `work` lines up with its left and top edges, which
// keeps the caption and the menu reachable.
RECT FitRectInto(const RECT& place, const RECT& work);

// Moves `window` (its size unchanged) to its remembered top-left corner
// `left`, `top`, fitted into the work area of the monitor that shares the
// most of it there, as SetWindowPlacement does. Off every monitor the window
// stays where it is (centred by its template).
void MoveWindowToRememberedPlace(HWND window, LONG left, LONG top);
