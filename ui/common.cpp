#include "ui/common.h"

#include <shlwapi.h>

#include <climits>

void ShowMessage(HWND owner, const wchar_t* text, UINT icon) {
  MessageBoxW(owner, text, AppTitle, MB_OK | icon);
}

int ParseNumber(const wchar_t* text) {
  if (text == nullptr) return 0;
  // StrToIntW wraps around on long digit strings; find those first.
  const wchar_t* p = text;
  while (*p == L' ' || *p == L'\t' || *p == L'\r' || *p == L'\n') ++p;
  bool negative = false;
  if (*p == L'-' || *p == L'+') {
    negative = *p == L'-';
    ++p;
  }
  while (*p == L'0') ++p;
  int digits = 0;
  while (p[digits] >= L'0' && p[digits] <= L'9') ++digits;
  if (digits > 9) return negative ? INT_MIN : INT_MAX;
  return StrToIntW(text);
}

int ReadWindowNumber(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return 0;
  HANDLE heap = GetProcessHeap();
  auto* text = static_cast<wchar_t*>(
      HeapAlloc(heap, HEAP_ZERO_MEMORY, (length + 1) * sizeof(wchar_t)));
  if (text == nullptr) return 0;
  GetWindowTextW(window, text, length + 1);
  int value = ParseNumber(text);
  HeapFree(heap, 0, text);
  return value;
}

void ReadWindowText(HWND window, wchar_t* buffer, int capacity) {
  if (capacity <= 0) return;
  buffer[0] = L'\0';
  if (window == nullptr) return;
  GetWindowTextW(window, buffer, capacity);
  buffer[capacity - 1] = L'\0';
}
