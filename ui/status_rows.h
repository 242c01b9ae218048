// The status list's rows: adding the numeric fields as a new observation,
// copying a row back into the fields, deleting the selected rows, and the
// Edit and Delete buttons that follow the selection.
#pragma once

#include <windows.h>

// Checks or clears the "努力値不明" box; while it is checked the six effort
// fields are disabled and Add ignores them.
void SetEffortUnknown(HWND window, bool unknown);

void AddStatusRow(HWND window);
void EditStatusRow(HWND window);
void DeleteStatusRows(HWND window);

// Rebuilds the status list from the observations (after they were replaced
// as a whole) and sets the row buttons; selects nothing.
void ShowObservations(HWND window);
void UpdateRowButtons(HWND window);
