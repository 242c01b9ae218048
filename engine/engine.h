// The IV engine: stat formulas, narrowing of the six candidate sets by
// observations and clues, and hidden power.
#pragma once

#include <cstdint>

#include "../data/game_definitions.h"
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
  // Nonzero when the row's effort values are not known (effortValues is then
  // ignored): an IV stays a candidate of a stat if some effort value 0..255
  // gives the shown value at that level. 0, the zero-filled default, means
  // the effort values are known.
  uint8_t effortUnknown;
  // Bit (1 << stat) set for each stat read after hyper training (generations
  // with hyperTraining): the shown value is that of IV 31, and the stat's own
  // IV is 0..30. 0, the zero-filled default, means no stat was trained.
  uint8_t trained;
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

// Result codes of the engine's calls.
constexpr int32_t CalcOk = 0;
constexpr int32_t CalcUnknownSpecies = -1;
constexpr int32_t CalcUnknownNature = -2;
constexpr int32_t CalcUnknownGame = -3;

// Stat formulas; the results are full 32-bit values (callers compare the low
// 16 bits with the displayed stat).
int32_t CalcHpStat(uint16_t base, uint32_t iv, uint16_t effort, uint8_t level);
int32_t CalcOtherStat(uint16_t base, uint32_t iv, uint16_t effort,
                      uint8_t level, double multiplier);

// At which level to read a stat again. Levels run from just above the highest
// observed level up to 100.
struct LevelHint {
  int32_t firstSplit;   // lowest level at which the candidates' values differ
  int32_t allDistinct;  // lowest level at which the shown value pins the IV
};
// A stat with fewer than two candidates: nothing to tell.
constexpr int32_t NoLevelHint = 0;
// No level up to 100 splits (or tells apart) the candidates.
constexpr int32_t NoLevelUpTo100 = -1;

// The clues besides the observations. Texts are compared as whole strings;
// null, empty or unknown texts tell nothing. Verdicts are indexes into
// OverallVerdict / BestStatVerdict (0 and unknown indexes tell nothing);
// marks are BestStatMark values, one per stat in StatIndex order. The marks
// and the best-stat verdict count only where the game's judge is
// JudgeKind::BestStat, the per-stat verdicts (indexes into StatVerdict) only
// where it is JudgeKind::PerStat; the hidden power type only where the game
// has hidden power.
struct IvClues {
  const char16_t* characteristic;
  const char16_t* hiddenPowerType;
  int32_t overallVerdict;
  int32_t marks[StatCount];
  int32_t bestStatVerdict;
  int32_t statVerdicts[StatCount];
};

// One calculation: the monster's names, its generation, the observations
// (`entries` may be null when `entryCount` is 0 or less) and the clues.
struct IvQuery {
  const char16_t* species;
  const char16_t* nature;  // null: the nature is not known
  const GameDefinition* game;
  const StatusEntry* entries;
  int32_t entryCount;
  IvClues clues;
  bool levelHints;  // whether to work out the next levels to check
};

// The engine's answer to a query.
struct IvAnswer {
  IvResult result;
  // Bit i for each NatureTable[i] under which the observations and clues
  // hold: for a named nature its own bit, or 0 when nothing fits.
  uint32_t natureSet;
  // The next levels to check per stat; NoLevelHint everywhere unless the
  // query asks for them.
  LevelHint hints[StatCount];
};

// Works out the candidate IVs of the six stats. Returns CalcOk with `answer`
// filled, else CalcUnknownGame (no game), CalcUnknownSpecies (the game's
// species table has no such name) or CalcUnknownNature (a nature name that
// is no nature), checked in that order; then `answer` is untouched.
//
// The species is found by FindSpeciesInGame. With a named nature the result is
// that nature's. With the nature not known the result is, stat by stat, the
// union of the results of every nature under which all observations and
// clues hold; natureDir is -1 or +1 only where all those natures agree, else
// 0; hidden power only when the union pins all six IVs and the game has
// hidden power. When no nature is left the result is the empty result of any
// contradiction (six empty masks, natureDir 0, no hidden power).
//
// In a game with hyperTraining a stat marked trained in a row must show the
// value of IV 31 there (else the row contradicts, as any misfit does) and
// tells nothing else of that row's reading; a stat trained in any row has own
// IV 0..30. The masks, the clues and hidden power are of the own IVs. Other
// games ignore the trained bits.
//
// The hints are worked out per stat with the species' base stats and the
// effort values of the latest observation: the row with the highest level,
// the last such row in list order. Candidates are the stat's candidate IVs
// combined with the stat's nature multiplier; when the nature is unknown they
// are the pairs (multiplier of a remaining nature, IV possible under that
// nature), so a reading may tell the nature's effect as well as the IV.
// - firstSplit: the lowest level at which the candidates do not all show the
//   same value; allDistinct: the lowest level at which no two candidates
//   with different IVs show the same value (the reading pins the IV).
// - NoLevelUpTo100 when no such level exists up to 100 (also for a species
//   whose HP is always 1, which never splits, and when the latest level is
//   100 or more).
// - NoLevelHint for a stat with fewer than two candidate IVs, and for every
//   stat when the latest observation's effort values are unknown (its future
//   stats then cannot be told) or there is no observation, and for a stat
//   trained in the latest observation (in a game with hyperTraining).
int32_t AnswerIvQuery(const IvQuery& query, IvAnswer& answer);

// ---- Hidden power ----------------------------------------------------------

constexpr int HiddenPowerTypeCount = 16;
extern const char16_t HiddenPowerTypeNames[HiddenPowerTypeCount]
                                          [HiddenPowerTypeCapacity];

// Type and power from the six minIv fields (StatIndex order) under a power
// rule. Writes only hiddenPowerType and hiddenPowerPower and always returns 1.
// The engine never calls it for HiddenPowerPowerRule::None; given that rule it
// works the power out of the IVs (30..70), as FromIvs.
int32_t CalcHiddenPower(IvResult* result, HiddenPowerPowerRule rule);

// Index in HiddenPowerTypeNames of a type name, or -1 (also for null).
int FindHiddenPowerTypeIndex(const char16_t* text);

// ---- Clues -----------------------------------------------------------------

constexpr int CharacteristicTextCapacity = 13;  // 12 characters + terminator

struct CharacteristicRecord {
  char16_t text[CharacteristicTextCapacity];
  int stat;       // StatIndex of the stat holding the highest IV
  int remainder;  // that IV modulo 5
};

constexpr int CharacteristicCount = 30;
extern const CharacteristicRecord CharacteristicTable[CharacteristicCount];

// Index in CharacteristicTable of a characteristic text, or -1 (also for
// null).
int FindCharacteristicIndex(const char16_t* text);

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

// The per-stat judge of generations 7 to 9: for each stat one verdict, its
// text in the list (index 0 is the empty item) and the own IVs it allows.
// "きたえた" (the stat was hyper trained, the judge no longer shows its IV)
// allows 0..30.
struct StatVerdictRecord {
  const char16_t* text;
  IvMask range;
};
constexpr int StatVerdictCount = 8;  // the empty item and seven verdicts
constexpr int StatVerdictTrained = 7;
extern const StatVerdictRecord StatVerdict[StatVerdictCount];

// State of a best-stat box: the judge named the stat best, did not name it,
// or nothing is known (any other value counts as unknown too).
enum BestStatMark : int32_t { MarkNotBest = 0, MarkBest = 1, MarkUnknown = 2 };
