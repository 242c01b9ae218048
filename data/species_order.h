// The twelve orders of the species list: which records each lists and how it
// sorts SpeciesTable.
#pragma once

#include <cstdint>

#include "gamedata.h"

// Sort orders: the menu commands that select them.
constexpr uint32_t OrderKana = 32805;
constexpr uint32_t OrderNational = 32806;
constexpr uint32_t OrderRsHoenn = 32807;
constexpr uint32_t OrderDpSinnoh = 32808;
constexpr uint32_t OrderPtSinnoh = 32809;
constexpr uint32_t OrderHgssJohto = 32810;
constexpr uint32_t OrderBwUnova = 32811;
constexpr uint32_t OrderB2w2Unova = 32812;
constexpr uint32_t OrderXyCentralKalos = 32813;
constexpr uint32_t OrderXyCoastalKalos = 32814;
constexpr uint32_t OrderXyMountainKalos = 32815;
constexpr uint32_t OrderOrasHoenn = 32816;
constexpr uint32_t FirstSortOrder = OrderKana;
constexpr uint32_t LastSortOrder = OrderOrasHoenn;

// The menu command of the selected species list order (32805..32816).
extern uint32_t SortOrder;

// Whether a record belongs to an order's list (applied on top of
// IsListedInMode).
bool IsListedInOrder(const SpeciesRecord& record, uint32_t sortOrder);

// Code-unit order of the names; negative, zero or positive.
int CompareByName(const SpeciesRecord& a, const SpeciesRecord& b);

// Order by a signed number field, then by serialNo.
int CompareByNumber(int16_t keyA, int16_t keyB, const SpeciesRecord& a,
                    const SpeciesRecord& b);

// Sorts all of SpeciesTable in place by the order. The national order uses
// nationalNo6 in generation mode 6 and nationalNo otherwise. Does not change
// SortOrder.
void SortSpeciesTable(uint32_t sortOrder, uint32_t gameMode);
