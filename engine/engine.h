// The IV engine: stat formulas, narrowing of the six candidate sets by
// observations and clues, and hidden power.
#pragma once

#include <cstdint>

#include "../data/gamedata.h"

// Stat order of every record, list and control of the program.
enum StatIndex : int {
  StatHp = 0,
  StatAttack = 1,
  StatDefense = 2,
  StatSpAtk = 3,
  StatSpDef = 4,
  StatSpeed = 5,
  StatCount = 6
};

// Candidate set of one stat: bit i set while IV i is still possible.
using IvMask = uint32_t;
constexpr IvMask AllIvs = 0xFFFFFFFFu;

// One observation: the stats read at a level with the effort values then.
struct StatusEntry {
  uint8_t level;
  uint16_t stats[StatCount];
  uint16_t effortValues[StatCount];
};

struct StatResult {
  uint8_t maxIv;
  uint8_t minIv;
  IvMask mask;
  int32_t natureDir;  // -1 lowers, 0 neutral, +1 raises; unused for HP
};

constexpr int HiddenPowerTypeCapacity = 5;

struct IvResult {
  StatResult stats[StatCount];
  int32_t hiddenPowerKnown;
  char16_t hiddenPowerType[HiddenPowerTypeCapacity];
  uint8_t hiddenPowerPower;
};

// The species name whose HP is always 1.
extern const char16_t ShedinjaName[];

// Result codes of CalcIndividualValues.
constexpr int32_t CalcOk = 0;
constexpr int32_t CalcUnknownSpecies = -1;
constexpr int32_t CalcUnknownNature = -2;

// Stat formulas; the results are full 32-bit values (callers compare the low
// 16 bits with the displayed stat).
int32_t CalcHpStat(uint16_t base, uint32_t iv, uint16_t effort, uint8_t level);
int32_t CalcOtherStat(uint16_t base, uint32_t iv, uint16_t effort,
                      uint8_t level, double multiplier);

// Works out the candidate IVs of the six stats. Returns 0 with `result`
// filled, -1 for an unknown species or -2 for an unknown nature (then
// `result` is untouched). Names and clue texts are compared as whole strings.
int32_t CalcIndividualValues(const char16_t* speciesName,
                             const char16_t* natureName,
                             const StatusEntry* entries, int32_t entryCount,
                             IvResult* result, const char16_t* characteristic,
                             const char16_t* hiddenPowerType,
                             int32_t overallVerdict, int32_t markHp,
                             int32_t markAttack, int32_t markDefense,
                             int32_t markSpAtk, int32_t markSpDef,
                             int32_t markSpeed, int32_t bestStatVerdict);

// ---- Hidden power ----------------------------------------------------------

constexpr int HiddenPowerTypeCount = 16;
extern const char16_t HiddenPowerTypeNames[HiddenPowerTypeCount]
                                          [HiddenPowerTypeCapacity];

// Type and power from the six minIv fields (StatIndex order); the power is 60
// in generation mode 6. Writes only hiddenPowerType and hiddenPowerPower and
// always returns 1.
int32_t CalcHiddenPower(IvResult* result);

// ---- Clues -----------------------------------------------------------------

constexpr int CharacteristicTextCapacity = 13;  // 12 characters + terminator

struct CharacteristicRecord {
  char16_t text[CharacteristicTextCapacity];
  int stat;       // StatIndex of the stat holding the highest IV
  int remainder;  // that IV modulo 5
};

constexpr int CharacteristicCount = 30;
extern const CharacteristicRecord CharacteristicTable[CharacteristicCount];

// A judge verdict: its text in the list (index 0 is the empty item).
struct VerdictRecord {
  const char16_t* text;
  IvMask range;  // best stat's IVs (best-stat verdict)
  IvMask cap;    // IVs the other stats may hold (best-stat verdict)
  int sumLow;    // range of the sum of the six IVs (overall verdict)
  int sumHigh;
};

constexpr int VerdictCount = 5;  // the empty item and four verdicts
extern const VerdictRecord OverallVerdict[VerdictCount];
extern const VerdictRecord BestStatVerdict[VerdictCount];

// State of a best-stat box: the judge named the stat best, did not name it,
// or nothing is known (any other value counts as unknown too).
enum BestStatMark : int32_t { MarkNotBest = 0, MarkBest = 1, MarkUnknown = 2 };
