// The input form: set-up of its lists and ranges, the field discipline
// (select on entry, clamp and name check on exit) and the routing of its
// controls' notifications.
#pragma once

#include <windows.h>

#include "data/game_definitions.h"

// First stretch of the form's set-up: the four clue lists.
void InitInputFormLists(HWND window);

// Rest of the form's set-up, after the status bar exists: text limits,
// up-down ranges, status list columns, nature list, best-stat boxes.
void InitInputFormControls(HWND window);

// Adapts the form to a game's clues: the best-stat judge or the per-stat
// judge, the trained marks where the game has hyper training, and the hidden
// power clue and results greyed where the game has no hidden power. A clue a
// game does not know is cleared on the way in, so no mode change carries it.
void ShowCluesOfGame(HWND window, const GameDefinition& game);

// Sets the status list's column widths for `dpi` (after a DPI change).
void SetStatusColumnWidths(HWND window, UINT dpi);

// WM_COMMAND from the form's controls; false for ids and codes it does not
// handle, which then get default processing.
bool HandleFormCommand(HWND window, int id, int code);

// Whether a name field (species 1044, nature 1045) holds an item of its own
// list or nothing; otherwise leaving it warns and brings the focus back.
bool IsNameFieldListed(HWND field);

// WM_NOTIFY from the status list (1060).
LRESULT HandleStatusListNotify(HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);
