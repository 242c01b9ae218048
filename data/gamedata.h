// Game data tables: the species and nature records loaded from the program's
// "POKE_DATA" and "NATURE_DATA" resources.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int SpeciesCount = 854;
constexpr int NatureCount = 25;
constexpr std::size_t SpeciesRecordBytes = 70;
constexpr std::size_t NatureRecordBytes = 18;
constexpr std::size_t PokeDataBytes =
    SpeciesCount * SpeciesRecordBytes;  // 59,780
constexpr std::size_t NatureDataBytes = NatureCount * NatureRecordBytes;  // 450
constexpr int SpeciesNameCapacity = 20;  // 19 characters and the terminator
constexpr int NatureNameCapacity = 8;    // at most 5 characters are loaded
constexpr int NatureNameMaxLength = 5;

// Marks an absent national or regional number; 0 is a valid number.
constexpr int16_t NoNumber = -1;

struct SpeciesRecord {
  int16_t serialNo;
  int16_t nationalNo;  // generations 3 to 5
  int16_t rsHoennNo;
  int16_t ptSinnohNo;
  int16_t hgssJohtoNo;
  int16_t bwUnovaNo;
  int16_t b2w2UnovaNo;
  int16_t nationalNo6;  // generation 6
  int16_t xyCentralKalosNo;
  int16_t xyCoastalKalosNo;
  int16_t xyMountainKalosNo;
  int16_t orasHoennNo;
  char16_t name[SpeciesNameCapacity];
  // Slot order HP, Attack, Defense, Speed, Sp. Atk, Sp. Def.
  uint16_t baseStats[6];
};

struct NatureRecord {
  char16_t name[NatureNameCapacity];
  // Percentage / 100.0 in stat order HP, Attack, Defense, Sp. Atk, Sp. Def,
  // Speed.
  double multipliers[6];
};

extern SpeciesRecord SpeciesTable[SpeciesCount];
extern NatureRecord NatureTable[NatureCount];

// Fills SpeciesTable and NatureTable from the two resources' bytes. Both
// buffers must hold at least PokeDataBytes and NatureDataBytes; a shorter (or
// missing) buffer fails the load and leaves both tables untouched. Bytes
// beyond the required sizes are ignored.
bool LoadGameDataFromBytes(const uint8_t* pokeData, std::size_t pokeSize,
                           const uint8_t* natureData, std::size_t natureSize);

// Whole-string equality of two UTF-16 texts, code unit by code unit. Reads
// `text` no further than one unit past the length of `known`, so `text` may
// be an unterminated buffer at least as long as `known` plus its terminator.
bool NameEquals(const char16_t* known, const char16_t* text);

// Code-unit order of two names (unsigned units, a prefix first), comparing at
// most SpeciesNameCapacity units; negative, zero or positive. Reads either
// text no further than one unit past their common prefix.
int CompareNames(const char16_t* a, const char16_t* b);

// Copies at most capacity - 1 code units of `source`, stopping at its first
// zero, and always terminates `dest` (capacity must be at least 1).
void CopyName(char16_t* dest, int capacity, const char16_t* source);
