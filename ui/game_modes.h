// The window's record of the chosen generation mode, and the one mapping
// between the menu's mode and order commands and the core's generations and
// species orders. Nothing else turns a command id into a generation.
#pragma once

#include <windows.h>

#include <cstdint>

#include "data/game_definitions.h"
#include "data/species_order.h"
#include "engine/engine.h"

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

// ---- The window-side calls to the engine
// ------------------------------------- For the generation of the chosen mode:
// they build a query and call AnswerIvQuery. Failures leave every output
// untouched.

// A named nature (null counts as no nature: CalcUnknownNature).
int32_t CalcIndividualValues(const char16_t* speciesName,
                             const char16_t* natureName,
                             const StatusEntry* entries, int32_t entryCount,
                             IvResult* result, const char16_t* characteristic,
                             const char16_t* hiddenPowerType,
                             int32_t overallVerdict, int32_t markHp,
                             int32_t markAttack, int32_t markDefense,
                             int32_t markSpAtk, int32_t markSpDef,
                             int32_t markSpeed, int32_t bestStatVerdict);

// The nature not known; `natureSet` may be null.
int32_t CalcIndividualValuesAnyNature(
    const char16_t* speciesName, const StatusEntry* entries, int32_t entryCount,
    IvResult* result, uint32_t* natureSet, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict);

// A null `natureName` means any nature; `natureSet` and `hints` may be null.
int32_t CalcIndividualValuesWithHints(
    const char16_t* speciesName, const char16_t* natureName,
    const StatusEntry* entries, int32_t entryCount, IvResult* result,
    uint32_t* natureSet, LevelHint* hints, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict);
