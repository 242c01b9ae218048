// The twelve orders of the species list: which records each lists and how it
// sorts SpeciesTable.
#pragma once

#include <cstdint>

#include "game_definitions.h"
#include "gamedata.h"

// The sort orders, numbered for this program alone (the menu maps its
// commands to them).
enum SpeciesOrder : int {
  OrderKana = 0,
  OrderNational,
  OrderRsHoenn,
  OrderDpSinnoh,
  OrderPtSinnoh,
  OrderHgssJohto,
  OrderBwUnova,
  OrderB2w2Unova,
  OrderXyCentralKalos,
  OrderXyCoastalKalos,
  OrderXyMountainKalos,
  OrderOrasHoenn,
  // The regional orders of generations 7 to 9 (the modern table's lists).
  OrderSmAlola,
  OrderUsumAlola,
  OrderGalar,
  OrderIsleOfArmor,
  OrderCrownTundra,
  OrderBdspSinnoh,
  OrderPaldea,
  OrderKitakami,
  OrderBlueberry,
  SpeciesOrderCount
};

// Whether a game offers an order: the kana and national orders every game;
// a regional order only the games of its own table (the twelve classic ones
// generations 3 to 6), and each modern one only its own generation.
bool IsOrderOffered(int order, const GameDefinition& game);

// The names a game lists in an order, in that order: sorts the game's species
// table in place and points `names` (room for `capacity`) at the names of the
// records that the game and the order list. Returns how many it wrote (at
// most `capacity`). An order the game does not offer lists nothing and leaves
// the table as it is. The pointers stay valid until the table is sorted
// again. The modern table sorts by name code units (kana), national number
// (national) or the regional number (a regional order lists only the rows
// with one), ties by row id.
int ListSpeciesNames(const GameDefinition& game, int order,
                     const char16_t** names, int capacity);

// An order's stable text key (e.g. "national"), the form in which it is
// remembered; null for a value that is no order.
const char16_t* SpeciesOrderKey(int order);

// The order of a key; false for null or an unknown key.
bool FindSpeciesOrderByKey(const char16_t* key, SpeciesOrder& order);

// Whether a record belongs to an order's list (applied on top of
// IsListedInGame). A value that is no order lists nothing.
bool IsListedInOrder(const SpeciesRecord& record, int order);

// Code-unit order of the names; negative, zero or positive.
int CompareByName(const SpeciesRecord& a, const SpeciesRecord& b);

// Order by a signed number field, then by serialNo.
int CompareByNumber(int16_t keyA, int16_t keyB, const SpeciesRecord& a,
                    const SpeciesRecord& b);

// Sorts all of SpeciesTable in place by the order. The national order uses
// the game's national number field.
void SortSpeciesTable(int order, const GameDefinition& game);
