// Where the input form's controls stand: the ids of each stat row and of the
// thirteen numeric fields with their up-down controls, the fields' ranges,
// and where the settings submenus stand in the menu bar.
#pragma once

#include "document/document.h"
#include "document/observation.h"
#include "engine/engine.h"
#include "res/resource.h"

// The controls of one stat row (0 where the row has none).
struct StatRowControls {
  int statField;
  int statSpin;
  int evField;
  int evSpin;
  int ivField;
  int natureMark;
  int bestBox;
  int nextLevelField;
  int verdictLabel;  // the per-stat judge (generations 7 to 9)
  int verdict;
  int trainedBox;  // read after hyper training (generations 7 to 9)
};

// In StatIndex order: HP, Attack, Defense, Sp. Atk, Sp. Def, Speed.
constexpr StatRowControls StatRows[StatCount] = {
    {IDC_HP_STAT, IDC_HP_STAT_SPIN, IDC_HP_EV, IDC_HP_EV_SPIN, IDC_HP_IV, 0,
     IDC_BEST_HP, IDC_HP_NEXT, IDC_HP_VERDICT_LABEL, IDC_HP_VERDICT,
     IDC_HP_TRAINED},
    {IDC_ATTACK_STAT, IDC_ATTACK_STAT_SPIN, IDC_ATTACK_EV, IDC_ATTACK_EV_SPIN,
     IDC_ATTACK_IV, IDC_ATTACK_MARK, IDC_BEST_ATTACK, IDC_ATTACK_NEXT,
     IDC_ATTACK_VERDICT_LABEL, IDC_ATTACK_VERDICT, IDC_ATTACK_TRAINED},
    {IDC_DEFENSE_STAT, IDC_DEFENSE_STAT_SPIN, IDC_DEFENSE_EV,
     IDC_DEFENSE_EV_SPIN, IDC_DEFENSE_IV, IDC_DEFENSE_MARK, IDC_BEST_DEFENSE,
     IDC_DEFENSE_NEXT, IDC_DEFENSE_VERDICT_LABEL, IDC_DEFENSE_VERDICT,
     IDC_DEFENSE_TRAINED},
    {IDC_SPATK_STAT, IDC_SPATK_STAT_SPIN, IDC_SPATK_EV, IDC_SPATK_EV_SPIN,
     IDC_SPATK_IV, IDC_SPATK_MARK, IDC_BEST_SPATK, IDC_SPATK_NEXT,
     IDC_SPATK_VERDICT_LABEL, IDC_SPATK_VERDICT, IDC_SPATK_TRAINED},
    {IDC_SPDEF_STAT, IDC_SPDEF_STAT_SPIN, IDC_SPDEF_EV, IDC_SPDEF_EV_SPIN,
     IDC_SPDEF_IV, IDC_SPDEF_MARK, IDC_BEST_SPDEF, IDC_SPDEF_NEXT,
     IDC_SPDEF_VERDICT_LABEL, IDC_SPDEF_VERDICT, IDC_SPDEF_TRAINED},
    {IDC_SPEED_STAT, IDC_SPEED_STAT_SPIN, IDC_SPEED_EV, IDC_SPEED_EV_SPIN,
     IDC_SPEED_IV, IDC_SPEED_MARK, IDC_BEST_SPEED, IDC_SPEED_NEXT,
     IDC_SPEED_VERDICT_LABEL, IDC_SPEED_VERDICT, IDC_SPEED_TRAINED},
};

// Every stat row has its per-stat judge and trained box (a missing one
// would be id 0).
constexpr bool EveryRowHasTheNewControls() {
  for (const StatRowControls& row : StatRows)
    if (row.verdictLabel == 0 || row.verdict == 0 || row.trainedBox == 0)
      return false;
  return true;
}
static_assert(EveryRowHasTheNewControls(), "per-stat judge and trained ids");

// The thirteen numeric fields in status-list column order (level, six stats,
// six effort values), each with the up-down control that follows it.
struct NumericField {
  int field;
  int spin;
};
constexpr int NumericFieldCount = 13;
constexpr NumericField NumericFields[NumericFieldCount] = {
    {IDC_LEVEL, IDC_LEVEL_SPIN},
    {IDC_HP_STAT, IDC_HP_STAT_SPIN},
    {IDC_ATTACK_STAT, IDC_ATTACK_STAT_SPIN},
    {IDC_DEFENSE_STAT, IDC_DEFENSE_STAT_SPIN},
    {IDC_SPATK_STAT, IDC_SPATK_STAT_SPIN},
    {IDC_SPDEF_STAT, IDC_SPDEF_STAT_SPIN},
    {IDC_SPEED_STAT, IDC_SPEED_STAT_SPIN},
    {IDC_HP_EV, IDC_HP_EV_SPIN},
    {IDC_ATTACK_EV, IDC_ATTACK_EV_SPIN},
    {IDC_DEFENSE_EV, IDC_DEFENSE_EV_SPIN},
    {IDC_SPATK_EV, IDC_SPATK_EV_SPIN},
    {IDC_SPDEF_EV, IDC_SPDEF_EV_SPIN},
    {IDC_SPEED_EV, IDC_SPEED_EV_SPIN},
};

// The up-down control of a numeric field, or 0 when `id` is not one.
constexpr int SpinOfNumericField(int id) {
  for (const NumericField& entry : NumericFields)
    if (entry.field == id) return entry.spin;
  return 0;
}

// The nature box's last item: the nature is not known (the text files hold
// it too, as UnknownNatureName).
inline const wchar_t* const UnknownNatureItem =
    reinterpret_cast<const wchar_t*>(UnknownNatureName);

// Text capacities of the name fields: 19 and 5 characters and the terminator.
constexpr int SpeciesTextCapacity = 20;
constexpr int NatureTextCapacity = 6;
// A status list cell holds at most 4 characters: "231*" for a stat read
// after hyper training.
constexpr int CellTextCapacity = 5;

// "設定(&O)" is the second menu; its first submenu holds the modes, its
// second the species list orders.
constexpr int SettingsMenuPosition = 1;
constexpr int ModeMenuPosition = 0;
constexpr int SortMenuPosition = 1;
