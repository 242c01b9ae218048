// The decimal reader of the numeric fields and their clamps; no state.
#include "tools/number_field.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <climits>

namespace {

// More significant digits than this may not fit a 32-bit int.
constexpr int SafeDigitCount = 9;

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

int ParseNumber(const wchar_t* text) {
  if (text == nullptr) return 0;
  // StrToIntW wraps long digit strings around; find those first, after the
  // same leading blanks and sign that it skips.
  const wchar_t* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == L'-' || *p == L'+') {
    negative = *p == L'-';
    ++p;
  }
  while (*p == L'0') ++p;
  int digits = 0;
  while (IsDigit(p[digits])) ++digits;
  if (digits > SafeDigitCount) return negative ? INT_MIN : INT_MAX;
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

int ReadClampedNumber(HWND field, int low, int high, bool* clamped) {
  int value = ReadWindowNumber(field);
  int kept = value > high ? high : value < low ? low : value;
  if (clamped != nullptr) *clamped = kept != value;
  return kept;
}

int ClampFieldToRange(HWND upDown) {
  if (upDown == nullptr) return 0;
  auto field = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
  int low = 0;
  int high = 0;
  SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  int value = ReadClampedNumber(field, low, high, nullptr);
  SendMessageW(upDown, UDM_SETPOS32, 0, static_cast<LPARAM>(value));
  return value;
}
