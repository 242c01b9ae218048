// The one bounded copy of UTF-16 texts: stops at the first zero unit, never
// writes past the destination and always terminates it.
#pragma once

// Copies unitAt(0), unitAt(1), ... into `dest` up to the first zero unit,
// at most `sourceUnits` units and at most capacity - 1, then terminates
// `dest` (capacity must be at least 1). `unitAt` is called only for the
// units copied and the one that stops the copy. Returns the length copied.
template <typename Unit, typename UnitAt>
int CopyUnitsBounded(Unit* dest, int capacity, int sourceUnits, UnitAt unitAt) {
  int length = 0;
  while (length < capacity - 1 && length < sourceUnits) {
    auto unit = unitAt(length);
    if (unit == 0) break;
    dest[length++] = static_cast<Unit>(unit);
  }
  dest[length] = 0;
  return length;
}
