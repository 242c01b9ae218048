// The generations the program calculates for, as one table: what each one
// shows, which levels and clues it offers, how its hidden power is worked
// out and which species it lists. The species lookup answers with what the
// engine needs, whichever species table a generation uses.
#pragma once

#include <cstdint>

#include "gamedata.h"

// How a generation's hidden power gets its power.
enum class HiddenPowerPowerRule : uint8_t {
  FromIvs,  // 30..70 from the second bits of the six IVs
  Fixed60,  // always 60
  None,     // the games have no hidden power (generations 8 and 9)
};

// Which judge the games' box offers.
enum class JudgeKind : uint8_t {
  BestStat,  // the overall verdict, the best stats and their verdict
  PerStat,   // the overall verdict and a verdict for each stat
};

// The species tables the program carries.
enum class SpeciesTableId : uint8_t {
  Classic,  // SpeciesTable, the "POKE_DATA" resource (generations 3 to 6)
  Modern,   // ModernSpeciesTable, "MODERN_DATA" (generations 7 to 9)
};

// Which national number of a record a generation lists and sorts by.
enum class NationalNumberField : uint8_t {
  NationalNo,   // the generations 3 to 5 numbering
  NationalNo6,  // the generation 6 numbering
};

// A generation of the classic table lists the records whose national number
// lies in a range; the modern table marks per record which generations list
// it (the rule is not used there).
struct SpeciesListRule {
  NationalNumberField field;
  int16_t firstNo;
  int16_t lastNo;
};

struct GameDefinition {
  int generation;
  const char16_t* statusText;  // status bar part 1
  const char16_t* menuText;    // the mode command's menu item
  const char16_t* helpText;    // the mode command's help line
  uint8_t lowestLevel;
  uint8_t highestLevel;
  bool offersCharacteristic;
  HiddenPowerPowerRule hiddenPowerPower;
  JudgeKind judge;
  bool hyperTraining;  // a stat may be read after hyper training
  SpeciesTableId speciesTable;
  SpeciesListRule listRule;
};

constexpr int FirstGeneration = 3;
constexpr int LastGeneration = 9;
constexpr int GameDefinitionCount = LastGeneration - FirstGeneration + 1;
extern const GameDefinition GameDefinitions[GameDefinitionCount];

// The definition of a generation; null for a generation the program lacks.
const GameDefinition* FindGameDefinition(int generation);

// What the engine needs of a species: its name, its base stats in slot order
// (HP, Attack, Defense, Speed, Sp. Atk, Sp. Def) and whether its HP is
// always 1.
struct SpeciesStats {
  const char16_t* name;
  uint16_t baseStats[6];
  bool hpAlwaysOne;
};

// The species whose HP is always 1.
extern const char16_t ShedinjaName[];

// A record's national number in a generation's numbering.
int16_t NationalNumberOf(const SpeciesRecord& record,
                         const GameDefinition& game);

// Whether a record of the game's species table belongs to its lists.
bool IsListedInGame(const SpeciesRecord& record, const GameDefinition& game);

// The species of that name in the game's table. Classic table: the record
// the game lists, else the first record of that name in the table's current
// order. Modern table: only a record the generation lists, with that
// generation's base stats (no fall-back to another table or generation).
// False (and `species` untouched) when there is no such record or `name` is
// null.
bool FindSpeciesInGame(const GameDefinition& game, const char16_t* name,
                       SpeciesStats& species);

// Whether `name` is a species the game lists.
bool IsSpeciesListedInGame(const GameDefinition& game, const char16_t* name);

// Index in NatureTable of the nature of that name, or -1 (also for null).
int FindNatureIndex(const char16_t* name);
