// The species box's list: re-sorts the species table and refills the list
// with the species of the current generation mode in the given order.
#pragma once

#include <windows.h>

#include <cstdint>

// Refills the list of `speciesBox` (the species field of `window`), keeping
// the box's edit text; moves the sort submenu's radio mark and stores
// `sortOrder` as the current SortOrder.
void RefillSpeciesList(HWND window, HWND speciesBox, uint32_t sortOrder);
