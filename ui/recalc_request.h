// The recalculation request that the form, the status list and the menu send
// to the main window after every change that affects the results.
#pragma once

#include <windows.h>

// Recompute and redisplay the results; always sent, never posted.
constexpr UINT WM_RECALC = WM_APP + 1;

// Sends WM_RECALC to the main window and returns once it is handled, so the
// results are up to date when the caller goes on.
inline void RequestRecalc(HWND window) {
  SendMessageW(window, WM_RECALC, 0, 0);
}
