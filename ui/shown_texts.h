// What the recalculation last wrote into each result field, so that an
// unchanged result neither writes nor reads a field. A text that anything
// else puts into one of those fields makes that field's entry unknown again:
// the subclass of the main window's children (ui/help_lines.cpp), which sees
// every message they get, reports each WM_SETTEXT.
#pragma once

#include <windows.h>

// Whether field `id` shows `text` as the recalculation last wrote it.
bool ShownTextIs(int id, const wchar_t* text);

// Writes `text` into `field` (control `id`) and remembers it.
void SetShownText(HWND field, int id, const wchar_t* text);

// A WM_SETTEXT reached control `id`: unless it was SetShownText's own, the
// field's text is no longer known.
void ForgetShownText(int id);

// A new main window: no field's text is known.
void ForgetShownTexts();
