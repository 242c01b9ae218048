// The species table of generations 7 to 9, loaded from the program's
// "MODERN_DATA" resource: one record per species and form group, with the
// generations that list it, its national and regional numbers and its base
// stats in each of those generations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gamedata.h"

constexpr int ModernSpeciesCount = 1098;
constexpr std::size_t ModernSpeciesRecordBytes = 83;
constexpr std::size_t ModernDataBytes =
    ModernSpeciesCount * ModernSpeciesRecordBytes;  // 91,134

constexpr int FirstModernGeneration = 7;
constexpr int LastModernGeneration = 9;
constexpr int ModernGenerationCount =
    LastModernGeneration - FirstModernGeneration + 1;

// The regional Pokédex lists of generations 7 to 9, in resource order.
enum ModernDex : int {
  DexAlolaSm,      // Sun/Moon
  DexAlolaUsum,    // Ultra Sun/Ultra Moon
  DexGalar,        // Sword/Shield
  DexIsleOfArmor,  // The Isle of Armor
  DexCrownTundra,  // The Crown Tundra
  DexSinnohBdsp,   // Brilliant Diamond/Shining Pearl
  DexPaldea,       // Scarlet/Violet
  DexKitakami,     // The Teal Mask
  DexBlueberry,    // The Indigo Disk
  ModernDexCount
};

struct ModernSpeciesRecord {
  int16_t rowId;  // 1..1098, national order then form order
  int16_t nationalNo;
  int16_t regionalNo[ModernDexCount];  // NoNumber when absent
  char16_t name[SpeciesNameCapacity];
  // Per generation 7, 8, 9, in slot order HP, Attack, Defense, Speed,
  // Sp. Atk, Sp. Def; zero in a generation that does not list the record.
  uint16_t baseStats[ModernGenerationCount][6];
  bool listed[ModernGenerationCount];  // generations 7, 8, 9
};

extern ModernSpeciesRecord ModernSpeciesTable[ModernSpeciesCount];

// Fills ModernSpeciesTable from the resource's bytes and indexes its names.
// The buffer must hold at least ModernDataBytes; a shorter (or missing) buffer
// fails the load and leaves the table untouched. Bytes beyond the required
// size are ignored.
bool LoadModernSpeciesFromBytes(const uint8_t* data, std::size_t size);

// Reorders ModernSpeciesTable in place: `positions` (ModernSpeciesCount
// entries) names the current position of each record in its new order, each
// position once. The name index follows the records.
void ReorderModernSpecies(const int16_t* positions);

// The first record of that name that generation 7, 8 or 9 lists (in the
// table's load order among records of the same name, so the answer does not
// depend on how the table is sorted); null when there is none or `name` is
// null. A binary search over the name index; should the table have been
// changed behind the index, a plain scan gives the same answer.
const ModernSpeciesRecord* FindModernSpecies(const char16_t* name,
                                             int generation);

// Whether the record is in the lists of generation 7, 8 or 9; false for any
// other generation.
bool IsListedInGeneration(const ModernSpeciesRecord& record, int generation);

// The record's six base stats (slot order) in a generation that lists it;
// null when the generation does not list it or is not 7, 8 or 9.
const uint16_t* ModernBaseStats(const ModernSpeciesRecord& record,
                                int generation);

// The record's number in a regional list; NoNumber when it has none or the
// list is unknown.
int16_t RegionalNumber(const ModernSpeciesRecord& record, int dex);
