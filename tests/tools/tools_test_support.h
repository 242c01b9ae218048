// Helpers shared by the tool window tests.
#pragma once

#include <windows.h>

#include <string>

// The text of a window.
inline std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(length);
  return text;
}

inline std::wstring ItemText(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

// Dispatches whatever is waiting in the thread's queue.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The folder of the test program, with a trailing backslash.
inline std::wstring TestFolder() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

inline std::string NarrowTestFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}
