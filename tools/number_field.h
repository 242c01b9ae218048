// Numbers in edit fields: the one decimal reader every numeric field of the
// program uses, and the clamp into a field's range.
#pragma once

#include <windows.h>

// Optional blanks and sign, then digits up to the first other character, as
// StrToIntW reads them; 0 for a text without a number. A number too large
// for 32 bits saturates instead of wrapping around the way StrToIntW does.
int ParseNumber(const wchar_t* text);

// ParseNumber of a window's whole text, whatever its length.
int ReadWindowNumber(HWND window);

// The number in `field` forced into low..high. `clamped` (may be null) tells
// whether the text's own number lay outside the range.
int ReadClampedNumber(HWND field, int low, int high, bool* clamped);

// Forces the buddy field of an up-down control into the control's range and
// writes the canonical number back; returns the value now shown.
int ClampFieldToRange(HWND upDown);
