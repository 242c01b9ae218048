// The species list: which species each mode and order lists, in which order,
// the kept edit text, the radio mark and the status text of the order.
#include "ui/species_list.h"

#include <algorithm>

#include "data/species_order.h"
#include "ui/game_modes.h"
#include "ui_test_support.h"

namespace {

using SpeciesList = MainWindowTest;

TEST_F(SpeciesList, SizesPerModeInKanaAndNationalOrder) {
  const struct {
    int mode;
    size_t size;
  } expected[] = {{IDM_MODE_GEN3, 389}, {IDM_MODE_GEN4, 505},
                  {IDM_MODE_GEN5, 666}, {IDM_MODE_GEN6, 745},
                  {IDM_MODE_GEN7, 846}, {IDM_MODE_GEN8, 951},
                  {IDM_MODE_GEN9, 1098}};
  for (const auto& entry : expected) {
    Command(entry.mode);
    Command(IDM_SORT_KANA);
    EXPECT_EQ(ComboItems(IDC_SPECIES).size(), entry.size) << entry.mode;
    Command(IDM_SORT_NATIONAL);
    EXPECT_EQ(ComboItems(IDC_SPECIES).size(), entry.size) << entry.mode;
  }
}

TEST_F(SpeciesList, KanaOrderIsCodeUnitOrderWithFormsAfterTheirSpecies) {
  std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
  ASSERT_EQ(items.size(), 745u);
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
  auto rotom = std::find(items.begin(), items.end(), L"ロトム");
  ASSERT_NE(rotom, items.end());
  ASSERT_LT(rotom + 6, items.end());
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(rotom[k].substr(0, 4), L"ロトム　") << k;
  EXPECT_EQ(rotom[6], L"ローブシン");
}

TEST_F(SpeciesList, NationalOrderStartsWithBulbasaurLine) {
  Command(IDM_SORT_NATIONAL);
  std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
  ASSERT_GE(items.size(), 4u);
  EXPECT_EQ(items[0], L"フシギダネ");
  EXPECT_EQ(items[1], L"フシギソウ");
  EXPECT_EQ(items[2], L"フシギバナ");
  EXPECT_EQ(items[3], L"ヒトカゲ");
  EXPECT_EQ(StatusText(2), L"全国図鑑順");
}

TEST_F(SpeciesList, DeoxysFormsFollowSerialOrderInNationalOrder) {
  Command(IDM_SORT_NATIONAL);
  std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
  auto first =
      std::find(items.begin(), items.end(), L"デオキシス　ノーマルフォルム");
  ASSERT_NE(first, items.end());
  ASSERT_LT(first + 3, items.end());
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(first[k].substr(0, 6), L"デオキシス　") << k;
}

TEST_F(SpeciesList, BlackWhiteOrderIsEmptyInGeneration3AndKeepsTheText) {
  Command(IDM_MODE_GEN3);
  TypeName(IDC_SPECIES, L"フシギダネ");
  Command(IDM_SORT_BW_UNOVA);
  EXPECT_TRUE(ComboItems(IDC_SPECIES).empty());
  EXPECT_EQ(Text(IDC_SPECIES), L"フシギダネ");
  EXPECT_EQ(SortOrder, static_cast<uint32_t>(IDM_SORT_BW_UNOVA));
}

TEST_F(SpeciesList, BlackWhiteOrderStartsWithVictini) {
  for (int mode : {IDM_MODE_GEN5, IDM_MODE_GEN6}) {
    Command(mode);
    Command(IDM_SORT_BW_UNOVA);
    std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0], L"ビクティニ") << mode;
  }
}

TEST_F(SpeciesList, DiamondPearlOrderListsOnlyTheFirst151) {
  Command(IDM_MODE_GEN3);
  Command(IDM_SORT_DP_SINNOH);
  EXPECT_EQ(ComboItems(IDC_SPECIES).size(), 70u);
  Command(IDM_MODE_GEN6);
  std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
  ASSERT_EQ(items.size(), 144u);
  EXPECT_EQ(items[0], L"ナエトル");
}

TEST_F(SpeciesList, TypedTextStaysAcrossEveryRefill) {
  TypeName(IDC_SPECIES, L"ナゾノ");
  for (int order = IDM_SORT_KANA; order <= IDM_SORT_ORAS_HOENN; ++order) {
    Command(order);
    EXPECT_EQ(Text(IDC_SPECIES), L"ナゾノ") << order;
  }
  Command(IDM_MODE_GEN4);
  EXPECT_EQ(Text(IDC_SPECIES), L"ナゾノ");
  EXPECT_EQ(SendMessageW(Item(IDC_SPECIES), CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(SpeciesList, EveryOrderMovesTheMarkAndShowsItsName) {
  const wchar_t* names[] = {L"五十音順",
                            L"全国図鑑順",
                            L"RSホウエン図鑑順",
                            L"DPシンオウ図鑑順",
                            L"Ptシンオウ図鑑順",
                            L"HGSSジョウト図鑑順",
                            L"BWイッシュ図鑑順",
                            L"B2W2イッシュ図鑑順",
                            L"XYセントラルカロス図鑑順",
                            L"XYコーストカロス図鑑順",
                            L"XYマウンテンカロス図鑑順",
                            L"ORASホウエン図鑑順",
                            L"SMアローラ図鑑順",
                            L"USUMアローラ図鑑順",
                            L"ガラル図鑑順",
                            L"ヨロイじま図鑑順",
                            L"カンムリせつげん図鑑順",
                            L"BDSPシンオウ図鑑順",
                            L"パルデア図鑑順",
                            L"キタカミ図鑑順",
                            L"ブルーベリー図鑑順"};
  // Each mode's orders, from its last to its first.
  for (int mode :
       {IDM_MODE_GEN6, IDM_MODE_GEN7, IDM_MODE_GEN8, IDM_MODE_GEN9}) {
    Command(mode);
    for (int order = SpeciesOrderCount - 1; order >= 0; --order) {
      if (!IsOrderOffered(order, *ChosenGame())) continue;
      Command(static_cast<int>(SortCommandOf(order)));
      EXPECT_EQ(StatusText(2), names[order]);
      for (int other = 0; other < SpeciesOrderCount; ++other)
        EXPECT_EQ(MenuChecked(SortCommandOf(other)), other == order)
            << order << " " << other;
      EXPECT_EQ(SortOrder, SortCommandOf(order));
      EXPECT_EQ(GameMode, static_cast<uint32_t>(mode));
    }
  }
  Command(IDM_SORT_KITAKAMI);  // a regional order's first rows
  std::vector<std::wstring> items = ComboItems(IDC_SPECIES);
  ASSERT_EQ(items.size(), 205u);
  EXPECT_EQ(items[0], L"イトマル");
  EXPECT_EQ(items[1], L"アリアドス");
}

TEST_F(SpeciesList, ModeChangeKeepsTheOrderAndSwitchesTheNationalKey) {
  Command(IDM_SORT_NATIONAL);
  std::vector<std::wstring> gen6 = ComboItems(IDC_SPECIES);
  Command(IDM_MODE_GEN5);
  EXPECT_TRUE(MenuChecked(IDM_SORT_NATIONAL));
  EXPECT_EQ(StatusText(2), L"全国図鑑順");
  std::vector<std::wstring> gen5 = ComboItems(IDC_SPECIES);
  ASSERT_EQ(gen5.size(), 666u);
  EXPECT_EQ(gen5[0], L"フシギダネ");
  EXPECT_EQ(gen6.size(), 745u);
}

TEST_F(SpeciesList, ChoosingANamePutsItIntoTheField) {
  ChooseText(IDC_SPECIES, L"ヒトカゲ");
  EXPECT_EQ(Text(IDC_SPECIES), L"ヒトカゲ");
  ChooseText(IDC_NATURE, L"ようき");
  EXPECT_EQ(Text(IDC_NATURE), L"ようき");
}

}  // namespace
