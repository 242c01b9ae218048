// The application frame: the main window class and procedure, the start-up
// sequence, the message loop and shutdown.
#pragma once

#include <windows.h>

#include "ui/recalc_request.h"
#include "ui/status_bar.h"

constexpr wchar_t MainWindowClassName[] = L"Tessavar";

// Registers the "Tessavar" window class of the main window.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window from its dialog template; the window initialises
// itself completely during this call. Null when creation fails.
HWND CreateMainWindow(HINSTANCE instance);

// The program's one message loop, shared by the main window and the hidden
// power window. Returns the exit code carried by the quit message.
int RunMessageLoop(HWND mainWindow);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam);
