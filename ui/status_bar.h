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
// heights (the template's size covers neither) and sets the three parts.
void CreateStatusBar(HWND window);

// Writes a text into one of the three parts.
void SetStatusText(int part, const wchar_t* text);
