// The species list orders: which records each lists and in what order.
#include "data/species_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace {

// What the species list shows.
std::vector<std::u16string> Listed(int order, const GameDefinition& game) {
  const char16_t* names[ModernSpeciesCount + 1];
  int count = ListSpeciesNames(game, order, names, ModernSpeciesCount + 1);
  return std::vector<std::u16string>(names, names + count);
}

// The modern record of a name (names are unique in the modern table).
const ModernSpeciesRecord* ModernRecord(const std::u16string& name) {
  for (const ModernSpeciesRecord& r : ModernSpeciesTable)
    if (name == r.name) return &r;
  return nullptr;
}

class SpeciesOrderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadTestGameData()); }
};

// Modes 3 to 6 offer the twelve classic orders, 7 to 9 kana, national and
// their own regional orders; an order not offered lists nothing. A modern
// order lists the rows the generation lists that have its number, by that
// number then row id, each found again with that generation's base stats.
// Kana and national list every record of the mode, kana in code unit order.
TEST_F(SpeciesOrderTest, EachModeListsItsOwnOrders) {
  const int offered[] = {12, 12, 12, 12, 4, 6, 5};
  const std::size_t sizes[] = {389, 505, 666, 745, 846, 951, 1098};
  for (int g = 3; g <= 9; ++g) {
    int count = 0;
    for (int order = -1; order <= SpeciesOrderCount; ++order) {
      auto names = Listed(order, Gen(g));
      bool modern = order >= OrderSmAlola;
      if (!IsOrderOffered(order, Gen(g)) || (g < 7 && modern) ||
          (g >= 7 && order > OrderNational && !modern)) {
        EXPECT_TRUE(names.empty() && !IsOrderOffered(order, Gen(g))) << order;
        continue;
      }
      ++count;
      if (order <= OrderNational) {
        EXPECT_EQ(names.size(), sizes[g - 3]) << g << " " << order;
      }
      for (std::size_t i = 1; i < names.size() && order == OrderKana; ++i)
        EXPECT_LT(names[i - 1], names[i]) << g << " " << i;
      std::size_t wanted = 0, last = 0;
      for (const ModernSpeciesRecord& r : ModernSpeciesTable)
        wanted += IsListedInGeneration(r, g) &&
                  (!modern || RegionalNumber(r, order - OrderSmAlola) >= 0);
      EXPECT_TRUE(g < 7 || names.size() == wanted) << g << " " << order;
      for (std::size_t i = 0; i < names.size() && g >= 7; ++i) {
        const ModernSpeciesRecord& r = *ModernRecord(names[i]);
        int key = !modern ? r.nationalNo : r.regionalNo[order - OrderSmAlola];
        std::size_t at = key * 2048 + r.rowId;
        EXPECT_TRUE(order == OrderKana || at > last)
            << g << " " << order << " " << i;
        last = at;
        SpeciesStats stats{};
        EXPECT_TRUE(FindSpeciesInGame(Gen(g), names[i].c_str(), stats) &&
                    std::equal(stats.baseStats, stats.baseStats + 6,
                               ModernBaseStats(r, g)));
      }
    }
    EXPECT_EQ(count, offered[g - 3]) << g;
  }
  // Only the mode's own table and rows, also behind the name index's back.
  SpeciesStats stats{}, later{};
  EXPECT_FALSE(FindSpeciesInGame(Gen(7), u"ジガルデ", stats));  // classic only
  EXPECT_TRUE(FindSpeciesInGame(Gen(7), u"クレセリア", stats) &&
              FindSpeciesInGame(Gen(9), u"クレセリア", later) &&
              stats.baseStats[2] != later.baseStats[2]);  // changed in 9
  EXPECT_TRUE(FindSpeciesInGame(Gen(9), u"ヌケニン", stats) &&
              stats.hpAlwaysOne);
  std::reverse(ModernSpeciesTable, ModernSpeciesTable + ModernSpeciesCount);
  EXPECT_TRUE(IsSpeciesListedInGame(Gen(9), u"ニャオハ"));
  EXPECT_FALSE(FindSpeciesInGame(Gen(8), u"ニャオハ", stats));
  ASSERT_TRUE(LoadTestGameData());
}

TEST_F(SpeciesOrderTest, NationalOrderFollowsTheModesNumber) {
  auto gen6 = Listed(OrderNational, Gen(6));
  ASSERT_GE(gen6.size(), 4u);
  EXPECT_EQ(gen6[0], u"フシギダネ");
  EXPECT_EQ(gen6[1], u"フシギソウ");
  EXPECT_EQ(gen6[2], u"フシギバナ");
  EXPECT_EQ(gen6[3], u"ヒトカゲ");
  // Of the two ピカチュウ records only the generation-6 one is listed.
  SortSpeciesTable(OrderNational, Gen(6));
  for (const SpeciesRecord& r : SpeciesTable)
    if (IsListedInGame(r, Gen(6)) && NameEquals(u"ピカチュウ", r.name)) {
      EXPECT_EQ(r.nationalNo, NoNumber);
    }
  // Deoxys' four records share national number 386: serialNo decides.
  auto gen3 = Listed(OrderNational, Gen(3));
  ASSERT_EQ(gen3.size(), 389u);
  EXPECT_EQ(gen3[385], u"デオキシス　ノーマルフォルム");
  EXPECT_EQ(gen3[388].substr(0, 6), u"デオキシス　");
  auto gen6Deoxys =
      std::find(gen6.begin(), gen6.end(), u"デオキシス　ノーマルフォルム");
  ASSERT_LT(gen6Deoxys + 3, gen6.end());
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(gen6Deoxys[k].substr(0, 6), u"デオキシス　") << k;
  SortSpeciesTable(OrderNational, Gen(3));
  int16_t lastSerial = 0;
  for (const SpeciesRecord& r : SpeciesTable) {
    if (!IsListedInGame(r, Gen(3)) || r.nationalNo != 386) continue;
    EXPECT_GT(r.serialNo, lastSerial);
    lastSerial = r.serialNo;
  }
}

TEST_F(SpeciesOrderTest, RegionalOrders) {
  EXPECT_TRUE(Listed(OrderBwUnova, Gen(3)).empty());
  EXPECT_EQ(Listed(OrderBwUnova, Gen(5)).front(), u"ビクティニ");
  EXPECT_EQ(Listed(OrderBwUnova, Gen(6)).front(), u"ビクティニ");
  EXPECT_EQ(Listed(OrderDpSinnoh, Gen(3)).size(), 70u);
  auto dp = Listed(OrderDpSinnoh, Gen(6));
  EXPECT_EQ(dp.size(), 144u);
  EXPECT_EQ(dp.front(), u"ナエトル");
  auto kitakami = Listed(OrderKitakami, Gen(9));  // a modern order's rows
  ASSERT_EQ(kitakami.size(), 205u);
  EXPECT_EQ(kitakami[0], u"イトマル");
  EXPECT_EQ(kitakami[1], u"アリアドス");
  // Platinum lists more of the same numbers than Diamond/Pearl.
  EXPECT_GT(Listed(OrderPtSinnoh, Gen(4)).size(),
            Listed(OrderDpSinnoh, Gen(4)).size());
}

// Forms follow their plain name, before the next name.
TEST_F(SpeciesOrderTest, KanaOrderKeepsFormsTogether) {
  auto names = Listed(OrderKana, Gen(6));
  std::size_t rotom = 0;
  while (rotom < names.size() && names[rotom] != u"ロトム") ++rotom;
  ASSERT_LT(rotom + 6, names.size());
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(names[rotom + i].substr(0, 4), u"ロトム　");
  EXPECT_EQ(names[rotom + 6], u"ローブシン");
}

TEST(CompareTest, NumbersAreSignedThenSerial) {
  SpeciesRecord a{}, b{};
  a.serialNo = 5;
  b.serialNo = 3;
  EXPECT_LT(CompareByNumber(-1, 0, a, b), 0);
  EXPECT_GT(CompareByNumber(7, 2, a, b), 0);
  EXPECT_GT(CompareByNumber(4, 4, a, b), 0);
  EXPECT_EQ(CompareByNumber(4, 4, a, a), 0);
}

TEST(CompareTest, NamesCompareUnsignedCodeUnitsPrefixFirst) {
  SpeciesRecord a{}, b{};
  CopyName(a.name, SpeciesNameCapacity, u"ロトム");
  CopyName(b.name, SpeciesNameCapacity, u"ロトム　ヒートロトム");
  EXPECT_LT(CompareByName(a, b), 0);
  CopyName(b.name, SpeciesNameCapacity, u"ローブシン");
  EXPECT_LT(CompareByName(a, b), 0);  // ー sorts after every katakana
  CopyName(a.name, SpeciesNameCapacity, u"カ");
  CopyName(b.name, SpeciesNameCapacity, u"ガ");
  EXPECT_LT(CompareByName(a, b), 0);
  EXPECT_EQ(CompareByName(a, a), 0);
  a.name[0] = 0xFFFF;  // high code units are not negative
  EXPECT_GT(CompareByName(a, b), 0);
}

TEST(ListedInOrderTest, DiamondPearlCutsThePlatinumList) {
  SpeciesRecord r{};
  r.ptSinnohNo = 151;
  EXPECT_TRUE(IsListedInOrder(r, OrderDpSinnoh));
  r.ptSinnohNo = 152;
  EXPECT_FALSE(IsListedInOrder(r, OrderDpSinnoh));
  EXPECT_TRUE(IsListedInOrder(r, OrderPtSinnoh));
  r.ptSinnohNo = -1;
  EXPECT_FALSE(IsListedInOrder(r, OrderPtSinnoh));
  EXPECT_TRUE(IsListedInOrder(r, OrderKana));
  EXPECT_FALSE(IsListedInOrder(r, SpeciesOrderCount));
  EXPECT_FALSE(IsListedInOrder(r, -1));
}

// The remembered form of an order: one key each, found again, and nothing
// for a value that is no order or a text that is no key.
TEST(ListedInOrderTest, EveryOrderHasItsOwnKey) {
  for (int order = 0; order < SpeciesOrderCount; ++order) {
    SpeciesOrder found = OrderKana;
    ASSERT_NE(SpeciesOrderKey(order), nullptr);
    EXPECT_TRUE(FindSpeciesOrderByKey(SpeciesOrderKey(order), found));
    EXPECT_EQ(found, order);
  }
  SpeciesOrder found = OrderNational;
  EXPECT_EQ(SpeciesOrderKey(SpeciesOrderCount), nullptr);
  EXPECT_FALSE(FindSpeciesOrderByKey(u"Kana", found));
  EXPECT_FALSE(FindSpeciesOrderByKey(nullptr, found));
  EXPECT_EQ(found, OrderNational);
}

}  // namespace
