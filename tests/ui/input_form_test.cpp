// The input form: its lists and ranges after start-up, the clamp of the
// numeric fields and the check of the name fields.
#include "data/gamedata.h"
#include "engine/engine.h"
#include "ui/document_form.h"
#include "ui/game_modes.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using FormSetUp = MainWindowTest;
using FieldClamp = MainWindowTest;
using NameCheck = MainWindowTest;

TEST_F(FormSetUp, CharacteristicListHasEmptyItemThenTheTable) {
  std::vector<std::wstring> items = ComboItems(IDC_CHARACTERISTIC);
  ASSERT_EQ(items.size(), 31u);
  EXPECT_EQ(items[0], L"");
  for (int k = 0; k < CharacteristicCount; ++k)
    EXPECT_EQ(items[k + 1],
              reinterpret_cast<const wchar_t*>(CharacteristicTable[k].text));
  EXPECT_EQ(SendMessageW(Item(IDC_CHARACTERISTIC), CB_GETCURSEL, 0, 0), CB_ERR);
}

// The hidden power types in kana order and the judge's verdicts, each list
// with its empty item selected.
TEST_F(FormSetUp, ClueAndJudgeListsHoldTheirItemsWithEmptyItemSelected) {
  const struct {
    int id;
    std::vector<std::wstring> items;
  } lists[] = {
      {IDC_HP_TYPE_CLUE,
       {L"", L"あく", L"いわ", L"エスパー", L"かくとう", L"くさ", L"ゴースト",
        L"こおり", L"じめん", L"でんき", L"どく", L"ドラゴン", L"はがね",
        L"ひこう", L"ほのお", L"みず", L"むし"}},
      {IDC_OVERALL_VERDICT,
       {L"", L"すばらしい のうりょく", L"そうとう ゆうしゅうな のうりょく",
        L"へいきん いじょうの のうりょく", L"まずまずの のうりょく"}},
      {IDC_BEST_VERDICT,
       {L"", L"さいこうの ちから (ばっちりっ! ぱーふぇくと)",
        L"すばらしい ちから", L"かなりの ちから", L"まあまあの ちから"}}};
  for (const auto& list : lists) {
    EXPECT_EQ(ComboItems(list.id), list.items) << list.id;
    EXPECT_EQ(SendMessageW(Item(list.id), CB_GETCURSEL, 0, 0), 0) << list.id;
  }
}

// Modes 3 to 6 show the best-stat judge, 7 to 9 the per-stat one and the
// trained marks, 8 and 9 grey hidden power; a judge that goes is cleared, in
// the form and the document.
TEST_F(FormSetUp, EachModeShowsItsJudgeAndTrainedMarks) {
  const int bestStat[] = {IDC_BEST_VERDICT, IDC_BEST_HP, IDC_BEST_SPEED};
  const int perStat[] = {IDC_HP_VERDICT, IDC_SPEED_VERDICT_LABEL,
                         IDC_TRAINED_CAPTION, IDC_SPEED_TRAINED};
  const int hiddenPower[] = {IDC_HP_TYPE_CLUE, IDC_HIDDEN_POWER_TYPE,
                             IDC_HIDDEN_POWER_POWER};
  ChooseText(IDC_HP_TYPE_CLUE, L"あく");
  for (int mode = FirstGeneration; mode <= LastGeneration; ++mode) {
    Command(static_cast<int>(ModeCommandOf(mode)));
    bool modern = mode >= 7;
    for (int id : bestStat)
      EXPECT_EQ(IsWindowVisible(Item(id)) != 0, !modern) << mode << id;
    for (int id : perStat)
      EXPECT_EQ(IsWindowVisible(Item(id)) != 0, modern) << mode << id;
    for (int id : hiddenPower)  // none in generations 8 and 9
      EXPECT_EQ(IsWindowEnabled(Item(id)) != 0, mode <= 7) << mode << id;
  }
  EXPECT_EQ(Text(IDC_HP_TYPE_CLUE), L"");  // emptied on the way into 8
  ChooseText(IDC_ATTACK_VERDICT, L"かなりいい");
  Document modern = ReadFormDocument(window_);
  Command(IDM_MODE_GEN6);
  Click(IDC_BEST_HP);
  EXPECT_EQ(ReadFormDocument(window_).statVerdicts[StatAttack], 0);
  Command(IDM_MODE_GEN7);
  Command(IDM_MODE_GEN6);
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_BEST_HP), BST_INDETERMINATE);
  ApplyFormDocument(window_, modern);  // mode 9 with its verdict
  EXPECT_EQ(SendMessageW(Item(IDC_ATTACK_VERDICT), CB_GETCURSEL, 0, 0), 4);
}

TEST_F(FormSetUp, NatureListHoldsThe25NaturesAndUnknownUnselected) {
  std::vector<std::wstring> items = ComboItems(IDC_NATURE);
  ASSERT_EQ(items.size(), 26u);
  for (int k = 0; k < NatureCount; ++k)
    EXPECT_EQ(items[k], reinterpret_cast<const wchar_t*>(NatureTable[k].name));
  EXPECT_EQ(items[25], L"（不明）");
  EXPECT_EQ(Text(IDC_NATURE), L"");
}

TEST_F(FormSetUp, BestStatBoxesStartIndeterminate) {
  for (int id = IDC_BEST_HP; id <= IDC_BEST_SPEED; ++id)
    EXPECT_EQ(IsDlgButtonChecked(window_, id), BST_INDETERMINATE) << id;
}

// Each numeric field's up-down control has the field as its buddy and the
// field's range.
TEST_F(FormSetUp, EveryUpDownHasTheFieldBeforeItAsBuddyAndItsRange) {
  const int spins[13] = {
      IDC_LEVEL_SPIN,        IDC_HP_STAT_SPIN,    IDC_ATTACK_STAT_SPIN,
      IDC_DEFENSE_STAT_SPIN, IDC_SPATK_STAT_SPIN, IDC_SPDEF_STAT_SPIN,
      IDC_SPEED_STAT_SPIN,   IDC_HP_EV_SPIN,      IDC_ATTACK_EV_SPIN,
      IDC_DEFENSE_EV_SPIN,   IDC_SPATK_EV_SPIN,   IDC_SPDEF_EV_SPIN,
      IDC_SPEED_EV_SPIN};
  for (int k = 0; k < 13; ++k) {
    HWND spin = Item(spins[k]);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)),
              Item(NumericFieldIds[k]))
        << spins[k];
    EXPECT_EQ(SpinRange(spin), k == 0  ? std::make_pair(1, 100)
                               : k < 7 ? std::make_pair(0, 999)
                                       : std::make_pair(0, 255))
        << spins[k];
  }
}

TEST_F(FormSetUp, StatusListHasFourteenColumnsAndTextLimits) {
  HWND header = reinterpret_cast<HWND>(
      SendMessageW(Item(IDC_STATUS_LIST), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 14);
  const wchar_t* headers[] = {L"",     L"Lv",   L"HP",   L"攻撃", L"防御",
                              L"特攻", L"特防", L"素早", L"HP",   L"攻撃",
                              L"防御", L"特攻", L"特防", L"素早"};
  for (int k = 0; k < 14; ++k) {
    wchar_t text[16] = L"";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = 16;
    SendMessageW(Item(IDC_STATUS_LIST), LVM_GETCOLUMNW, k,
                 reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(text, headers[k]) << k;
    EXPECT_EQ(column.cx, k == 0 ? 0 : 42) << k;
  }
  LRESULT styles =
      SendMessageW(Item(IDC_STATUS_LIST), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(styles & LVS_EX_GRIDLINES);
  EXPECT_TRUE(styles & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(SendMessageW(ComboEdit(IDC_SPECIES), EM_GETLIMITTEXT, 0, 0), 19);
  EXPECT_EQ(SendMessageW(ComboEdit(IDC_NATURE), EM_GETLIMITTEXT, 0, 0), 5);
}

// A field forces its text into its range when it is left, and text put into
// it without a focus change reaches an added row the same way: empty is the
// lowest value, non-digits are dropped, and numbers too long for 32 bits are
// still the top of the range, not a wrapped value.
TEST_F(FieldClamp, LeavingAFieldOrAddingARowForcesItIntoItsRange) {
  const struct {
    int id;
    const wchar_t* entered;
    const wchar_t* shown;
  } cases[] = {{IDC_HP_EV, L"300", L"255"},
               {IDC_ATTACK_STAT, L"1000", L"999"},
               {IDC_DEFENSE_STAT, L"", L"0"},
               {IDC_SPEED_EV, L"", L"0"},
               {IDC_SPATK_STAT, L"007", L"7"},
               {IDC_LEVEL, L"", L"1"},
               {IDC_LEVEL, L"101", L"100"},
               {IDC_LEVEL, L"&&&", L"1"},
               {IDC_HP_STAT, L"12abc", L"12"},
               {IDC_HP_STAT, L"abc", L"0"},
               {IDC_HP_STAT, L"-40", L"0"},
               {IDC_HP_STAT, L"12345", L"999"},
               {IDC_HP_STAT, L"4294967296", L"999"},
               {IDC_DEFENSE_STAT, L"-21", L"0"},
               {IDC_SPATK_STAT, L"アアア", L"0"},
               {IDC_SPDEF_STAT, L"2147483648", L"999"},
               {IDC_SPEED_EV, L" 4294967297", L"255"},
               {IDC_LEVEL, L"99999999999999999999", L"100"}};
  for (const auto& c : cases) {
    EnterNumber(c.id, c.entered);
    EXPECT_EQ(Text(c.id), c.shown)
        << "left: " << testing::PrintToString(c.entered);
    SetWindowTextW(Item(c.id), c.entered);
    int rows = RowCount();
    Click(IDC_ADD_ROW);
    ASSERT_EQ(RowCount(), rows + 1) << testing::PrintToString(c.entered);
    int column = 1;
    while (NumericFieldIds[column - 1] != c.id) ++column;
    EXPECT_EQ(Cell(rows, column), c.shown)
        << "added: " << testing::PrintToString(c.entered);
  }
}

TEST_F(FieldClamp, UpArrowWrapsAtTheTopOfTheRange) {
  EnterNumber(IDC_HP_EV, L"255");
  Focus(IDC_HP_EV);
  SendMessageW(Item(IDC_HP_EV), WM_KEYDOWN, VK_UP, 0);
  SendMessageW(Item(IDC_HP_EV), WM_KEYUP, VK_UP, 0);
  PumpMessagesKeepingQuit();
  EXPECT_EQ(Text(IDC_HP_EV), L"0");
}

TEST_F(FieldClamp, TypingIntoNumericFieldsChangesNoResult) {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  ASSERT_EQ(Text(IDC_HP_IV), L"30～31");
  EnterNumber(IDC_LEVEL, L"100");
  EnterNumber(IDC_HP_STAT, L"231");
  EXPECT_EQ(Text(IDC_HP_IV), L"30～31");
  EXPECT_EQ(RowCount(), 1);
}

// A name the data lacks warns once when its field is left; the text stays
// and the focus goes back into the field.
TEST_F(NameCheck, UnknownNameWarnsAndKeepsFocusAndText) {
  const struct {
    int id;
    const wchar_t* typed;
    const wchar_t* warning;
  } cases[] = {
      {IDC_SPECIES, L"ナゾノ", L"指定されたポケモンはデータに存在しません"},
      {IDC_NATURE, L"げんき", L"指定された性格はデータに存在しません"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    TypeName(c.id, c.typed);
    LeaveField();
    TakeMessageBox(c.warning, IDI_WARNING);
    EXPECT_EQ(Text(c.id), c.typed);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == Item(c.id) || focus == ComboEdit(c.id));
    TypeName(c.id, L"");  // an empty name leaves the field quietly
  }
}

TEST_F(NameCheck, KnownEmptyAndNotListedNames) {
  TypeName(IDC_SPECIES, L"フシギダネ");
  LeaveField();
  EXPECT_TRUE(TakeSeenDialogs().empty());
  TypeName(IDC_NATURE, L"ようき");
  LeaveField();
  EXPECT_TRUE(TakeSeenDialogs().empty());
  TypeName(IDC_SPECIES, L"");
  LeaveField();
  EXPECT_TRUE(TakeSeenDialogs().empty());
  // A species of generation 6 is not in the generation-3 list.
  Command(IDM_MODE_GEN3);
  TypeName(IDC_SPECIES, L"ハリマロン");
  LeaveField();
  EXPECT_EQ(TakeSeenDialogs().size(), 1u);
}

TEST_F(NameCheck, NineteenCharacterNamesAreHandledWhole) {
  std::wstring longName(19, L'ア');
  TypeName(IDC_SPECIES, longName + L"イウ");  // the field stops at 19
  EXPECT_EQ(Text(IDC_SPECIES), longName);
  LeaveField();
  EXPECT_EQ(TakeSeenDialogs().size(), 1u);
  TypeName(IDC_SPECIES, L"");
  EXPECT_EQ(Text(IDC_SPECIES), L"");
  EXPECT_TRUE(TakeSeenDialogs().empty());
  ChooseText(IDC_NATURE, L"いじっぱり");
  AddRow(BulbasaurAt50);
  EXPECT_TRUE(TakeSeenDialogs().empty());
  // A longer text put into the box is read cut to 19 characters.
  SetWindowTextW(Item(IDC_SPECIES), (L"フシギダネ" + longName).c_str());
  ChooseText(IDC_NATURE, L"ようき");
  EXPECT_EQ(Text(IDC_HP_IV), L"");
  SetWindowTextW(Item(IDC_SPECIES), L"フシギダネ");
  ChooseText(IDC_NATURE, L"いじっぱり");
  EXPECT_EQ(Text(IDC_HP_IV), L"30～31");
  EXPECT_TRUE(TakeSeenDialogs().empty());
}

}  // namespace
