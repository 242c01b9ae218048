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

TEST_F(SpeciesOrderTest, KanaAndNationalListEveryRecordOfTheMode) {
  const std::size_t sizes[] = {389, 505, 666, 745};
  for (int m = 0; m < 4; ++m) {
    EXPECT_EQ(Listed(OrderKana, Gen(3 + m)).size(), sizes[m]);
    EXPECT_EQ(Listed(OrderNational, Gen(3 + m)).size(), sizes[m]);
  }
}

// Modes 7 to 9: every order the mode offers lists only rows the generation
// lists, sorted by the order's number then row id (kana: by name); the orders
// it does not offer list nothing. A name is found, with that generation's
// base stats, whatever order the table is in, and only in a mode listing it.
TEST_F(SpeciesOrderTest, ModernModesListTheirRowsInEachOfferedOrder) {
  const std::size_t sizes[] = {846, 951, 1098};
  const int offered[] = {4, 6, 5};
  for (int g = 7; g <= 9; ++g) {
    EXPECT_EQ(Listed(OrderKana, Gen(g)).size(), sizes[g - 7]);
    EXPECT_EQ(Listed(OrderNational, Gen(g)).size(), sizes[g - 7]);
    int offeredCount = 0;
    for (int order = 0; order < SpeciesOrderCount; ++order) {
      auto names = Listed(order, Gen(g));
      if (!IsOrderOffered(order, Gen(g))) {
        EXPECT_TRUE(names.empty()) << g << " " << order;
        continue;
      }
      ++offeredCount;
      std::size_t wanted = 0;  // a regional order: the rows with its number
      for (const ModernSpeciesRecord& r : ModernSpeciesTable)
        wanted += IsListedInGeneration(r, g) &&
                  (order <= OrderNational ||
                   RegionalNumber(r, order - OrderSmAlola) >= 0);
      ASSERT_EQ(names.size(), wanted) << g << " " << order;
      int lastKey = -1, lastRow = 0;
      for (const std::u16string& name : names) {
        const ModernSpeciesRecord* r = ModernRecord(name);
        ASSERT_NE(r, nullptr);
        EXPECT_TRUE(IsListedInGeneration(*r, g)) << g << " " << order;
        int key = order == OrderKana ? 0
                  : order == OrderNational
                      ? r->nationalNo
                      : r->regionalNo[order - OrderSmAlola];
        EXPECT_GE(key, 0);
        EXPECT_TRUE(key > lastKey || (key == lastKey && r->rowId > lastRow))
            << g << " " << order;
        lastKey = key, lastRow = order == OrderKana ? 0 : r->rowId;
      }
      if (order == OrderKana)
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
      // A name lookup does not depend on the order the table is in.
      for (std::size_t i = 0; i < names.size(); i += 37) {
        SpeciesStats stats{};
        ASSERT_TRUE(FindSpeciesInGame(Gen(g), names[i].c_str(), stats));
        EXPECT_EQ(names[i], stats.name);
        const uint16_t* base = ModernBaseStats(*ModernRecord(names[i]), g);
        EXPECT_TRUE(std::equal(base, base + 6, stats.baseStats));
      }
    }
    EXPECT_EQ(offeredCount, offered[g - 7]) << g;
  }
  SpeciesStats stats{};
  EXPECT_FALSE(IsSpeciesListedInGame(Gen(8), u"ニャオハ"));
  EXPECT_FALSE(FindSpeciesInGame(Gen(8), u"ニャオハ", stats));
  EXPECT_TRUE(IsSpeciesListedInGame(Gen(9), u"ニャオハ"));
  // A name of the classic table alone is not looked up there.
  EXPECT_FALSE(FindSpeciesInGame(Gen(7), u"ジガルデ", stats));
  EXPECT_TRUE(FindSpeciesInGame(Gen(6), u"ジガルデ", stats));
  ASSERT_TRUE(FindSpeciesInGame(Gen(9), u"ヌケニン", stats));
  EXPECT_TRUE(stats.hpAlwaysOne);
  ASSERT_TRUE(FindSpeciesInGame(Gen(7), u"クレセリア", stats));
  SpeciesStats later{};
  ASSERT_TRUE(FindSpeciesInGame(Gen(9), u"クレセリア", later));
  EXPECT_NE(stats.baseStats[2], later.baseStats[2]);  // changed in 9
}

// Modes 3 to 6 offer the twelve classic orders, and none of the new ones.
TEST(OrderOfferTest, ClassicModesOfferTheClassicOrders) {
  for (int g = 3; g <= 6; ++g)
    for (int order = -1; order <= SpeciesOrderCount; ++order)
      EXPECT_EQ(IsOrderOffered(order, Gen(g)),
                order >= 0 && order < OrderSmAlola)
          << g << " " << order;
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
  // Platinum lists more of the same numbers than Diamond/Pearl.
  EXPECT_GT(Listed(OrderPtSinnoh, Gen(4)).size(),
            Listed(OrderDpSinnoh, Gen(4)).size());
}

TEST_F(SpeciesOrderTest, KanaOrderIsCodeUnitOrder) {
  auto names = Listed(OrderKana, Gen(6));
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_LT(names[i - 1], names[i]);
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
