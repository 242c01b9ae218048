// The main window's status bar: part 0 the help line, part 1 the mode name,
// part 2 the sort order name.
#pragma once

#include <windows.h>

constexpr int StatusPartHelp = 0;
constexpr int StatusPartMode = 1;
constexpr int StatusPartOrder = 2;

// The status bar of the main window (control id 1), null while none exists.
extern HWND StatusBar;

// Creates the status bar, grows the window by the bar's and the menu bar's
// heights (the template's size covers neither) and sets the three parts,
// all for the window's DPI.
void CreateStatusBar(HWND window);

// After a DPI change: gives the bar a font for `dpi`, moves the window to
// `suggested` and sizes it to hold `content` (the client size its controls
// need) with the bar below, and sets the parts for the new width.
void FitStatusBarToDpi(HWND window, UINT dpi, const RECT& suggested,
                       SIZE content);

// Deletes the font made for the bar; called once the bar is destroyed.
void ReleaseStatusBarFont();

// Writes a text into one of the three parts.
void SetStatusText(int part, const wchar_t* text);
