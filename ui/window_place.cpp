// Fitting a remembered window place onto the monitors of this run.
#include "ui/window_place.h"

namespace {

// The shift along one axis that brings [low, high) inside [first, last),
// preferring the low edge when the span is the longer one.
LONG ShiftInto(LONG low, LONG high, LONG first, LONG last) {
  LONG shift = 0;
  if (high > last) shift = last - high;
  if (low + shift < first) shift = first - low;
  return shift;
}

}  // namespace

RECT FitRectInto(const RECT& place, const RECT& work) {
  RECT fitted = place;
  OffsetRect(&fitted, ShiftInto(place.left, place.right, work.left, work.right),
             ShiftInto(place.top, place.bottom, work.top, work.bottom));
  return fitted;
}

void MoveWindowToRememberedPlace(HWND window, LONG left, LONG top) {
  RECT place{};
  if (!GetWindowRect(window, &place)) return;
  OffsetRect(&place, left - place.left, top - place.top);
  // The monitor with the largest share of the window; none when the place
  // lies off every monitor (another monitor's place, kept after it went).
  HMONITOR monitor = MonitorFromRect(&place, MONITOR_DEFAULTTONULL);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return;
  place = FitRectInto(place, info.rcWork);
  SetWindowPos(window, nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
