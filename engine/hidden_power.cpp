// Hidden power: type from the IVs' parities, power from their second bits.
#include "engine.h"
#include "engine_internal.h"

const char16_t
    HiddenPowerTypeNames[HiddenPowerTypeCount][HiddenPowerTypeCapacity] = {
        u"かくとう", u"ひこう", u"どく",     u"じめん", u"いわ", u"むし",
        u"ゴースト", u"はがね", u"ほのお",   u"みず",   u"くさ", u"でんき",
        u"エスパー", u"こおり", u"ドラゴン", u"あく"};

namespace {

// Bit weight of each stat in StatIndex order: the games weigh HP, Attack,
// Defense, Speed, Sp. Atk, Sp. Def as 1, 2, 4, 8, 16, 32.
constexpr int StatWeight[StatCount] = {1, 2, 4, 16, 32, 8};

// Sum of the weights of the stats whose IV has the given bit set.
int WeightedBits(const IvResult& ivs, unsigned bit) {
  int sum = 0;
  for (int stat = 0; stat < StatCount; ++stat)
    if (ivs.stats[stat].minIv & bit) sum += StatWeight[stat];
  return sum;
}

}  // namespace

int HiddenPowerTypeIndex(const IvResult& ivs) {
  return WeightedBits(ivs, 1) * 15 / 63;
}

int FindHiddenPowerTypeIndex(const char16_t* text) {
  if (text == nullptr) return -1;
  for (int i = 0; i < HiddenPowerTypeCount; ++i)
    if (NameEquals(HiddenPowerTypeNames[i], text)) return i;
  return -1;
}

int32_t CalcHiddenPower(IvResult* result, HiddenPowerPowerRule rule) {
  CopyName(result->hiddenPowerType, HiddenPowerTypeCapacity,
           HiddenPowerTypeNames[HiddenPowerTypeIndex(*result)]);
  int powerBits = WeightedBits(*result, 2);
  result->hiddenPowerPower =
      rule == HiddenPowerPowerRule::Fixed60
          ? 60
          : static_cast<uint8_t>(powerBits * 40 / 63 + 30);
  return 1;
}
