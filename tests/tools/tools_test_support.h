// Helpers shared by the tool window tests and (through ui_test_support.h)
// the main window tests.
#pragma once

#include <windows.h>

#include <string>

// The text of a window.
inline std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied);
  return text;
}

inline std::wstring ItemText(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

// Whether each line of a control's text fits its client area in the
// control's font, so nothing shows clipped.
inline bool TextFits(HWND control) {
  std::wstring text = WindowText(control);
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(
      dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT needed = {0, 0, client.right, 0};
  DrawTextW(dc, text.c_str(), -1, &needed,
            DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL);
  SIZE widest = {};
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    SIZE line;
    GetTextExtentPoint32W(dc, text.c_str() + start,
                          static_cast<int>(end - start), &line);
    if (line.cx > widest.cx) widest = line;
    start = end + 1;
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return widest.cx <= client.right && needed.bottom <= client.bottom;
}

// Dispatches whatever waits in the thread's queue and removes a pending
// WM_QUIT (every closed main window posts one); returns whether there was
// one, with its wParam in `exitCode`.
inline bool TakeQuitMessage(int* exitCode = nullptr) {
  MSG message;
  bool found = false;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      found = true;
      if (exitCode != nullptr) *exitCode = static_cast<int>(message.wParam);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return found;
}

// The same where no quit is awaited (PumpMessagesKeepingQuit keeps it).
inline void PumpMessages() { TakeQuitMessage(); }

// The path of the test program, and its folder with a trailing backslash.
inline std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

inline std::wstring TestFolder() {
  std::wstring path = OwnPath();
  return path.substr(0, path.find_last_of(L'\\') + 1);
}
