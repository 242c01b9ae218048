// The subclass of the main window's direct children. It does three jobs,
// each in a function of its own: the help line (part 0 of the status bar
// describes the control under the mouse pointer), the shown-text cache (a
// WM_SETTEXT from anyone but the recalculation makes a result field's text
// unknown) and the numeric fields' click (a click selects the whole field
// and places no caret).
#pragma once

#include <windows.h>

// EnumChildWindows callback; `mainWindow` is the main window. Subclasses the
// main window's direct children only; always returns TRUE.
BOOL CALLBACK SubclassMainWindowChild(HWND child, LPARAM mainWindow);

// Window procedure installed on every direct child of the main window; it
// puts the child's own procedure back when the child is destroyed.
LRESULT CALLBACK MainWindowChildProc(HWND control, UINT message, WPARAM wParam,
                                     LPARAM lParam);
