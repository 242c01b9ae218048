// The clue stage against brute force: for small candidate sets every IV
// combination is enumerated, the combinations that satisfy the clues' literal
// meaning are kept, and the engine's sets must contain every IV that occurs
// in a kept combination. The engine's filters work on bounds and are allowed
// to keep more than that; each test prints how often they are exact.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "clue_reference.h"
#include "support/true_monster.h"

namespace {

struct Tally {
  long cases = 0;
  long exact = 0;
  long unsatisfiable = 0;  // no combination survives the clues

  void Print(const char* what) const {
    std::printf(
        "[ exactness ] %s: exact in %ld of %ld cases (%.1f%%), %ld "
        "without any surviving combination\n",
        what, exact, cases, cases ? 100.0 * exact / cases : 0.0, unsatisfiable);
  }
};

std::string Describe(const ClueCase& c) {
  char text[320];
  std::snprintf(text, sizeof text,
                "masks %08x %08x %08x %08x %08x %08x, characteristic %d, "
                "type %d, overall %d, marks %d %d %d %d %d %d, best %d, "
                "per-stat %d: %d %d %d %d %d %d, no hidden power %d",
                c.masks[0], c.masks[1], c.masks[2], c.masks[3], c.masks[4],
                c.masks[5], c.characteristic, c.type, c.overall, c.marks[0],
                c.marks[1], c.marks[2], c.marks[3], c.marks[4], c.marks[5],
                c.best, c.perStat, c.statVerdicts[0], c.statVerdicts[1],
                c.statVerdicts[2], c.statVerdicts[3], c.statVerdicts[4],
                c.statVerdicts[5], c.noHiddenPower);
  return text;
}

// Runs one case through both sides. Fails when the engine drops an IV that a
// surviving combination uses, or breaks the invariants every result keeps
// (BrokenResultInvariant). Returns whether the engine's sets equal the
// brute-force sets.
bool CheckCase(const ClueCase& c, Tally& tally) {
  IvMask expected[StatCount];
  long survivors = ReferenceMasks(c, expected);
  IvResult got = EngineMasks(c);
  ++tally.cases;
  if (survivors == 0) ++tally.unsatisfiable;
  bool exact = true;
  for (int s = 0; s < StatCount; ++s) {
    EXPECT_EQ(expected[s] & ~got.stats[s].mask, 0u)
        << "stat " << s << " lost a possible IV; " << Describe(c);
    if (got.stats[s].mask != expected[s]) exact = false;
  }
  // The clue stage works out no hidden power.
  EXPECT_STREQ(BrokenResultInvariant(got, HiddenPowerPowerRule::None), nullptr)
      << Describe(c);
  if (exact) ++tally.exact;
  return exact;
}

// Six IVs: uniform, all high (where the judge's verdicts bite), all low, all
// next to zero, or each stat on its own choice of these.
void RandomIvs(std::mt19937& rng, int ivs[StatCount]) {
  int style = static_cast<int>(rng() % 5);
  for (int s = 0; s < StatCount; ++s) {
    int pick = style == 4 ? static_cast<int>(rng() % 4) : style;
    if (pick == 1)
      ivs[s] = 20 + static_cast<int>(rng() % 12);
    else if (pick == 2)
      ivs[s] = static_cast<int>(rng() % 13);
    else if (pick == 3)
      ivs[s] = static_cast<int>(rng() % 2);
    else
      ivs[s] = static_cast<int>(rng() % 32);
  }
}

// A candidate set holding `iv` and up to `extra` more IVs, near it or from
// anywhere.
IvMask MaskAround(std::mt19937& rng, int iv, int extra) {
  IvMask mask = 1u << iv;
  int wanted = 1 + static_cast<int>(rng() % (extra + 1));
  bool near = rng() % 2 == 0;
  int low = near && iv > 5 ? iv - 5 : 0;
  int high = near && iv < 26 ? iv + 5 : 31;
  while (__builtin_popcount(mask) < wanted)
    mask |= 1u << (low + static_cast<int>(rng() % (high - low + 1)));
  return mask;
}

// Case whose masks hold the monster's true IVs and some others; no clue yet.
ClueCase AroundTruth(std::mt19937& rng, const int ivs[StatCount]) {
  ClueCase c{};
  for (int s = 0; s < StatCount; ++s) c.masks[s] = MaskAround(rng, ivs[s], 4);
  c.characteristic = -1;
  c.type = -1;
  for (int32_t& mark : c.marks) mark = MarkUnknown;
  return c;
}

// Checks a case built around true IVs: the truth itself must survive in the
// reference (else the reference is wrong) and, through CheckCase, in the
// engine.
void CheckTruthCase(const ClueCase& c, Tally& tally) {
  IvMask expected[StatCount];
  ASSERT_GT(ReferenceMasks(c, expected), 0) << Describe(c);
  CheckCase(c, tally);
}

// A set of 1..maxCandidates IVs, drawn from the whole range, around a random
// IV, from the top or from the bottom, for clues that need not fit.
IvMask RandomMask(std::mt19937& rng, int maxCandidates) {
  int ivs[StatCount];
  RandomIvs(rng, ivs);
  return MaskAround(rng, ivs[rng() % StatCount], maxCandidates - 1);
}

ClueCase NoClues(std::mt19937& rng, int maxCandidates) {
  ClueCase c{};
  for (IvMask& m : c.masks) m = RandomMask(rng, maxCandidates);
  c.characteristic = -1;
  c.type = -1;
  for (int32_t& mark : c.marks) mark = MarkUnknown;
  return c;
}

// A mark as the check boxes deliver it, sometimes an out-of-range value.
int32_t RandomMark(std::mt19937& rng) {
  static const int32_t values[] = {0, 1, 2, 2, 2, 2, -1, 3};
  return values[rng() % 8];
}

// A verdict index: mostly none or one of the four, sometimes out of range.
int32_t RandomVerdict(std::mt19937& rng) {
  static const int32_t values[] = {0, 0, 1, 2, 3, 4, -1, 5};
  return values[rng() % 8];
}

// One clue alone, for each of its values: `fittingRuns` cases around IVs
// that `draw` makes fit the value, then `arbitraryRuns` cases on arbitrary
// candidates; `set` puts the value into a case. With `exact` the engine must
// also match brute force on every case.
template <typename Draw, typename Set>
void CheckClueAlone(unsigned seed, const std::string& name, int first, int last,
                    int fittingRuns, int arbitraryRuns, bool exact, Draw draw,
                    Set set) {
  std::mt19937 rng(seed);
  Tally fitting;
  Tally arbitrary;
  for (int value = first; value <= last; ++value) {
    for (int i = 0; i < fittingRuns; ++i) {
      int ivs[StatCount];
      draw(rng, value, ivs);
      ClueCase c = AroundTruth(rng, ivs);
      set(c, value);
      CheckTruthCase(c, fitting);
      if (exact) {
        EXPECT_EQ(fitting.exact, fitting.cases) << Describe(c);
      }
    }
    for (int i = 0; i < arbitraryRuns; ++i) {
      ClueCase c = NoClues(rng, 5);
      set(c, value);
      bool same = CheckCase(c, arbitrary);
      if (exact) {
        EXPECT_TRUE(same) << Describe(c);
      }
    }
  }
  fitting.Print((name + " alone, fitting").c_str());
  arbitrary.Print((name + " alone, arbitrary").c_str());
}

TEST(ClueStageDifferential, EachCharacteristic) {
  CheckClueAlone(
      2, "characteristic", 0, CharacteristicCount - 1, 300, 100, false,
      [](std::mt19937& rng, int row, int* ivs) {
        // The named stat holds the highest IV, with the row's remainder.
        const CharacteristicRecord& r = CharacteristicTable[row];
        int top = r.remainder +
                  5 * static_cast<int>(rng() % ((31 - r.remainder) / 5 + 1));
        for (int s = 0; s < StatCount; ++s)
          ivs[s] = static_cast<int>(rng() % (top + 1));
        ivs[r.stat] = top;
      },
      [](ClueCase& c, int row) { c.characteristic = row; });
}

// The type depends on parities only, and the filter keeps a parity exactly
// when some fitting parity combination uses it: brute force must agree.
TEST(ClueStageDifferential, EachHiddenPowerTypeIsExact) {
  CheckClueAlone(
      3, "hidden power type", 0, HiddenPowerTypeCount - 1, 300, 100, true,
      [](std::mt19937& rng, int type, int* ivs) {
        do RandomIvs(rng, ivs);
        while (HiddenPowerTypeOf(ivs) != type);
      },
      [](ClueCase& c, int type) { c.type = type; });
}

TEST(ClueStageDifferential, EachOverallVerdict) {
  CheckClueAlone(
      4, "overall verdict", 1, 4, 500, 500, false,
      [](std::mt19937& rng, int verdict, int* ivs) {
        do RandomIvs(rng, ivs);
        while (OverallVerdictOf(ivs) != verdict);
      },
      [](ClueCase& c, int verdict) { c.overall = verdict; });
}

// Every choice of which boxes the player ticked from the judge's answer, with
// and without the verdict; and every pattern of best, not best and unknown
// with every verdict, whether it fits or not.
TEST(ClueStageDifferential, EveryBestStatMarkPattern) {
  std::mt19937 rng(5);
  Tally fitting;
  Tally arbitrary;
  for (int shown = 0; shown < 64; ++shown) {
    for (int i = 0; i < 100; ++i) {
      int ivs[StatCount];
      RandomIvs(rng, ivs);
      ClueCase c = AroundTruth(rng, ivs);
      for (int s = 0; s < StatCount; ++s)
        if (shown >> s & 1) c.marks[s] = BestStatMarkOf(ivs, s);
      c.best = i % 2 ? BestStatVerdictOf(ivs) : 0;
      CheckTruthCase(c, fitting);
    }
  }
  for (int32_t verdict = 0; verdict <= 4; ++verdict) {
    for (int pattern = 0; pattern < 729; ++pattern) {
      for (int i = 0; i < 2; ++i) {
        ClueCase c = NoClues(rng, 5);
        c.best = verdict;
        for (int s = 0, p = pattern; s < StatCount; ++s, p /= 3)
          c.marks[s] = p % 3;
        CheckCase(c, arbitrary);
      }
    }
  }
  fitting.Print("best-stat judge alone, fitting");
  arbitrary.Print("best-stat judge alone, arbitrary");
}

// Each clue the game would show for the true IVs, each given or not.
TEST(ClueStageDifferential, AllFittingCluesTogether) {
  std::mt19937 rng(6);
  Tally tally;
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    int ivs[StatCount];
    RandomIvs(rng, ivs);
    ClueCase c = AroundTruth(rng, ivs);
    if (rng() % 3) c.characteristic = CharacteristicOf(ivs, rng());
    if (rng() % 3) c.type = HiddenPowerTypeOf(ivs);
    if (rng() % 3) c.overall = OverallVerdictOf(ivs);
    if (rng() % 3) c.best = BestStatVerdictOf(ivs);
    for (int s = 0; s < StatCount; ++s)
      if (rng() % 2) c.marks[s] = BestStatMarkOf(ivs, s);
    CheckTruthCase(c, tally);
  }
  tally.Print("all fitting clues together");
}

// Arbitrary candidates and clues. Every fifth case gives no clue (verdicts
// and marks that say nothing): nothing may change. Every fifth has one stat
// without candidates (observations no IV reproduces): that must empty every
// stat, whatever the clues.
TEST(ClueStageDifferential, AllArbitraryCluesTogether) {
  std::mt19937 rng(7);
  Tally tally, noClue, oneEmpty;
  const int32_t noneVerdicts[] = {0, -1, 5, 1000};
  const int32_t unknownMarks[] = {2, -1, 3, 99};
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    ClueCase c = NoClues(rng, 5);
    if (i % 5 == 1) {
      c.overall = noneVerdicts[rng() % 4];
      c.best = noneVerdicts[rng() % 4];
      for (int32_t& mark : c.marks) mark = unknownMarks[rng() % 4];
      EXPECT_TRUE(CheckCase(c, noClue)) << Describe(c);
      continue;
    }
    c.characteristic =
        rng() % 3 == 0 ? -1 : static_cast<int>(rng() % CharacteristicCount);
    c.type =
        rng() % 3 == 0 ? -1 : static_cast<int>(rng() % HiddenPowerTypeCount);
    c.overall = RandomVerdict(rng);
    c.best = RandomVerdict(rng);
    for (int32_t& mark : c.marks) mark = RandomMark(rng);
    if (i % 5 != 0) {
      CheckCase(c, tally);
      continue;
    }
    c.masks[rng() % StatCount] = 0;
    EXPECT_TRUE(CheckCase(c, oneEmpty)) << Describe(c);
  }
  noClue.Print("no clue");
  tally.Print("all arbitrary clues together");
  oneEmpty.Print("one empty stat");
}

// Generations 7 to 9: per-stat verdicts (a trained stat, below 31, may read
// "きたえた"), alone (plain ranges: exact) and with the other clues, where the
// best-stat clues and, without hidden power, the type are arbitrary and
// ignored; in the best-stat games the per-stat verdicts are ignored.
TEST(ClueStageDifferential, PerStatVerdictsWithTheOtherClues) {
  std::mt19937 rng(9);
  Tally alone, fitting, arbitrary;
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    int ivs[StatCount];
    RandomIvs(rng, ivs);
    ClueCase c = AroundTruth(rng, ivs);
    c.perStat = rng() % 8 != 0;
    c.noHiddenPower = rng() % 2;
    for (int s = 0; s < StatCount; ++s)
      c.statVerdicts[s] =
          !c.perStat  ? RandomVerdict(rng) + 2
          : rng() % 4 ? StatVerdictOf(ivs[s], ivs[s] < 31 && rng() % 4 == 0)
                      : 0;
    if (i % 2 == 0 && c.perStat) {
      EXPECT_TRUE(CheckCase(c, alone)) << Describe(c);
      continue;
    }
    if (rng() % 2) c.characteristic = CharacteristicOf(ivs, rng());
    c.type = c.noHiddenPower ? static_cast<int>(rng() % HiddenPowerTypeCount)
                             : HiddenPowerTypeOf(ivs);
    if (rng() % 2) c.overall = OverallVerdictOf(ivs);
    c.best = c.perStat ? RandomVerdict(rng) : 0;
    for (int32_t& mark : c.marks) mark = c.perStat ? RandomMark(rng) : 2;
    CheckTruthCase(c, fitting);
    for (IvMask& m : c.masks) m = RandomMask(rng, 5);  // need not fit
    CheckCase(c, arbitrary);
  }
  alone.Print("per-stat verdicts alone");
  fitting.Print("per-stat verdicts with fitting clues");
  arbitrary.Print("per-stat verdicts with arbitrary candidates");
}

}  // namespace
