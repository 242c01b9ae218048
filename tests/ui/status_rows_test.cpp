// The status list: adding observations, the effort value total, copying a
// row back, deleting with the selection rules, and the row buttons.
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using StatusRows = MainWindowTest;

std::vector<std::wstring> RowValues(int level) {
  std::wstring l = std::to_wstring(level);
  return {l,    L"100", L"50", L"60", L"70", L"80", L"90",
          L"1", L"2",   L"3",  L"4",  L"5",  L"6"};
}

TEST_F(StatusRows, AddCopiesTheThirteenFieldTexts) {
  AddRow(BulbasaurAt50);
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Cell(0, 0), L"");
  for (int k = 0; k < 13; ++k) EXPECT_EQ(Cell(0, k + 1), BulbasaurAt50[k]) << k;
}

TEST_F(StatusRows, EffortTotalOf510IsAcceptedAnd511Refused) {
  AddRow({L"50", L"1", L"1", L"1", L"1", L"1", L"1", L"255", L"255", L"0", L"0",
          L"0", L"0"});
  EXPECT_EQ(RowCount(), 1);
  EXPECT_TRUE(TakeSeenDialogs().empty());
  AddRow({L"50", L"1", L"1", L"1", L"1", L"1", L"1", L"255", L"255", L"1", L"0",
          L"0", L"0"});
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(
      TakeMessageBox(L"努力値の合計が510を超えています", IDI_WARNING).owner,
      window_);
}

TEST_F(StatusRows, RefusedRowDoesNotRecalculate) {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  ASSERT_EQ(Text(IDC_ATTACK_IV), L"30～31");
  // Only the effort values change; the stats stay those of the first row.
  for (int id : {IDC_HP_EV, IDC_ATTACK_EV, IDC_DEFENSE_EV})
    EnterNumber(id, L"200");
  SetWindowTextW(Item(IDC_ATTACK_IV), L"x");
  Click(IDC_ADD_ROW);
  EXPECT_EQ(TakeSeenDialogs().size(), 1u);
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Text(IDC_ATTACK_IV), L"x");
}

TEST_F(StatusRows, AddSelectsAndFocusesOnlyTheNewRow) {
  for (int level = 10; level < 13; ++level) AddRow(RowValues(level));
  FocusRow(1);
  AddRow(RowValues(40));
  ASSERT_EQ(RowCount(), 4);
  EXPECT_EQ(SelectedRows(), std::vector<int>{3});
  EnterNumber(IDC_LEVEL, L"5");
  Click(IDC_EDIT_ROW);
  EXPECT_EQ(Text(IDC_LEVEL), L"40");  // the highlighted row
}

TEST_F(StatusRows, AddScrollsTheNewRowIntoView) {
  for (int k = 0; k < 40; ++k) AddRow(RowValues(k + 1));
  ASSERT_EQ(RowCount(), 40);
  HWND list = Item(IDC_STATUS_LIST);
  int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_GT(top, 0);
  EXPECT_LE(39, top + perPage - 1);
}

TEST_F(StatusRows, EditCopiesTheFocusedRowAndChangesNothingElse) {
  FillQuickStartExample();
  FocusRow(0);
  SetWindowTextW(Item(IDC_HP_IV), L"kept");
  Click(IDC_EDIT_ROW);
  EXPECT_EQ(Text(IDC_LEVEL), L"50");
  EXPECT_EQ(Text(IDC_HP_STAT), L"120");
  EXPECT_EQ(Text(IDC_SPEED_STAT), L"65");
  EXPECT_EQ(Text(IDC_SPEED_EV), L"0");
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(Text(IDC_HP_IV), L"kept");  // no recalculation
}

TEST_F(StatusRows, EditWithoutFocusedRowDoesNothing) {
  AddRow(RowValues(7));
  LVITEMW item{};
  item.stateMask = LVIS_FOCUSED;
  SendMessageW(Item(IDC_STATUS_LIST), LVM_SETITEMSTATE, -1,
               reinterpret_cast<LPARAM>(&item));
  EnterNumber(IDC_LEVEL, L"55");
  SendMessageW(window_, WM_COMMAND, IDC_EDIT_ROW, 0);
  EXPECT_EQ(Text(IDC_LEVEL), L"55");
}

TEST_F(StatusRows, DoubleClickCopiesTheRow) {
  AddRow(RowValues(21));
  AddRow(RowValues(22));
  EnterNumber(IDC_LEVEL, L"99");
  DoubleClickRow(0);
  EXPECT_EQ(Text(IDC_LEVEL), L"21");
  EXPECT_EQ(Text(IDC_SPEED_EV), L"6");
  EXPECT_EQ(RowCount(), 2);
}

class DeleteRows : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    for (int level = 1; level <= 5; ++level) AddRow(RowValues(level));
  }
  std::vector<std::wstring> Levels() {
    std::vector<std::wstring> levels;
    for (int row = 0; row < RowCount(); ++row) levels.push_back(Cell(row, 1));
    return levels;
  }
};

// Deleting selects the row that followed the last deleted one, or the new
// last row; the row buttons stay usable while a row is selected.
TEST_F(DeleteRows, SelectedRowsGoAndTheNextRowIsSelected) {
  const struct {
    std::vector<int> selected;
    std::vector<std::wstring> left;
    std::vector<int> selectedAfter;
  } cases[] = {{{1, 3}, {L"1", L"3", L"5"}, {2}},  // the former row four
               {{3, 4}, {L"1", L"2", L"3"}, {2}},
               {{0, 1, 2, 3, 4}, {}, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.selected));
    if (&c != cases) TearDown(), SetUp();  // five rows again
    SelectRows(c.selected);
    Click(IDC_DELETE_ROWS);
    EXPECT_EQ(Levels(), c.left);
    EXPECT_EQ(SelectedRows(), c.selectedAfter);
    EXPECT_EQ(IsWindowEnabled(Item(IDC_EDIT_ROW)) != 0, !c.left.empty());
    EXPECT_EQ(IsWindowEnabled(Item(IDC_DELETE_ROWS)) != 0, !c.left.empty());
  }
}

TEST_F(DeleteRows, NothingSelectedDeletesNothingButRecalculates) {
  SelectRows({});
  SetWindowTextW(Item(IDC_HP_IV), L"stale");
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_DELETE_ROWS, BN_CLICKED), 0);
  EXPECT_EQ(RowCount(), 5);
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(Text(IDC_HP_IV), L"");
}

TEST_F(DeleteRows, ButtonsFollowTheSelection) {
  SelectRows({});
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_EDIT_ROW)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_DELETE_ROWS)));
  SelectRows({2});
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_EDIT_ROW)));
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_DELETE_ROWS)));
}

TEST_F(StatusRows, HundredsOfRowsAreAddedAndComputed) {
  NameQuickStartExample();
  for (int k = 0; k < 150; ++k) {
    AddRow(k % 2 == 0 ? BulbasaurAt50 : BulbasaurAt100);
  }
  EXPECT_EQ(RowCount(), 150);
  EXPECT_EQ(Text(IDC_SPEED_IV), L"31");
  std::vector<int> evenRows;
  for (int k = 0; k < 150; k += 2) evenRows.push_back(k);
  SelectRows(evenRows);
  Click(IDC_DELETE_ROWS);
  EXPECT_EQ(RowCount(), 75);
  EXPECT_EQ(Text(IDC_SPEED_IV), L"31");
}

}  // namespace
