// The chosen generation mode, the mapping between menu commands and the
// core's generations and orders, and the window-side engine calls that read
// the chosen mode.
#include "ui/game_modes.h"

#include "engine/engine.h"
#include "res/resource.h"

uint32_t GameMode = IDM_MODE_GEN6;

namespace {

// The mode commands by generation, from FirstGeneration on.
constexpr uint32_t ModeCommands[GameDefinitionCount] = {
    IDM_MODE_GEN3, IDM_MODE_GEN4, IDM_MODE_GEN5, IDM_MODE_GEN6,
    IDM_MODE_GEN7, IDM_MODE_GEN8, IDM_MODE_GEN9};

// The sort commands in SpeciesOrder order.
constexpr uint32_t SortCommands[SpeciesOrderCount] = {
    IDM_SORT_KANA,
    IDM_SORT_NATIONAL,
    IDM_SORT_RS_HOENN,
    IDM_SORT_DP_SINNOH,
    IDM_SORT_PT_SINNOH,
    IDM_SORT_HGSS_JOHTO,
    IDM_SORT_BW_UNOVA,
    IDM_SORT_B2W2_UNOVA,
    IDM_SORT_XY_CENTRAL_KALOS,
    IDM_SORT_XY_COASTAL_KALOS,
    IDM_SORT_XY_MOUNTAIN_KALOS,
    IDM_SORT_ORAS_HOENN,
    IDM_SORT_SM_ALOLA,
    IDM_SORT_USUM_ALOLA,
    IDM_SORT_GALAR,
    IDM_SORT_ISLE_OF_ARMOR,
    IDM_SORT_CROWN_TUNDRA,
    IDM_SORT_BDSP_SINNOH,
    IDM_SORT_PALDEA,
    IDM_SORT_KITAKAMI,
    IDM_SORT_BLUEBERRY};

// The order of a sort command; SpeciesOrderCount for any other value.
int FindOrderOfSortCommand(uint32_t command) {
  int order = 0;
  while (order < SpeciesOrderCount && SortCommands[order] != command) ++order;
  return order;
}

// The query of a window-side call: the chosen generation and the clue
// arguments as one record.
IvQuery QueryOf(const char16_t* speciesName, const char16_t* natureName,
                const StatusEntry* entries, int32_t entryCount,
                const char16_t* characteristic, const char16_t* hiddenPowerType,
                int32_t overallVerdict, const int32_t (&marks)[StatCount],
                int32_t bestStatVerdict) {
  return {speciesName,
          natureName,
          ChosenGame(),
          entries,
          entryCount,
          {characteristic,
           hiddenPowerType,
           overallVerdict,
           {marks[0], marks[1], marks[2], marks[3], marks[4], marks[5]},
           bestStatVerdict,
           {}},
          false};
}

}  // namespace

const GameDefinition* GameOfModeCommand(uint32_t command) {
  for (int i = 0; i < GameDefinitionCount; ++i)
    if (ModeCommands[i] == command)
      return FindGameDefinition(FirstGeneration + i);
  return nullptr;
}

uint32_t ModeCommandOf(int generation) {
  if (generation < FirstGeneration || generation > LastGeneration) return 0;
  return ModeCommands[generation - FirstGeneration];
}

const GameDefinition* ChosenGame() { return GameOfModeCommand(GameMode); }

bool IsSortCommand(uint32_t command) {
  return FindOrderOfSortCommand(command) < SpeciesOrderCount;
}

SpeciesOrder OrderOfSortCommand(uint32_t command) {
  return static_cast<SpeciesOrder>(FindOrderOfSortCommand(command));
}

uint32_t SortCommandOf(int order) {
  if (order < 0 || order >= SpeciesOrderCount) return 0;
  return SortCommands[order];
}

void MarkRadioCommand(HMENU submenu, uint32_t command) {
  int count = GetMenuItemCount(submenu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(submenu, position) != command) continue;
    CheckMenuRadioItem(submenu, 0, static_cast<UINT>(count - 1),
                       static_cast<UINT>(position), MF_BYPOSITION);
    return;
  }
}

int32_t CalcIndividualValues(const char16_t* speciesName,
                             const char16_t* natureName,
                             const StatusEntry* entries, int32_t entryCount,
                             IvResult* result, const char16_t* characteristic,
                             const char16_t* hiddenPowerType,
                             int32_t overallVerdict, int32_t markHp,
                             int32_t markAttack, int32_t markDefense,
                             int32_t markSpAtk, int32_t markSpDef,
                             int32_t markSpeed, int32_t bestStatVerdict) {
  // A missing nature name is no nature here, not an unknown one: the empty
  // text matches none.
  return CalcIndividualValuesWithHints(
      speciesName, natureName != nullptr ? natureName : u"", entries,
      entryCount, result, nullptr, nullptr, characteristic, hiddenPowerType,
      overallVerdict, markHp, markAttack, markDefense, markSpAtk, markSpDef,
      markSpeed, bestStatVerdict);
}

int32_t CalcIndividualValuesAnyNature(
    const char16_t* speciesName, const StatusEntry* entries, int32_t entryCount,
    IvResult* result, uint32_t* natureSet, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict) {
  return CalcIndividualValuesWithHints(
      speciesName, nullptr, entries, entryCount, result, natureSet, nullptr,
      characteristic, hiddenPowerType, overallVerdict, markHp, markAttack,
      markDefense, markSpAtk, markSpDef, markSpeed, bestStatVerdict);
}

int32_t CalcIndividualValuesWithHints(
    const char16_t* speciesName, const char16_t* natureName,
    const StatusEntry* entries, int32_t entryCount, IvResult* result,
    uint32_t* natureSet, LevelHint* hints, const char16_t* characteristic,
    const char16_t* hiddenPowerType, int32_t overallVerdict, int32_t markHp,
    int32_t markAttack, int32_t markDefense, int32_t markSpAtk,
    int32_t markSpDef, int32_t markSpeed, int32_t bestStatVerdict) {
  IvQuery query = QueryOf(
      speciesName, natureName, entries, entryCount, characteristic,
      hiddenPowerType, overallVerdict,
      {markHp, markAttack, markDefense, markSpAtk, markSpDef, markSpeed},
      bestStatVerdict);
  query.levelHints = hints != nullptr;
  IvAnswer answer;
  int32_t status = AnswerIvQuery(query, answer);
  if (status != CalcOk) return status;
  *result = answer.result;
  if (natureSet != nullptr) *natureSet = answer.natureSet;
  if (hints != nullptr)
    for (int stat = 0; stat < StatCount; ++stat)
      hints[stat] = answer.hints[stat];
  return status;
}
