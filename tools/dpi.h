// Display scale: the DPI a window is shown at, sizes given at 96 DPI (100 %)
// turned into pixels at another DPI, icons and fonts for a DPI, and the
// re-layout of a window's controls when it moves to a monitor of another
// scale.
#pragma once

#include <windows.h>

// The scale at which the program's pixel sizes are given (100 %).
constexpr UINT DefaultDpi = 96;

// The DPI of the system (of the primary monitor at start).
UINT SystemDpi();

// The DPI of `window`: GetDpiForWindow where the system has it (Windows 10
// 1607 and later, looked up at run time), the system DPI otherwise.
UINT WindowDpi(HWND window);

// A length in pixels at 96 DPI, at `dpi`.
int ScaleToDpi(int pixelsAt96, UINT dpi);

// A system metric (SM_*) at `dpi`: GetSystemMetricsForDpi where the system
// has it, otherwise the metric at the system DPI scaled to `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

// Icon group `id` of `instance` at the size of a big (SM_CXICON) or small
// (SM_CXSMICON) icon at `dpi`; a larger image is scaled down where the group
// has none of that size. The caller destroys it with DestroyIcon.
HICON LoadIconForDpi(HINSTANCE instance, int id, bool smallIcon, UINT dpi);

// The font of status bars at `dpi`. The caller deletes it with DeleteObject.
HFONT CreateStatusFontForDpi(UINT dpi);

// Records the layout of the child controls of `window` (positions, sizes,
// their shared font) and its client size as laid out at `dpi`. Status bars
// are left out: they dock themselves when the window is resized. One window
// at a time is followed; recording another forgets the previous one.
void RecordChildLayout(HWND window, UINT dpi);

// Lays out the recorded child controls of `window` for `dpi`: positions,
// sizes and font scaled from the recorded layout, so that going back to its
// DPI restores it exactly. Returns the client size the controls need (the
// current client size when nothing is recorded for the window).
SIZE RescaleChildControls(HWND window, UINT dpi);

// Drops the recorded layout of `window` and the font made for it; called
// when the window is destroyed.
void ForgetChildLayout(HWND window);
