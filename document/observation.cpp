// The rows of the status list, kept in memory in list order.
#include "document/observation.h"

#include <vector>

namespace {

std::vector<Observation> Rows;

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

// Decimal digits of a value in 0..999, at most capacity - 1 of them.
void WriteNumber(int value, char16_t* text, int capacity) {
  char16_t digits[12];
  int count = 0;
  unsigned rest = value < 0 ? 0u : static_cast<unsigned>(value);
  do {
    digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
    rest /= 10;
  } while (rest != 0 && count < 12);
  int length = 0;
  while (count > 0 && length < capacity - 1) text[length++] = digits[--count];
  text[length] = 0;
}

}  // namespace

int ObservationCount() { return static_cast<int>(Rows.size()); }

const Observation& ObservationAt(int index) { return Rows[index]; }

bool AppendObservation(const Observation& row) {
  if (ObservationCount() >= ObservationLimit) return false;
  Rows.push_back(row);
  return true;
}

void RemoveObservation(int index) {
  if (index < 0 || index >= ObservationCount()) return;
  Rows.erase(Rows.begin() + index);
}

void ClearObservations() { Rows.clear(); }

void ReplaceObservations(const Observation* rows, int count) {
  if (count > ObservationLimit) count = ObservationLimit;
  Rows.assign(rows, rows + (count > 0 ? count : 0));
}

bool IsObservationInRange(const Observation& row) {
  if (!InRange(row.level, LevelMinimum, LevelMaximum)) return false;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (!InRange(row.stats[stat], 0, StatMaximum)) return false;
    if (!InRange(row.efforts[stat], 0, EffortMaximum)) return false;
  }
  return true;
}

StatusEntry ToStatusEntry(const Observation& row) {
  StatusEntry entry{};
  entry.level = static_cast<uint8_t>(row.level);
  for (int stat = 0; stat < StatCount; ++stat) {
    entry.stats[stat] = static_cast<uint16_t>(row.stats[stat]);
    entry.effortValues[stat] =
        row.effortUnknown ? 0 : static_cast<uint16_t>(row.efforts[stat]);
  }
  entry.effortUnknown = row.effortUnknown ? 1 : 0;
  entry.trained = static_cast<uint8_t>(row.trained & ((1 << StatCount) - 1));
  return entry;
}

void ObservationCellText(const Observation& row, int column, char16_t* text,
                         int capacity) {
  if (capacity <= 0) return;
  text[0] = 0;
  if (column == 1) {
    WriteNumber(row.level, text, capacity);
  } else if (column >= 2 && column < 2 + StatCount) {
    WriteNumber(row.stats[column - 2], text, capacity);
  } else if (column >= 2 + StatCount && column < 2 + 2 * StatCount) {
    if (row.effortUnknown) {
      if (capacity > 1) text[0] = u'?', text[1] = 0;
    } else {
      WriteNumber(row.efforts[column - 2 - StatCount], text, capacity);
    }
  }
}
