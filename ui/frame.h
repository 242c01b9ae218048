// The application frame: the main window class and procedure, the message
// loop, the status bar and the globals shared with the tool windows.
#pragma once

#include <windows.h>

// Recompute and redisplay the results; always sent, never posted.
constexpr UINT WM_RECALC = WM_APP + 1;

constexpr wchar_t MainWindowClassName[] = L"Tessavar";
constexpr int ModulePathCapacity = 270;

// Status bar parts.
constexpr int StatusPartHelp = 0;
constexpr int StatusPartMode = 1;
constexpr int StatusPartOrder = 2;

// The status bar of the main window (control id 1).
extern HWND StatusBar;
// Right edges of the three status parts, fixed at start-up.
extern int StatusPartEdges[3];
// Full path of the running program file, read by the about box.
extern wchar_t ModulePath[ModulePathCapacity];
// The open hidden power calculator window, or null. The message loop offers
// it every message; the calculator clears it when it closes.
extern HWND HiddenPowerWindow;

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

// Writes a text into one of the three status bar parts.
void SetStatusText(int part, const wchar_t* text);

// Sends WM_RECALC to the main window and returns once it is handled.
void RequestRecalc(HWND window);
