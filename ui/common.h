// Small helpers shared by the main window's modules.
#pragma once

#include <windows.h>

constexpr int ModulePathCapacity = 270;

// Full path of the running program file, read by the about box.
extern wchar_t ModulePath[ModulePathCapacity];

// Stores the running file's path in ModulePath (cut short, but terminated,
// when it does not fit).
void StoreModulePath();

// Title of every message box of the program.
constexpr wchar_t AppTitle[] = L"Tessavar";

// A message box with the program's title, an OK button and `icon`
// (MB_ICONWARNING for rejected input, MB_ICONERROR for failures).
void ShowMessage(HWND owner, const wchar_t* text, UINT icon);

// The module that created `window` (the program, or a test program).
inline HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// Reads a window's text into `buffer` (capacity in characters, terminator
// included); the buffer is always terminated, empty on failure.
void ReadWindowText(HWND window, wchar_t* buffer, int capacity);
