// The clue stage: characteristic, best-stat judge or per-stat verdicts,
// hidden power type and overall judge, each only removing candidates.
#include "engine.h"
#include "engine_internal.h"

const CharacteristicRecord CharacteristicTable[CharacteristicCount] = {
    {u"あばれることが　すき", StatAttack, 1},
    {u"イタズラが　すき", StatSpAtk, 1},
    {u"いねむりが　おおい", StatHp, 2},
    {u"うたれ　づよい", StatDefense, 1},
    {u"おっちょこちょい", StatSpeed, 2},
    {u"かけっこが　すき", StatSpeed, 0},
    {u"がまん　づよい", StatDefense, 4},
    {u"からだが　じょうぶ", StatDefense, 0},
    {u"かんがえごとが　おおい", StatSpAtk, 3},
    {u"きが　つよい", StatSpDef, 0},
    {u"ケンカを　するのが　すき", StatAttack, 3},
    {u"こうきしんが　つよい", StatSpAtk, 0},
    {u"しんぼう　づよい", StatDefense, 3},
    {u"すこし　おちょうしもの", StatSpeed, 3},
    {u"たべるのが　だいすき", StatHp, 0},
    {u"ちからが　じまん", StatAttack, 0},
    {u"ちのけが　おおい", StatAttack, 4},
    {u"ちょっと　おこりっぽい", StatAttack, 2},
    {u"ちょっぴり　ごうじょう", StatSpDef, 4},
    {u"ちょっぴり　みえっぱり", StatSpDef, 1},
    {u"とても　きちょうめん", StatSpAtk, 4},
    {u"にげるのが　はやい", StatSpeed, 4},
    {u"ぬけめが　ない", StatSpAtk, 2},
    {u"ねばり　づよい", StatDefense, 2},
    {u"のんびりするのが　すき", StatHp, 4},
    {u"ひるねを　よくする", StatHp, 1},
    {u"まけずぎらい", StatSpDef, 3},
    {u"まけんきが　つよい", StatSpDef, 2},
    {u"ものおとに　びんかん", StatSpeed, 1},
    {u"ものを　よく　ちらかす", StatHp, 3},
};

const VerdictRecord OverallVerdict[VerdictCount] = {
    {u"", AllIvs, AllIvs, 0, 186},
    {u"すばらしい のうりょく", AllIvs, AllIvs, 151, 186},
    {u"そうとう ゆうしゅうな のうりょく", AllIvs, AllIvs, 121, 150},
    {u"へいきん いじょうの のうりょく", AllIvs, AllIvs, 91, 120},
    {u"まずまずの のうりょく", AllIvs, AllIvs, 0, 90},
};

const VerdictRecord BestStatVerdict[VerdictCount] = {
    {u"", AllIvs, AllIvs, 0, 186},
    {u"さいこうの ちから (ばっちりっ! ぱーふぇくと)", 0x80000000u, 0xFFFFFFFFu,
     0, 186},
    {u"すばらしい ちから", 0x7C000000u, 0x7FFFFFFFu, 0, 186},
    {u"かなりの ちから", 0x03FF0000u, 0x03FFFFFFu, 0, 186},
    {u"まあまあの ちから", 0x0000FFFFu, 0x0000FFFFu, 0, 186},
};

const StatVerdictRecord StatVerdict[StatVerdictCount] = {
    {u"", AllIvs},
    {u"さいこう", 0x80000000u},    // 31
    {u"すばらしい", 0x40000000u},  // 30
    {u"すごくいい", 0x3C000000u},  // 26..29
    {u"かなりいい", 0x03FF0000u},  // 16..25
    {u"まあまあ", 0x0000FFFEu},    // 1..15
    {u"ダメかも", 0x00000001u},    // 0
    {u"きたえた", 0x7FFFFFFFu},    // 0..30: hyper trained
};

namespace {

// Per remainder modulo 5: the IVs the named stat may hold, and the cap for
// every stat (the highest IV with that remainder).
constexpr IvMask RemainderCandidates[5] = {
    0x42108421u, 0x84210842u, 0x08421084u, 0x10842108u, 0x21084210u};
constexpr IvMask RemainderCap[5] = {0x7FFFFFFFu, 0xFFFFFFFFu, 0x0FFFFFFFu,
                                    0x1FFFFFFFu, 0x3FFFFFFFu};
constexpr IvMask OddIvs = 0xAAAAAAAAu;
constexpr IvMask EvenIvs = 0x55555555u;

const VerdictRecord& VerdictAt(const VerdictRecord* table, int32_t index) {
  return index >= 1 && index < VerdictCount ? table[index] : table[0];
}

void ApplyCharacteristic(IvResult& result, const CharacteristicRecord& clue) {
  StatResult* stats = result.stats;
  for (int stat = 0; stat < StatCount; ++stat)
    stats[stat].mask &= RemainderCap[clue.remainder];
  StatResult& named = stats[clue.stat];
  named.mask &= RemainderCandidates[clue.remainder];

  // The named stat is at least every stat's lowest candidate (as the bounds
  // stand now).
  int lowest = 0;
  for (int stat = 0; stat < StatCount; ++stat)
    if (stats[stat].minIv > lowest) lowest = stats[stat].minIv;
  named.mask &= ~IvsUpTo(lowest - 1);
  RefreshBounds(named);

  // A pinned named stat caps every other stat at its value.
  if (named.minIv == named.maxIv && named.minIv < 31) {
    for (int stat = 0; stat < StatCount; ++stat) {
      if (stat == clue.stat) continue;
      stats[stat].mask &= IvsUpTo(named.minIv);
      RefreshBounds(stats[stat]);
    }
  }
}

void ApplyBestStatJudge(IvResult& result, const IvClues& clues) {
  const VerdictRecord& verdict =
      VerdictAt(BestStatVerdict, clues.bestStatVerdict);
  IvMask common = AllIvs;
  for (int stat = 0; stat < StatCount; ++stat) {
    IvMask& mask = result.stats[stat].mask;
    if (clues.marks[stat] == MarkBest) {
      mask &= verdict.range;
      common &= mask;
    } else {
      mask &= verdict.cap;
    }
  }
  int best = common != 0 ? HighestCandidate(common) : 31;
  for (int stat = 0; stat < StatCount; ++stat) {
    IvMask& mask = result.stats[stat].mask;
    if (clues.marks[stat] == MarkBest)
      mask = common;
    else if (clues.marks[stat] == MarkNotBest)
      mask &= IvsUpTo(best - 1);
    else
      mask &= IvsUpTo(best);
  }
}

void ApplyHiddenPowerType(IvResult& result, int typeIndex) {
  bool hasOdd[StatCount];
  bool hasEven[StatCount];
  for (int stat = 0; stat < StatCount; ++stat) {
    hasOdd[stat] = (result.stats[stat].mask & OddIvs) != 0;
    hasEven[stat] = (result.stats[stat].mask & EvenIvs) != 0;
  }
  bool oddAllowed[StatCount] = {};
  bool evenAllowed[StatCount] = {};
  IvResult parities{};
  for (int m = 0; m < 64; ++m) {
    bool possible = true;
    for (int stat = 0; stat < StatCount; ++stat) {
      bool odd = (m >> stat) & 1;
      parities.stats[stat].minIv = odd ? 1 : 0;
      if (odd ? !hasOdd[stat] : !hasEven[stat]) possible = false;
    }
    if (!possible || HiddenPowerTypeIndex(parities) != typeIndex) continue;
    for (int stat = 0; stat < StatCount; ++stat) {
      if ((m >> stat) & 1)
        oddAllowed[stat] = true;
      else
        evenAllowed[stat] = true;
    }
  }
  for (int stat = 0; stat < StatCount; ++stat) {
    if (!evenAllowed[stat]) result.stats[stat].mask &= OddIvs;
    if (!oddAllowed[stat]) result.stats[stat].mask &= EvenIvs;
  }
}

void ApplyOverallJudge(IvResult& result, int32_t verdictIndex) {
  const VerdictRecord& verdict = VerdictAt(OverallVerdict, verdictIndex);
  for (int stat = 0; stat < StatCount; ++stat) {
    // An empty stat counts as 255, so it empties every other stat.
    int sumMax = 0;
    int sumMin = 0;
    for (int other = 0; other < StatCount; ++other) {
      if (other == stat) continue;
      IvMask mask = result.stats[other].mask;
      sumMax += mask != 0 ? HighestCandidate(mask) : 255;
      sumMin += mask != 0 ? LowestCandidate(mask) : 255;
    }
    IvMask& mask = result.stats[stat].mask;
    // Too low to reach the lowest sum even with the others at their highest.
    mask &= ~IvsUpTo(verdict.sumLow - sumMax - 1);
    // Too high to stay within the highest sum with the others at their lowest.
    mask &= IvsUpTo(verdict.sumHigh - sumMin);
  }
}

// Each stat's verdict narrows it to the verdict's range; the empty item and
// unknown indexes tell nothing.
void ApplyStatVerdicts(IvResult& result, const int32_t (&verdicts)[StatCount]) {
  for (int stat = 0; stat < StatCount; ++stat) {
    int32_t index = verdicts[stat];
    if (index < 1 || index >= StatVerdictCount) continue;
    result.stats[stat].mask &= StatVerdict[index].range;
    RefreshBounds(result.stats[stat]);
  }
}

bool SameMasks(const IvResult& result, const IvMask (&masks)[StatCount]) {
  for (int stat = 0; stat < StatCount; ++stat)
    if (result.stats[stat].mask != masks[stat]) return false;
  return true;
}

}  // namespace

int FindCharacteristicIndex(const char16_t* text) {
  if (text == nullptr) return -1;
  for (int i = 0; i < CharacteristicCount; ++i)
    if (NameEquals(CharacteristicTable[i].text, text)) return i;
  return -1;
}

void ApplyClues(IvResult& result, const IvClues& clues,
                const ClueRules& rules) {
  int characteristic = FindCharacteristicIndex(clues.characteristic);
  int typeIndex =
      rules.hiddenPower ? FindHiddenPowerTypeIndex(clues.hiddenPowerType) : -1;
  bool bestStatJudge = rules.judge == JudgeKind::BestStat;
  // The per-stat verdicts are plain ranges: one pass ahead of the loop.
  if (!bestStatJudge) ApplyStatVerdicts(result, clues.statVerdicts);
  IvMask previous[StatCount] = {};
  while (!SameMasks(result, previous)) {
    for (int stat = 0; stat < StatCount; ++stat)
      previous[stat] = result.stats[stat].mask;
    if (characteristic >= 0)
      ApplyCharacteristic(result, CharacteristicTable[characteristic]);
    if (bestStatJudge) ApplyBestStatJudge(result, clues);
    if (typeIndex >= 0) ApplyHiddenPowerType(result, typeIndex);
    ApplyOverallJudge(result, clues.overallVerdict);
    for (int stat = 0; stat < StatCount; ++stat)
      RefreshBounds(result.stats[stat]);
  }
}
