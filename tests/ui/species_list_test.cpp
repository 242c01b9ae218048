// The species list: which species each mode and order lists, in which order,
// the kept edit text, the radio mark and the status text of the order.
#include "ui/species_list.h"

#include <algorithm>

#include "data/modern_species.h"
#include "data/species_order.h"
#include "ui/game_modes.h"
#include "ui_test_support.h"

namespace {

using SpeciesList = MainWindowTest;

// Every offered order of every mode (each mode's from its last to its first)
// lists what the order gives for the chosen mode, moves the radio mark and
// shows its name; the lists themselves (sizes, first rows, kana and national
// order, forms) are checked in the core's species order tests.
TEST_F(SpeciesList, EveryModeAndOrderShowsTheOrdersListMarkAndName) {
  for (int generation = FirstGeneration; generation <= LastGeneration;
       ++generation) {
    const int mode = static_cast<int>(ModeCommandOf(generation));
    Command(mode);
    for (int order = SpeciesOrderCount - 1; order >= 0; --order) {
      if (!IsOrderOffered(order, *ChosenGame())) continue;
      SCOPED_TRACE(testing::Message()
                   << "mode " << mode << ", order " << order);
      Command(static_cast<int>(SortCommandOf(order)));
      const char16_t* names[ModernSpeciesCount + 1];
      int count =
          ListSpeciesNames(*ChosenGame(), order, names, ModernSpeciesCount + 1);
      std::vector<std::wstring> expected;
      for (int i = 0; i < count; ++i)
        expected.push_back(reinterpret_cast<const wchar_t*>(names[i]));
      EXPECT_EQ(ComboItems(IDC_SPECIES), expected);
      // The status text is the menu item's text without its access key.
      wchar_t item[128] = L"";
      GetMenuStringW(GetMenu(window_), SortCommandOf(order), item, 128,
                     MF_BYCOMMAND);
      std::wstring name = item;
      EXPECT_EQ(StatusText(2), name.substr(0, name.find(L"(&")));
      for (int other = 0; other < SpeciesOrderCount; ++other)
        EXPECT_EQ(MenuChecked(SortCommandOf(other)), other == order) << other;
      EXPECT_EQ(SortOrder, SortCommandOf(order));
      EXPECT_EQ(GameMode, static_cast<uint32_t>(mode));
    }
  }
}

// A mode that does not list the chosen species, and generation 3's empty
// Black/White order, keep the species text.
TEST_F(SpeciesList, TextStaysWhenTheModeOrTheEmptyBlackWhiteOrderLacksIt) {
  ChooseText(IDC_SPECIES, L"ハリマロン");
  Command(IDM_MODE_GEN3);
  EXPECT_EQ(Text(IDC_SPECIES), L"ハリマロン");
  TypeName(IDC_SPECIES, L"フシギダネ");
  Command(IDM_SORT_BW_UNOVA);
  EXPECT_TRUE(ComboItems(IDC_SPECIES).empty());
  EXPECT_EQ(Text(IDC_SPECIES), L"フシギダネ");
  EXPECT_EQ(SortOrder, static_cast<uint32_t>(IDM_SORT_BW_UNOVA));
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
