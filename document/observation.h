// The observations of the status list: the rows the player added, in list
// order. The list view shows them; the recalculation and the files read them.
// Portable: no Win32 here, so the file format can be tested and fuzzed
// natively.
#pragma once

#include "engine/engine.h"

// One observation as the player entered it, every number inside its field's
// range (level 1..100, stats 0..999, effort values 0..255).
struct Observation {
  int level;
  int stats[StatCount];
  int efforts[StatCount];
  bool effortUnknown;  // the six effort values were not known
  // Bit (1 << stat) for each stat read after hyper training (generations 7
  // to 9 only; 0 elsewhere).
  int trained;
};

// The most rows the status list holds.
constexpr int ObservationLimit = 1000;

// Ranges of the numeric fields and of an observation's numbers. The level
// field's lowest value depends on the mode (2 in generation 3, else 1).
constexpr int LevelMinimum = 1;
constexpr int LevelMaximum = 100;
constexpr int StatMaximum = 999;
constexpr int EffortMaximum = 255;
// Highest total of the six effort values a monster can hold.
constexpr int EffortTotalLimit = 510;

int ObservationCount();
const Observation& ObservationAt(int index);

// Appends a row; false when the list already holds ObservationLimit rows.
bool AppendObservation(const Observation& row);
void RemoveObservation(int index);
void ClearObservations();

// Replaces all rows with `count` rows (at most ObservationLimit).
void ReplaceObservations(const Observation* rows, int count);

// Whether every number of `row` lies in its range.
bool IsObservationInRange(const Observation& row);

// The engine's form of an observation.
StatusEntry ToStatusEntry(const Observation& row);

// The text of status list column `column` (1 the level, 2..7 the stats,
// 8..13 the effort values, "?" while unknown) in `text` of `capacity` units.
void ObservationCellText(const Observation& row, int column, char16_t* text,
                         int capacity);
