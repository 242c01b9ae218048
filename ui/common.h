// Small helpers shared by the main window's modules.
#pragma once

#include <windows.h>

// Title of every message box of the program.
constexpr wchar_t AppTitle[] = L"Tessavar";

// A message box with the program's title, an OK button and `icon`
// (MB_ICONWARNING for rejected input, MB_ICONERROR for failures).
void ShowMessage(HWND owner, const wchar_t* text, UINT icon);

// The decimal conversion of the fields: optional sign and digits up to the
// first other character, 0 for a text without a number (StrToIntW). A number
// too large for 32 bits saturates instead of wrapping around.
int ParseNumber(const wchar_t* text);

// ParseNumber of a window's whole text, whatever its length.
int ReadWindowNumber(HWND window);

// Reads a window's text into `buffer` (capacity in characters, terminator
// included); the buffer is always terminated, empty on failure.
void ReadWindowText(HWND window, wchar_t* buffer, int capacity);
