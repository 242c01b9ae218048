// Help lines: the status bar's part 0 describes the control under the mouse
// pointer. Every direct child of the main window is subclassed for it.
#pragma once

#include <windows.h>

// EnumChildWindows callback; `mainWindow` is the main window. Subclasses the
// main window's direct children only; always returns TRUE.
BOOL CALLBACK SubclassHelpControl(HWND child, LPARAM mainWindow);

// Window procedure installed on every direct child of the main window.
LRESULT CALLBACK ControlHelpProc(HWND control, UINT message, WPARAM wParam,
                                 LPARAM lParam);
