// The species box's list and the chosen sort order: re-sorts the species
// table and refills the list with the species of a generation in an order.
#pragma once

#include <windows.h>

#include <cstdint>

#include "data/game_definitions.h"
#include "data/species_order.h"

// The menu command of the chosen sort order (one of the IDM_SORT_ commands).
extern uint32_t SortOrder;

// Refills the list of `speciesBox` with the species `game` lists in `order`,
// keeping the box's edit text. Changes neither SortOrder nor the menu.
void FillSpeciesList(HWND speciesBox, const GameDefinition& game,
                     SpeciesOrder order);

// Chooses a sort order: refills the list of `speciesBox` (the species field
// of `window`) in the generation of GameMode, moves the sort submenu's radio
// mark and stores `sortOrder` (a sort command) as SortOrder.
void RefillSpeciesList(HWND window, HWND speciesBox, uint32_t sortOrder);

// Greys the sort commands that `game` does not offer and enables the others.
// When the chosen order is among the greyed ones, the national order becomes
// the chosen one (SortOrder and the mark, the list is not refilled) and the
// result is true.
bool OfferOrdersOfGame(HWND window, const GameDefinition& game);
