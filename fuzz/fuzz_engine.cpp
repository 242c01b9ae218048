// The engine query over inputs decoded from the fuzz bytes, on the
// shipped tables re-sorted in any order: species, nature and clue texts
// valid, cut short, unterminated within their buffers or unknown, each in a
// buffer exactly as long as the caller's field (so AddressSanitizer sees any
// read past it); any number of observations with any values, or with the
// values a real monster would show; any verdict indices and marks; every
// generation and no generation at all; stats read after hyper training and
// per-stat verdicts. Beyond the sanitizers it checks
// the result's invariants, that the clues only ever remove candidates, that
// a monster's true IVs survive its own observations and clues, that a
// repeated call gives the same result, and that the table's order does not
// matter for a name the generation lists.
// The same for the unknown nature and the next-level hints, with
// effort values known or not.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "data/species_order.h"
#include "fuzz_support.h"
#include "support/engine_call.h"
#include "support/true_monster.h"

namespace {

// Buffer lengths of the caller's fields: a species name of up to 19
// characters, a nature of up to 5, a characteristic of up to 12 and a type
// of up to 4, each with its terminator. The engine reads a caller's text no
// further than one unit past the known name it compares with, and no known
// name is longer than these.
constexpr int SpeciesUnits = 20;
constexpr int NatureUnits = 6;
constexpr int CharacteristicUnits = 13;
constexpr int TypeUnits = 5;

struct Text {
  std::unique_ptr<char16_t[]> units;
  bool missing = false;
  const char16_t* get() const { return missing ? nullptr : units.get(); }
};

int Length(const char16_t* text, int limit) {
  int n = 0;
  while (n < limit && text[n] != 0) ++n;
  return n;
}

// A text in a buffer of exactly `capacity` units, built from a known name:
// whole, cut short, followed by more characters, or filling the buffer
// without a terminator; or units from the input; or a null pointer.
Text MakeText(FuzzedDataProvider& in, int capacity, const char16_t* known) {
  Text text;
  text.units.reset(new char16_t[capacity]);
  char16_t* out = text.units.get();
  for (int i = 0; i < capacity; ++i) out[i] = 0;
  int knownLength = Length(known, capacity);
  switch (in.ConsumeIntegralInRange<int>(0, 6)) {
    case 0:  // the known name as it is
      for (int i = 0; i < knownLength; ++i) out[i] = known[i];
      break;
    case 1: {  // cut short
      int cut = in.ConsumeIntegralInRange<int>(0, knownLength);
      for (int i = 0; i < cut; ++i) out[i] = known[i];
      break;
    }
    case 2:    // the name, then characters up to the end: no terminator
    case 3: {  // the name, then a few more characters
      for (int i = 0; i < knownLength; ++i) out[i] = known[i];
      int end = capacity;
      if (in.ConsumeBool() || knownLength + 1 >= capacity)
        end = capacity;
      else
        end = in.ConsumeIntegralInRange<int>(knownLength + 1, capacity - 1);
      for (int i = knownLength; i < end; ++i)
        out[i] = in.ConsumeIntegralInRange<char16_t>(1, 0xFFFF);
      break;
    }
    case 4:  // any units, zeros included, filling the whole buffer
      for (int i = 0; i < capacity; ++i)
        out[i] = in.ConsumeIntegral<char16_t>();
      break;
    case 5:  // empty
      break;
    default:
      text.missing = true;
      break;
  }
  return text;
}

// A generation of the table, or now and then none (a generation the
// program lacks).
const GameDefinition* PickGame(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange<int>(0, 5) == 5) return nullptr;
  return &GameDefinitions[in.ConsumeIntegralInRange<int>(
      0, GameDefinitionCount - 1)];
}

// Sorts one of the tables as the species list does for a game and order.
void SortTable(FuzzedDataProvider& in) {
  int order = in.ConsumeIntegralInRange<int>(0, 7) == 7
                  ? in.ConsumeIntegral<int>()
                  : in.ConsumeIntegralInRange<int>(0, SpeciesOrderCount - 1);
  const GameDefinition& game = GameDefinitions[in.ConsumeIntegralInRange<int>(
      0, GameDefinitionCount - 1)];
  static const char16_t* names[ModernSpeciesCount];
  int count = ListSpeciesNames(game, order, names, ModernSpeciesCount);
  FUZZ_CHECK(count == 0 || IsOrderOffered(order, game));
}

int32_t PickSmall(FuzzedDataProvider& in, int32_t low, int32_t high) {
  return in.ConsumeIntegralInRange<int>(0, 15) == 15
             ? in.ConsumeIntegral<int32_t>()
             : in.ConsumeIntegralInRange<int32_t>(low, high);
}

// The engine call with each text in a buffer of its own, any entry count
// and, now and then, no entry array at all.
struct Call : EngineCall {
  Text speciesText;
  Text natureText;
  Text characteristicText;
  Text typeText;
  int32_t count = 0;
  bool noEntries = false;

  // EngineCall's query with that count and array, the clues left out unless
  // `withClues`.
  IvQuery FuzzQuery(const char16_t* natureName, bool withClues,
                    bool levelHints) const {
    IvQuery query = Query(natureName, levelHints);
    query.entries = noEntries ? nullptr : entries.data();
    query.entryCount = count;
    if (!withClues) {
      query.clues = {u"", u"", 0, {}, 0, {}};
      for (int32_t& mark : query.clues.marks) mark = MarkUnknown;
    }
    return query;
  }

  // The named nature; a missing nature text names none. A failure leaves
  // `result` as it was.
  int32_t Run(IvResult& result, bool withClues) const {
    return Answer(FuzzQuery(nature ? nature : u"", withClues, false), result,
                  nullptr, nullptr);
  }

  // With the clues and the next-level hints, the named nature or any.
  int32_t RunWithHints(IvResult& result, uint32_t* natureSet, LevelHint* hints,
                       bool anyNature) const {
    return Answer(FuzzQuery(anyNature ? nullptr : nature, true, true), result,
                  natureSet, hints);
  }
};

// Hints: none for a stat with fewer than two candidates, else levels up to
// 100 (or none up to 100), the second not below the first.
void CheckHints(const IvResult& r, const LevelHint* hints) {
  for (int s = 0; s < StatCount; ++s) {
    int first = hints[s].firstSplit, all = hints[s].allDistinct;
    if (__builtin_popcount(r.stats[s].mask) < 2)
      FUZZ_CHECK(first == NoLevelHint && all == NoLevelHint);
    else if (first == NoLevelHint || first == NoLevelUpTo100)
      FUZZ_CHECK(all == first);
    else
      FUZZ_CHECK(first > 1 && first <= 100 &&
                 (all == NoLevelUpTo100 || (all >= first && all <= 100)));
  }
}

// The stats a monster shows at a level with effort values (total <= 510),
// read after training the stats in `trained`.
StatusEntry ObserveMonster(FuzzedDataProvider& in, const SpeciesRecord& species,
                           const NatureRecord& nature, const int ivs[StatCount],
                           int trained) {
  int level = in.ConsumeIntegralInRange<int>(1, 100);
  uint16_t efforts[StatCount];
  int budget = 510;
  for (uint16_t& ev : efforts) {
    ev = in.ConsumeIntegralInRange<uint16_t>(0, budget < 255 ? budget : 255);
    budget -= ev;
  }
  return ShownStats(species, nature, ivs, level, efforts, trained);
}

bool IsSubset(const IvResult& inner, const IvResult& outer) {
  for (int s = 0; s < StatCount; ++s)
    if ((inner.stats[s].mask & ~outer.stats[s].mask) != 0) return false;
  return true;
}

// Whether a record of this name is listed in the generation (then the
// lookup does not depend on the table's order).
bool ListedName(const GameDefinition* game, const char16_t* name) {
  return game != nullptr && IsSpeciesListedInGame(*game, name);
}

// Whether `text` names `species`, and every record of that name has the same
// base stats (so whichever the lookup takes, the stats fit), or the modern
// generation lists it. Shedinja's own HP rule is left out.
bool SameStatsUnderName(const GameDefinition& game,
                        const SpeciesRecord& species, const char16_t* text) {
  if (text == nullptr || !NameEquals(species.name, text) ||
      NameEquals(ShedinjaName, text))
    return false;
  if (game.speciesTable == SpeciesTableId::Modern)
    return IsSpeciesListedInGame(game, text);
  for (const SpeciesRecord& r : SpeciesTable)
    if (NameEquals(r.name, text) &&
        std::memcmp(r.baseStats, species.baseStats, sizeof r.baseStats) != 0)
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadShippedTables();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  // Every input starts from the resource order, so that a finding replays
  // alone; sorting is the slow part, so most inputs keep that order.
  static bool sorted = false;
  if (sorted) RestoreSpeciesOrder();
  const GameDefinition* game = PickGame(in);
  int sorts = in.ConsumeIntegralInRange<int>(0, 3) - 1;
  sorted = sorts > 0;
  for (int i = 0; i < sorts; ++i) SortTable(in);

  // The known names the texts are built from. A real monster (true IVs, the
  // stats it shows, the clues it gives) is used when the texts are kept whole.
  SpeciesRecord species =
      SpeciesTable[in.ConsumeIntegralInRange<int>(0, SpeciesCount - 1)];
  if (game != nullptr && game->speciesTable == SpeciesTableId::Modern)
    species =
        SpeciesOfGeneration(ModernSpeciesTable[in.ConsumeIntegralInRange<int>(
                                0, ModernSpeciesCount - 1)],
                            game->generation);
  const NatureRecord& nature =
      NatureTable[in.ConsumeIntegralInRange<int>(0, NatureCount - 1)];
  int ivs[StatCount];
  for (int& iv : ivs) iv = in.ConsumeIntegralInRange<int>(0, 31);
  // Stats hyper trained (only below 31), in the games that have it.
  bool training = game != nullptr && game->hyperTraining;
  int trained = 0;
  for (int s = 0; s < StatCount && training; ++s)
    if (ivs[s] < 31 && in.ConsumeBool()) trained |= 1 << s;

  Call call;
  call.game = game;
  call.speciesText =
      MakeText(in, SpeciesUnits,
               in.ConsumeIntegralInRange<int>(0, 15) == 15 ? ShedinjaName
                                                           : species.name);
  call.species = call.speciesText.get();
  call.natureText = MakeText(in, NatureUnits, nature.name);
  call.nature = call.natureText.get();
  bool truthful = in.ConsumeBool();
  int entryCount = in.ConsumeIntegralInRange<int>(0, 6);
  for (int i = 0; i < entryCount; ++i) {
    if (truthful) {
      // Read after some of the training; other games ignore any marks.
      int marked = trained & in.ConsumeIntegral<uint8_t>();
      call.entries.push_back(ObserveMonster(in, species, nature, ivs, marked));
      call.entries.back().effortUnknown = in.ConsumeBool();
      if (!training)
        call.entries.back().trained = in.ConsumeIntegral<uint8_t>();
      continue;
    }
    StatusEntry e{};
    e.level = in.ConsumeIntegral<uint8_t>();
    for (int s = 0; s < StatCount; ++s) {
      e.stats[s] = in.ConsumeIntegral<uint16_t>();
      e.effortValues[s] = in.ConsumeIntegral<uint16_t>();
    }
    e.effortUnknown = in.ConsumeBool() ? in.ConsumeIntegral<uint8_t>() : 0;
    e.trained = in.ConsumeIntegral<uint8_t>();
    call.entries.push_back(e);
  }
  call.count = entryCount;
  switch (in.ConsumeIntegralInRange<int>(0, 7)) {
    case 6:  // a count of 0 or less skips the observations
      call.count = in.ConsumeBool()
                       ? INT32_MIN
                       : -1 - in.ConsumeIntegralInRange<int32_t>(0, 1000);
      break;
    case 7:
      call.noEntries = true;
      call.count = 0;
      break;
  }

  // Clues: the monster's own, or any.
  int row = in.ConsumeIntegralInRange<int>(0, CharacteristicCount - 1);
  if (truthful) row = CharacteristicOf(ivs, row);
  call.characteristicText =
      MakeText(in, CharacteristicUnits, CharacteristicTable[row].text);
  call.characteristic = call.characteristicText.get();
  int typeIndex = in.ConsumeIntegralInRange<int>(0, HiddenPowerTypeCount - 1);
  if (truthful) typeIndex = HiddenPowerTypeOf(ivs);
  call.typeText = MakeText(in, TypeUnits, HiddenPowerTypeNames[typeIndex]);
  call.hiddenPowerType = call.typeText.get();
  if (truthful) {
    call.overall = in.ConsumeBool() ? 0 : OverallVerdictOf(ivs);
    call.best = in.ConsumeBool() ? 0 : BestStatVerdictOf(ivs);
    for (int s = 0; s < StatCount; ++s) {
      call.marks[s] = in.ConsumeBool() ? MarkUnknown : BestStatMarkOf(ivs, s);
      call.statVerdicts[s] =
          in.ConsumeBool() ? 0 : StatVerdictOf(ivs[s], trained >> s & 1);
    }
  } else {
    call.overall = PickSmall(in, -1, 5);
    call.best = PickSmall(in, -1, 5);
    for (int32_t& mark : call.marks) mark = PickSmall(in, -1, 3);
    for (int32_t& verdict : call.statVerdicts) verdict = PickSmall(in, -1, 8);
  }

  // The result record starts with junk; a failed call must leave it so.
  IvResult result;
  std::memset(&result, in.ConsumeIntegral<uint8_t>(), sizeof result);
  IvResult before = result;
  int32_t rc = call.Run(result, true);
  FUZZ_CHECK(rc == CalcOk || rc == CalcUnknownSpecies ||
             rc == CalcUnknownNature || rc == CalcUnknownGame);
  FUZZ_CHECK((rc == CalcUnknownGame) == (game == nullptr));

  // The nature unknown: the same failure, else a result that holds the
  // named nature's (below) and a set of natures in the table.
  IvResult any;
  uint32_t anySet = 0;
  LevelHint hints[StatCount];
  int32_t anyRc = call.RunWithHints(any, &anySet, hints, true);
  FUZZ_CHECK(anyRc ==
             (rc == CalcUnknownSpecies || rc == CalcUnknownGame ? rc : CalcOk));
  if (anyRc == CalcOk) {
    CheckResultInvariants(any, game->hiddenPowerPower);
    CheckHints(any, hints);
    FUZZ_CHECK(anySet < (1u << NatureCount) &&
               (anySet == 0) == (any.stats[StatHp].mask == 0));
  }

  if (rc != CalcOk) {
    FUZZ_CHECK(std::memcmp(&before, &result, sizeof result) == 0);
    return 0;
  }
  CheckResultInvariants(result, game->hiddenPowerPower);

  IvResult again;
  FUZZ_CHECK(call.Run(again, true) == CalcOk);
  FUZZ_CHECK(std::memcmp(&again, &result, sizeof result) == 0);

  // With the hints: the same result, the named nature alone (when it fits)
  // and within the unknown-nature set.
  IvResult hinted;
  uint32_t natureSet;
  FUZZ_CHECK(call.RunWithHints(hinted, &natureSet, hints, false) == CalcOk);
  FUZZ_CHECK(std::memcmp(&hinted, &result, sizeof result) == 0);
  FUZZ_CHECK((natureSet & (natureSet - 1)) == 0 && (natureSet & ~anySet) == 0);
  FUZZ_CHECK((natureSet != 0) == (result.stats[StatHp].mask != 0));
  FUZZ_CHECK(IsSubset(result, any));
  CheckHints(result, hints);

  IvResult unclued;
  FUZZ_CHECK(call.Run(unclued, false) == CalcOk);
  CheckResultInvariants(unclued, game->hiddenPowerPower);
  FUZZ_CHECK(IsSubset(result, unclued));

  // A monster observed and judged truthfully keeps its true IVs when the
  // engine finds the species (every record of that name has its base stats)
  // and the nature the stats were computed from, and each clue text is the
  // monster's own or none at all.
  if (truthful && SameStatsUnderName(*game, species, call.species) &&
      call.nature != nullptr && NameEquals(nature.name, call.nature) &&
      (FindCharacteristicIndex(call.characteristic) < 0 ||
       FindCharacteristicIndex(call.characteristic) == row) &&
      (FindHiddenPowerTypeIndex(call.hiddenPowerType) < 0 ||
       FindHiddenPowerTypeIndex(call.hiddenPowerType) == typeIndex)) {
    for (int s = 0; s < StatCount; ++s)
      FUZZ_CHECK(result.stats[s].mask >> ivs[s] & 1u);
  }

  // For a name the generation lists, the table's order does not matter.
  if (ListedName(game, call.species)) {
    SortTable(in);
    sorted = true;
    IvResult resorted;
    FUZZ_CHECK(call.Run(resorted, true) == CalcOk);
    FUZZ_CHECK(std::memcmp(&resorted, &result, sizeof result) == 0);
  }
  return 0;
}
