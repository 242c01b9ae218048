// The player's next questions: which level to check next, effort values not
// known, nature not known. Expected values were worked out by a separate
// brute force over IVs and levels with the stat formulas.
#include "ui/form_layout.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

class NextQuestions : public MainWindowTest {
 protected:
  std::vector<std::wstring> NextLevels() const {
    std::vector<std::wstring> texts;
    for (const StatRowControls& row : StatRows)
      texts.push_back(Text(row.nextLevelField));
    return texts;
  }

  // Adds a row of a level and six stats; the effort fields stay as they are.
  void AddStats(const wchar_t* level, const std::vector<std::wstring>& stats) {
    EnterNumber(IDC_LEVEL, level);
    for (int stat = 0; stat < StatCount; ++stat)
      EnterNumber(StatRows[stat].statField, stats[stat]);
    Click(IDC_ADD_ROW);
  }
};

TEST_F(NextQuestions, QuickStartFirstRowTellsTheLevelsToCheck) {
  NameQuickStartExample();
  EXPECT_EQ(NextLevels(), std::vector<std::wstring>(6, L""));
  AddRow(BulbasaurAt50);
  EXPECT_EQ(NextLevels(), (std::vector<std::wstring>{L"53", L"52", L"52", L"51",
                                                     L"51", L"53"}));
  AddRow(BulbasaurAt100);  // every IV pinned: nothing left to check
  EXPECT_EQ(NextLevels(), std::vector<std::wstring>(6, L""));
}

TEST_F(NextQuestions, WideCandidatesTellTheLevelThatPinsThem) {
  NameQuickStartExample();
  AddStats(L"10", {L"32", L"18", L"17", L"18", L"21", L"17"});
  EXPECT_EQ(NextLevels(), (std::vector<std::wstring>{
                              L"24", L"11 (94で確定)", L"11 (94で確定)",
                              L"11 (確定なし)", L"23", L"24"}));
  AddStats(L"100", {L"231", L"147", L"134", L"149", L"166",
                    L"126"});  // level 100: no level above it
  EXPECT_EQ(Text(IDC_HP_NEXT), L"");
}

TEST_F(NextQuestions, UnknownEffortRowShowsQuestionMarksAndEditsBack) {
  NameQuickStartExample();
  AddRow(TrainedBulbasaurAt50);  // a known row, 508 effort values
  for (const StatRowControls& row : StatRows)
    SetWindowTextW(Item(row.evField), L"255");  // 1530: ignored below
  Click(IDC_EFFORT_UNKNOWN);
  for (const StatRowControls& row : StatRows)
    EXPECT_FALSE(IsWindowEnabled(Item(row.evField)));
  AddStats(L"50", {L"120", L"75", L"69", L"76", L"85", L"65"});
  EXPECT_TRUE(TakeSeenDialogs().empty());
  ASSERT_EQ(RowCount(), 2);
  for (int column = 8; column <= 13; ++column) {
    EXPECT_EQ(Cell(1, column), L"?");
    EXPECT_NE(Cell(0, column), L"?");
  }
  // Unknown effort values keep each stat's IVs that some effort gives.
  EXPECT_EQ(Text(IDC_HP_IV), L"31");
  FocusRow(0);
  Click(IDC_EDIT_ROW);
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_EFFORT_UNKNOWN), BST_UNCHECKED);
  EXPECT_EQ(Text(IDC_ATTACK_EV), L"252");
  FocusRow(1);
  Click(IDC_EDIT_ROW);
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_EFFORT_UNKNOWN), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_HP_EV)));
  // The "?" rows survive every mode and order change.
  for (int command : {IDM_MODE_GEN3, IDM_SORT_NATIONAL, IDM_MODE_GEN6})
    Command(command);
  EXPECT_EQ(Cell(1, 13), L"?");
}

TEST_F(NextQuestions, UnknownNatureNarrowsToTheNaturesThatFit) {
  ChooseText(IDC_SPECIES, L"フシギダネ");
  ChooseText(IDC_NATURE, L"（不明）");
  EXPECT_TRUE(TakeSeenDialogs().empty());
  AddStats(L"20", {L"54", L"30", L"28", L"32", L"34", L"28"});
  EXPECT_EQ(Text(IDC_NATURE_CANDIDATES), L"性格の候補: 9種類");
  SelectRows({0});
  Click(IDC_DELETE_ROWS);
  EXPECT_EQ(Text(IDC_NATURE_CANDIDATES), L"");
  AddStats(L"10", {L"30", L"17", L"16", L"17", L"19", L"15"});
  EXPECT_EQ(Text(IDC_NATURE_CANDIDATES),
            L"性格の候補: いじっぱり, しんちょう, ようき, わんぱく");
  // All four lower Sp. Atk and raise different stats.
  EXPECT_EQ(Text(IDC_SPATK_MARK), L"↓");
  EXPECT_EQ(Text(IDC_ATTACK_MARK), L"");
  ChooseText(IDC_NATURE, L"いじっぱり");
  EXPECT_EQ(Text(IDC_NATURE_CANDIDATES), L"");
  EXPECT_EQ(Text(IDC_ATTACK_MARK), L"↑");
}

}  // namespace
