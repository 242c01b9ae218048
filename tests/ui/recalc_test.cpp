// Recalculation: the engine's worked examples as the result fields show
// them, the empty-result rules and the nature marks.
#include "ui/document_form.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using Results = MainWindowTest;

const int IvFields[6] = {IDC_HP_IV,    IDC_ATTACK_IV, IDC_DEFENSE_IV,
                         IDC_SPATK_IV, IDC_SPDEF_IV,  IDC_SPEED_IV};
const int MarkFields[5] = {IDC_ATTACK_MARK, IDC_DEFENSE_MARK, IDC_SPATK_MARK,
                           IDC_SPDEF_MARK, IDC_SPEED_MARK};

class ResultsTest : public MainWindowTest {
 protected:
  void Name(const wchar_t* species, const wchar_t* nature) {
    ChooseText(IDC_SPECIES, species);
    ChooseText(IDC_NATURE, nature);
  }
  std::vector<std::wstring> Ranges() {
    std::vector<std::wstring> texts;
    for (int id : IvFields) texts.push_back(Text(id));
    return texts;
  }
  std::vector<std::wstring> Marks() {
    std::vector<std::wstring> texts;
    for (int id : MarkFields) texts.push_back(Text(id));
    return texts;
  }
  void ExpectAllEmpty() {
    for (int id : IvFields) EXPECT_EQ(Text(id), L"") << id;
    for (int id : MarkFields) EXPECT_EQ(Text(id), L"") << id;
    EXPECT_EQ(Text(IDC_HIDDEN_POWER_TYPE), L"");
    EXPECT_EQ(Text(IDC_HIDDEN_POWER_POWER), L"");
  }
};

using WorkedExamples = ResultsTest;
using EmptyResults = ResultsTest;
using Clues = ResultsTest;

const std::vector<std::wstring> Same(const wchar_t* text) {
  return std::vector<std::wstring>(6, text);
}

TEST_F(WorkedExamples, OneObservationLeavesThirtyAndThirtyOne) {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  EXPECT_EQ(Ranges(), Same(L"30～31"));
  EXPECT_EQ(Marks(), (std::vector<std::wstring>{L"↑", L"", L"↓", L"", L""}));
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_TYPE), L"");
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_POWER), L"");
}

TEST_F(WorkedExamples, SecondObservationPinsEveryStatAndShowsHiddenPower) {
  FillQuickStartExample();
  EXPECT_EQ(Ranges(), Same(L"31"));
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_TYPE), L"あく");
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_POWER), L"60");
}

// A mode command recalculates with the rows in place, even for the mode
// already chosen; an order command does not.
TEST_F(WorkedExamples, ModeChangeRecalculatesWithTheRowsAndSortChangeDoesNot) {
  FillQuickStartExample();
  SetWindowTextW(Item(IDC_HP_IV), L"stale");
  Command(IDM_SORT_RS_HOENN);
  EXPECT_EQ(Text(IDC_HP_IV), L"stale");
  Command(IDM_MODE_GEN6);
  EXPECT_EQ(Text(IDC_HP_IV), L"31");
  Command(IDM_MODE_GEN5);
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_POWER), L"70");
  Command(IDM_MODE_GEN6);
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_POWER), L"60");
}

TEST_F(WorkedExamples, EffortValuesGiveTheDocumentedRanges) {
  NameQuickStartExample();
  AddRow(TrainedBulbasaurAt50);
  EXPECT_EQ(Ranges(),
            (std::vector<std::wstring>{L"31", L"19～20", L"12～13", L" 6～ 7",
                                       L"30～31", L"21～22"}));
}

TEST_F(EmptyResults, EmptyListShowsNothingFromStartEvenWithNames) {
  ExpectAllEmpty();
  EXPECT_EQ(RowCount(), 0);
  NameQuickStartExample();
  ExpectAllEmpty();
  Command(IDM_MODE_GEN4);
  ExpectAllEmpty();
}

// A name being typed shows nothing and warns of nothing; every keystroke
// recalculates, so the completed name shows the results.
TEST_F(EmptyResults, NameBeingTypedShowsNothingAndNoMessage) {
  ChooseText(IDC_NATURE, L"いじっぱり");
  AddRow(BulbasaurAt50);
  const struct {
    int id;
    const wchar_t* start;
    const wchar_t* rest;
  } cases[] = {{IDC_SPECIES, L"フシギ", L"ダネ"},
               {IDC_NATURE, L"いじ", L"っぱり"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.start));
    TypeName(c.id, c.start);
    ExpectAllEmpty();
    Type(c.rest);
    EXPECT_EQ(Ranges(), Same(L"30～31"));
    EXPECT_TRUE(TakeSeenDialogs().empty());
  }
}

TEST_F(EmptyResults, ContradictionKeepsOnlyTheNatureMarks) {
  NameQuickStartExample();
  AddRow({L"50", L"120", L"75", L"69", L"76", L"85", L"200", L"0", L"0", L"0",
          L"0", L"0", L"0"});
  for (int id : IvFields) EXPECT_EQ(Text(id), L"") << id;
  EXPECT_EQ(Marks(), (std::vector<std::wstring>{L"↑", L"", L"↓", L"", L""}));
  EXPECT_EQ(Text(IDC_HIDDEN_POWER_TYPE), L"");
}

TEST_F(EmptyResults, EmptyStatCellCountsAsZero) {
  Name(L"フシギダネ", L"さみしがり");
  for (int k = 0; k < 13; ++k)
    EnterNumber(NumericFieldIds[k], BulbasaurAt50[k]);
  // Emptied without leaving the field: the row takes the 0 that leaving it
  // would have left.
  SetWindowTextW(Item(IDC_DEFENSE_STAT), L"");
  Click(IDC_ADD_ROW);
  ASSERT_EQ(Cell(0, 4), L"0");
  for (int id : IvFields) EXPECT_EQ(Text(id), L"") << id;
  EXPECT_EQ(Marks(), (std::vector<std::wstring>{L"↑", L"↓", L"", L"", L""}));
}

TEST_F(EmptyResults, DeletingEveryRowClearsEverything) {
  FillQuickStartExample();
  SelectRows({0, 1});
  Click(IDC_DELETE_ROWS);
  ExpectAllEmpty();
}

TEST_F(EmptyResults, NeutralNatureShowsNoMark) {
  Name(L"フシギダネ", L"がんばりや");
  AddRow(BulbasaurAt50);
  EXPECT_EQ(Marks(), (std::vector<std::wstring>(5, L"")));
}

// コイキング at level 1: every IV gives the same stats, so nothing narrows.
const std::vector<std::wstring> MagikarpAt1 = {L"1", L"11", L"5", L"6", L"5",
                                               L"5", L"6",  L"0", L"0", L"0",
                                               L"0", L"0",  L"0"};

// Without clues all 32 candidates remain; a characteristic or a hidden power
// type narrows them, and the list's empty item takes the clue back.
TEST_F(Clues, EachListClueNarrowsAndItsEmptyItemResets) {
  Name(L"コイキング", L"がんばりや");
  AddRow(MagikarpAt1);
  EXPECT_EQ(Ranges(), Same(L" 0～31"));
  const struct {
    int id;
    const wchar_t* clue;
    const wchar_t* range;
  } cases[] = {{IDC_CHARACTERISTIC, L"たべるのが　だいすき", L" 0～30"},
               {IDC_HP_TYPE_CLUE, L"あく", L" 1～31"}};
  for (const auto& c : cases) {
    ChooseText(c.id, c.clue);
    EXPECT_EQ(Ranges(), Same(c.range)) << testing::PrintToString(c.clue);
    Choose(c.id, 0);
    EXPECT_EQ(Ranges(), Same(L" 0～31")) << testing::PrintToString(c.clue);
  }
}

TEST_F(Clues, BestStatBoxesCycleAndRecalculate) {
  Name(L"コイキング", L"がんばりや");
  AddRow(MagikarpAt1);
  // "すばらしい ちから" with Attack best: Attack 26..30, the rest up to 30.
  Choose(IDC_BEST_VERDICT, 2);
  Click(IDC_BEST_ATTACK);  // indeterminate -> unchecked
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_BEST_ATTACK), BST_UNCHECKED);
  Click(IDC_BEST_ATTACK);  // unchecked -> checked
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_BEST_ATTACK), BST_CHECKED);
  EXPECT_EQ(Text(IDC_ATTACK_IV), L"26～30");
  EXPECT_EQ(Text(IDC_HP_IV), L" 0～30");
  Click(IDC_BEST_ATTACK);  // checked -> indeterminate
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_BEST_ATTACK), BST_INDETERMINATE);
  EXPECT_NE(Text(IDC_ATTACK_IV), L"26～30");
}

TEST_F(Clues, OverallVerdictNarrowsTheSum) {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  // All six at 30 or 31 sum to 180 or more: "すばらしい のうりょく" fits.
  Choose(IDC_OVERALL_VERDICT, 1);
  EXPECT_EQ(Ranges(), Same(L"30～31"));
  // "まずまずの のうりょく" allows no sum that high.
  Choose(IDC_OVERALL_VERDICT, 4);
  EXPECT_EQ(Ranges(), Same(L""));
}

// A reading after hyper training is that of IV 31 and leaves the own IV
// 0..30, which a per-stat verdict narrows; the mark shows in the cell and
// survives Edit, mode and sort changes and the form's document.
TEST_F(Clues, TrainedReadingAndPerStatVerdictInGeneration9) {
  Command(IDM_MODE_GEN9);
  NameQuickStartExample();
  Click(IDC_HP_TRAINED);
  AddRow(BulbasaurAt100);
  EXPECT_EQ(Cell(0, 2) + Cell(0, 3), L"231*147");
  EXPECT_EQ(Ranges(), (std::vector<std::wstring>{L" 0～30", L"31", L"31", L"31",
                                                 L"31", L"31"}));
  EXPECT_EQ(Text(IDC_HP_NEXT), L"");  // no hint for a stat trained last
  ChooseText(IDC_HP_VERDICT, L"すばらしい");
  EXPECT_EQ(Text(IDC_HP_IV), L"30");
  Click(IDC_HP_TRAINED);
  FocusRow(0);
  Click(IDC_EDIT_ROW);
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_HP_TRAINED), BST_CHECKED);
  Document document = ReadFormDocument(window_);
  Command(IDM_MODE_GEN6);
  EXPECT_EQ(ReadFormDocument(window_).rows[0].trained, 0);
  Command(IDM_SORT_NATIONAL);
  Command(IDM_MODE_GEN8);
  ApplyFormDocument(window_, document);
  EXPECT_EQ(Cell(0, 2) + Text(IDC_HP_IV), L"231*30");
}

}  // namespace
