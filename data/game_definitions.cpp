// The table of generations and the name lookups that depend on it.
#include "game_definitions.h"

#include "modern_species.h"

const char16_t ShedinjaName[] = u"ヌケニン";

const GameDefinition GameDefinitions[GameDefinitionCount] = {
    {3,
     u"RS/Em/FRLGモード",
     u"ルビー・サファイア/エメラルド/ファイアレッド・リーフグリーン(&3)",
     u"個体値を第3世代のデータで計算します",
     2,
     100,
     false,
     HiddenPowerPowerRule::FromIvs,
     JudgeKind::BestStat,
     false,
     SpeciesTableId::Classic,
     {NationalNumberField::NationalNo, 1, 386}},
    {4,
     u"DP/Pt/HGSSモード",
     u"ダイヤモンド・パール/プラチナ/ハートゴールド・ソウルシルバー(&4)",
     u"個体値を第4世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::FromIvs,
     JudgeKind::BestStat,
     false,
     SpeciesTableId::Classic,
     {NationalNumberField::NationalNo, 1, 493}},
    {5,
     u"BW/B2W2モード",
     u"ブラック・ホワイト/ブラック2・ホワイト2(&5)",
     u"個体値を第5世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::FromIvs,
     JudgeKind::BestStat,
     false,
     SpeciesTableId::Classic,
     {NationalNumberField::NationalNo, 1, 649}},
    {6,
     u"XY/ORASモード",
     u"X・Y/オメガルビー・アルファサファイア(&6)",
     u"個体値を第6世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::Fixed60,
     JudgeKind::BestStat,
     false,
     SpeciesTableId::Classic,
     {NationalNumberField::NationalNo6, 1, 721}},
    {7,
     u"SM/USUMモード",
     u"サン・ムーン/ウルトラサン・ウルトラムーン(&7)",
     u"個体値を第7世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::Fixed60,
     JudgeKind::PerStat,
     true,
     SpeciesTableId::Modern,
     {NationalNumberField::NationalNo, 1, 1025}},
    {8,
     u"SwSh/BDSPモード",
     u"ソード・シールド/ブリリアントダイヤモンド・シャイニングパール(&8)",
     u"個体値を第8世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::None,
     JudgeKind::PerStat,
     true,
     SpeciesTableId::Modern,
     {NationalNumberField::NationalNo, 1, 1025}},
    {9,
     u"SVモード",
     u"スカーレット・バイオレット(&9)",
     u"個体値を第9世代のデータで計算します",
     1,
     100,
     true,
     HiddenPowerPowerRule::None,
     JudgeKind::PerStat,
     true,
     SpeciesTableId::Modern,
     {NationalNumberField::NationalNo, 1, 1025}},
};

const GameDefinition* FindGameDefinition(int generation) {
  for (const GameDefinition& game : GameDefinitions)
    if (game.generation == generation) return &game;
  return nullptr;
}

int16_t NationalNumberOf(const SpeciesRecord& record,
                         const GameDefinition& game) {
  return game.listRule.field == NationalNumberField::NationalNo6
             ? record.nationalNo6
             : record.nationalNo;
}

bool IsListedInGame(const SpeciesRecord& record, const GameDefinition& game) {
  int16_t number = NationalNumberOf(record, game);
  return number >= game.listRule.firstNo && number <= game.listRule.lastNo;
}

namespace {

SpeciesStats StatsOf(const SpeciesRecord& record) {
  SpeciesStats stats{record.name, {}, NameEquals(ShedinjaName, record.name)};
  for (int slot = 0; slot < 6; ++slot)
    stats.baseStats[slot] = record.baseStats[slot];
  return stats;
}

// The modern record of that name that the game's generation lists, or null.
// Names are unique within a generation's list, so the table's current order
// does not change the answer. The first code unit is compared before the
// whole name: most records differ there, and the scan runs on every query.
const ModernSpeciesRecord* FindListedModernRecord(const GameDefinition& game,
                                                  const char16_t* name) {
  for (const ModernSpeciesRecord& record : ModernSpeciesTable)
    if (record.name[0] == name[0] && NameEquals(record.name, name) &&
        IsListedInGeneration(record, game.generation))
      return &record;
  return nullptr;
}

}  // namespace

bool FindSpeciesInGame(const GameDefinition& game, const char16_t* name,
                       SpeciesStats& species) {
  // A missing name is no name: nothing can match it.
  if (name == nullptr) return false;
  if (game.speciesTable == SpeciesTableId::Modern) {
    // Only the rows the generation lists, with that generation's stats.
    const ModernSpeciesRecord* record = FindListedModernRecord(game, name);
    if (record == nullptr) return false;
    const uint16_t* baseStats = ModernBaseStats(*record, game.generation);
    species = {record->name, {}, NameEquals(ShedinjaName, record->name)};
    for (int slot = 0; slot < 6; ++slot)
      species.baseStats[slot] = baseStats[slot];
    return true;
  }
  const SpeciesRecord* first = nullptr;
  for (const SpeciesRecord& record : SpeciesTable) {
    if (!NameEquals(record.name, name)) continue;
    if (IsListedInGame(record, game)) {
      first = &record;
      break;
    }
    if (first == nullptr) first = &record;
  }
  if (first == nullptr) return false;
  species = StatsOf(*first);
  return true;
}

bool IsSpeciesListedInGame(const GameDefinition& game, const char16_t* name) {
  if (name == nullptr) return false;
  if (game.speciesTable == SpeciesTableId::Modern)
    return FindListedModernRecord(game, name) != nullptr;
  for (const SpeciesRecord& record : SpeciesTable)
    if (NameEquals(record.name, name) && IsListedInGame(record, game))
      return true;
  return false;
}

int FindNatureIndex(const char16_t* name) {
  if (name == nullptr) return -1;
  for (int i = 0; i < NatureCount; ++i)
    if (NameEquals(NatureTable[i].name, name)) return i;
  return -1;
}
