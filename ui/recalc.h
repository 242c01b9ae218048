// Recalculation: reads the form and every status list row, asks the engine
// and shows the candidate ranges, nature marks and hidden power.
#pragma once

#include <windows.h>

#include "engine/engine.h"

// The handler's result when GameMode is not one of the four modes.
constexpr int32_t ModeInvalidResult = -99;

// WM_RECALC: rebuilds every result field from nothing.
void RecalculateResults(HWND window);

// " 5" for a single candidate, " 4～ 9" for several (lowest and highest).
void ShowIvRange(const StatResult& stat, HWND field);

// "↓" when the nature lowers the stat, "↑" when it raises it, else nothing.
void ShowNatureMark(int32_t natureDir, HWND field);
