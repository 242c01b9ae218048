// The window's record of the chosen generation mode, and the one mapping
// between the menu's mode and order commands and the core's generations and
// species orders. Nothing else turns a command id into a generation.
#pragma once

#include <windows.h>

#include <cstdint>

#include "data/game_definitions.h"
#include "data/species_order.h"

// The menu command of the chosen generation mode (IDM_MODE_GEN3..GEN9).
extern uint32_t GameMode;

// The generation a mode command selects; null for any other value.
const GameDefinition* GameOfModeCommand(uint32_t command);

// The mode command of a generation; 0 when the menu has none.
uint32_t ModeCommandOf(int generation);

// The generation of GameMode (null if GameMode is no mode command).
const GameDefinition* ChosenGame();

// Whether a command is one of the sort order commands, and which order it
// selects (SpeciesOrderCount for any other command).
bool IsSortCommand(uint32_t command);
SpeciesOrder OrderOfSortCommand(uint32_t command);

// The sort command of an order; 0 for a value that is no order.
uint32_t SortCommandOf(int order);

// Puts the radio mark of a submenu whose items are one radio group (the mode
// and the order submenus) on `command`'s item and takes it off the others.
// The group goes by position: its commands need not be consecutive ids.
void MarkRadioCommand(HMENU submenu, uint32_t command);
