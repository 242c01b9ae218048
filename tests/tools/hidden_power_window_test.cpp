// The hidden power calculator window driven through its real template and
// dialog procedure: typing, corrections, power rules, navigation, closing.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "res/resource.h"
#include "tests/tools/tools_test_support.h"
#include "tools/tools.h"
#include "tools/tools_ids.h"

namespace {

constexpr int IvFields[StatCount] = {
    IDC_HPCALC_IV_HP,    IDC_HPCALC_IV_ATTACK, IDC_HPCALC_IV_DEFENSE,
    IDC_HPCALC_IV_SPATK, IDC_HPCALC_IV_SPDEF,  IDC_HPCALC_IV_SPEED};

class HiddenPowerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCalculatorPowerRule(HiddenPowerPowerRule::FromIvs);
    window_ = OpenHiddenPowerWindow(nullptr);
    ASSERT_NE(window_, nullptr);
    PumpMessages();
  }
  void TearDown() override {
    if (HiddenPowerWindow != nullptr) DestroyWindow(HiddenPowerWindow);
    HiddenPowerWindow = nullptr;
    SetCalculatorPowerRule(HiddenPowerPowerRule::Fixed60);
    PumpMessages();
  }

  HWND Field(int id) const { return GetDlgItem(window_, id); }

  // Types text into a field key by key, as the user would.
  void Type(int id, const wchar_t* keys) {
    HWND field = Field(id);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const wchar_t* key = keys; *key != 0; ++key) {
      SendMessageW(field, WM_CHAR, *key, 1);
    }
  }

  // Replaces the whole field text at once, as a paste over a selection does.
  void Paste(int id, const wchar_t* text) {
    HWND field = Field(id);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  }

  std::wstring Type() const { return ItemText(window_, IDC_HPCALC_TYPE); }
  std::wstring Power() const { return ItemText(window_, IDC_HPCALC_POWER); }

  // What the engine says for six IVs, as the window should show it.
  static std::pair<std::wstring, std::wstring> Expected(
      std::initializer_list<int> ivs,
      HiddenPowerPowerRule rule = HiddenPowerPowerRule::FromIvs) {
    IvResult scratch = {};
    int stat = 0;
    for (int iv : ivs) scratch.stats[stat++].minIv = static_cast<uint8_t>(iv);
    CalcHiddenPower(&scratch, rule);
    return {reinterpret_cast<const wchar_t*>(scratch.hiddenPowerType),
            std::to_wstring(scratch.hiddenPowerPower)};
  }

  // A key press for the focused control, as the message loop would get it.
  static MSG KeyDown(WPARAM key) {
    MSG msg = {};
    msg.hwnd = GetFocus();
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    return msg;
  }

  HWND window_ = nullptr;
};

// ---- Opening ----------------------------------------------------------------

// The window opens empty, and again so after a close with text in it.
TEST_F(HiddenPowerWindowTest, OpensEmptyWithTitleAndNoResultAfterACloseToo) {
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    EXPECT_EQ(WindowText(window_), L"めざめるパワー計算機");
    EXPECT_EQ(HiddenPowerWindow, window_);
    EXPECT_TRUE(IsWindowVisible(window_));
    for (int id : IvFields) EXPECT_EQ(ItemText(window_, id), L"") << id;
    EXPECT_EQ(Type(), L"");
    EXPECT_EQ(Power(), L"");
    EXPECT_TRUE(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    Type(IDC_HPCALC_IV_HP, L"7");
    SendMessageW(window_, WM_CLOSE, 0, 0);
    ASSERT_EQ(HiddenPowerWindow, nullptr);
    window_ = OpenHiddenPowerWindow(nullptr);
    ASSERT_NE(window_, nullptr);
  }
}

TEST_F(HiddenPowerWindowTest, LabelsAndLongestTypeNameShowUnclipped) {
  for (int id = IDC_HPCALC_LABEL_HP; id <= IDC_HPCALC_LABEL_SPEED; ++id) {
    EXPECT_TRUE(TextFits(GetDlgItem(window_, id))) << id;
  }
  EXPECT_TRUE(TextFits(GetDlgItem(window_, IDC_HPCALC_HEADING)));
  EXPECT_TRUE(TextFits(GetDlgItem(window_, IDC_HPCALC_LABEL_TYPE)));
  EXPECT_TRUE(TextFits(GetDlgItem(window_, IDC_HPCALC_LABEL_POWER)));
  for (const char16_t* name : {u"ゴースト", u"ドラゴン", u"エスパー"}) {
    HWND type = GetDlgItem(window_, IDC_HPCALC_TYPE);
    SetWindowTextW(type, reinterpret_cast<const wchar_t*>(name));
    EXPECT_TRUE(TextFits(type)) << WindowText(type).size();
  }
}

TEST_F(HiddenPowerWindowTest, OpeningAgainShowsTheSameWindowWithItsText) {
  Type(IDC_HPCALC_IV_HP, L"7");
  ShowWindow(window_, SW_MINIMIZE);
  EXPECT_EQ(OpenHiddenPowerWindow(nullptr), window_);
  EXPECT_FALSE(IsIconic(window_));
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(ItemText(window_, IDC_HPCALC_IV_HP), L"7");
}

// ---- Results ----------------------------------------------------------------

// The window shows what the engine gives for its fields, under either power
// rule: empty fields count as 0, and a value in one field alone moves only
// its own stat's weight. The combinations' types and powers themselves are
// checked in the core's hidden power tests.
TEST_F(HiddenPowerWindowTest, FieldsFeedTheEngineInStatOrderUnderEitherRule) {
  for (HiddenPowerPowerRule rule :
       {HiddenPowerPowerRule::FromIvs, HiddenPowerPowerRule::Fixed60}) {
    SetCalculatorPowerRule(rule);
    Type(IDC_HPCALC_IV_HP, L"1");  // the other fields still empty
    EXPECT_EQ(std::make_pair(Type(), Power()),
              Expected({1, 0, 0, 0, 0, 0}, rule));
    const std::vector<std::vector<int>> cases = {
        {3, 0, 0, 0, 0, 0},       {0, 3, 0, 0, 0, 0}, {0, 0, 3, 0, 0, 0},
        {0, 0, 0, 3, 0, 0},       {0, 0, 0, 0, 3, 0}, {0, 0, 0, 0, 0, 3},
        {31, 31, 31, 31, 31, 31}, {0, 22, 0, 7, 3, 0}};
    for (const std::vector<int>& ivs : cases) {
      for (int s = 0; s < StatCount; ++s)
        Type(IvFields[s], std::to_wstring(ivs[s]).c_str());
      auto expected =
          Expected({ivs[0], ivs[1], ivs[2], ivs[3], ivs[4], ivs[5]}, rule);
      EXPECT_EQ(std::make_pair(Type(), Power()), expected) << ivs[0] << ivs[5];
    }
    for (int id : IvFields) Paste(id, L"");
  }
}

TEST_F(HiddenPowerWindowTest, PowerFollowsTheModeOfTheLastChange) {
  for (int id : IvFields) Type(id, L"31");
  ASSERT_EQ(Power(), L"70");
  SetCalculatorPowerRule(HiddenPowerPowerRule::Fixed60);
  EXPECT_EQ(Power(), L"70");
  Type(IDC_HPCALC_IV_HP, L"31");
  EXPECT_EQ(Power(), L"60");
}

TEST_F(HiddenPowerWindowTest, TextThatIsNoNumberCountsAsZero) {
  Type(IDC_HPCALC_IV_SPEED, L"1");
  ASSERT_EQ(Type(), L"ひこう");
  Paste(IDC_HPCALC_IV_SPEED, L"x5");
  EXPECT_EQ(ItemText(window_, IDC_HPCALC_IV_SPEED), L"x5");
  EXPECT_EQ(Type(), L"かくとう");
}

// ---- Corrections
// --------------------------------------------------------------

TEST_F(HiddenPowerWindowTest, TypingFortyFiveUsesFourThenThirtyOne) {
  Type(IDC_HPCALC_IV_ATTACK, L"4");
  EXPECT_EQ(std::make_pair(Type(), Power()), Expected({0, 4, 0, 0, 0, 0}));
  SendMessageW(Field(IDC_HPCALC_IV_ATTACK), WM_CHAR, L'5', 1);
  EXPECT_EQ(ItemText(window_, IDC_HPCALC_IV_ATTACK), L"31");
  EXPECT_EQ(std::make_pair(Type(), Power()), Expected({0, 31, 0, 0, 0, 0}));
}

// Out-of-range text, pasted or set by another program, shows corrected and
// the result uses the corrected value: negative numbers become 0 and numbers
// too long for 32 bits 31 (wrapped, 12884901889 = 3 * 2^32 + 1 would read as
// 1, the others as 0, 1 and 1); leading zeros do not make a number long.
TEST_F(HiddenPowerWindowTest, OutOfRangeNumbersAreCorrectedBeforeTheResult) {
  Type(IDC_HPCALC_IV_HP, L"1");
  const struct {
    bool paste;
    int stat;
    const wchar_t* text;
    const wchar_t* shown;
    int iv;
  } cases[] = {{true, StatHp, L"-3", L"0", 0},
               {false, StatDefense, L"12884901889", L"31", 31},
               {false, StatHp, L"4294967296", L"31", 31},
               {false, StatSpeed, L"0000004294967297", L"31", 31},
               {false, StatSpAtk, L"-4294967295", L"0", 0},
               {false, StatSpDef, L"000000000000017", L"000000000000017", 17}};
  int ivs[StatCount] = {};
  for (const auto& c : cases) {
    if (c.paste)
      Paste(IvFields[c.stat], c.text);
    else
      SetWindowTextW(Field(IvFields[c.stat]), c.text);
    EXPECT_EQ(ItemText(window_, IvFields[c.stat]), c.shown) << c.text;
    ivs[c.stat] = c.iv;
    EXPECT_EQ(std::make_pair(Type(), Power()),
              Expected({ivs[0], ivs[1], ivs[2], ivs[3], ivs[4], ivs[5]}))
        << c.text;
  }
}

// Text wider than a field, put there by another program, then a typed
// digit: the field scrolls instead of failing inside the edit control.
TEST_F(HiddenPowerWindowTest, TypingIntoOverwideTextKeepsTheWindowWhole) {
  for (const wchar_t* text : {L"アアアアア", L"abcdefgh"}) {
    HWND field = Field(IDC_HPCALC_IV_HP);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 2, 2);
    SendMessageW(field, WM_CHAR, L'7', 0);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_NE(WindowText(field).find(L'7'), std::wstring::npos);
  }
}

TEST(ClampIvFieldTest, ReturnsTheValueAndCorrectsOutOfRangeText) {
  HWND field = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0,
                               50, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(field, nullptr);
  struct Case {
    const wchar_t* text;
    int32_t value;
    const wchar_t* after;
  } cases[] = {{L"", 0, L""},
               {L"0", 0, L"0"},
               {L"31", 31, L"31"},
               {L"32", 31, L"31"},
               {L"-1", 0, L"0"},
               {L"17abc", 17, L"17abc"},
               {L"abc", 0, L"abc"},
               {L"99999999999999999999", 31, L"31"},
               {L"4294967297", 31, L"31"},
               {L" 4294967297", 31, L"31"},
               {L"\t -4294967295", 0, L"0"},
               {L"-4294967295", 0, L"0"},
               {L"-0", 0, L"-0"}};
  for (const Case& c : cases) {
    SetWindowTextW(field, c.text);
    ASSERT_EQ(WindowText(field), c.text);
    EXPECT_EQ(ClampIvField(field), c.value) << std::wstring(c.text).size();
    EXPECT_EQ(WindowText(field), c.after);
  }
  DestroyWindow(field);
}

// ---- Navigation and closing
// ---------------------------------------------------

TEST_F(HiddenPowerWindowTest, TabVisitsFieldsResultsAndButtonInOrder) {
  SetForegroundWindow(window_);
  SetFocus(Field(IDC_HPCALC_IV_HP));
  const int order[] = {
      IDC_HPCALC_IV_ATTACK, IDC_HPCALC_IV_DEFENSE, IDC_HPCALC_IV_SPATK,
      IDC_HPCALC_IV_SPDEF,  IDC_HPCALC_IV_SPEED,   IDC_HPCALC_TYPE,
      IDC_HPCALC_POWER,     IDC_HPCALC_CLOSE,      IDC_HPCALC_IV_HP};
  for (int next : order) {
    MSG msg = KeyDown(VK_TAB);
    ASSERT_TRUE(IsDialogMessageW(window_, &msg));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), next);
  }
}

TEST_F(HiddenPowerWindowTest, EscapeDoesNothing) {
  SetFocus(Field(IDC_HPCALC_IV_HP));
  MSG msg = KeyDown(VK_ESCAPE);
  IsDialogMessageW(window_, &msg);
  PumpMessages();
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_EQ(HiddenPowerWindow, window_);
}

TEST_F(HiddenPowerWindowTest, CloseButtonClosesAndClearsTheHandle) {
  SendMessageW(Field(IDC_HPCALC_CLOSE), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(HiddenPowerWindow, nullptr);
}

TEST_F(HiddenPowerWindowTest, CloseBoxClosesAndClearsTheHandle) {
  SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(HiddenPowerWindow, nullptr);
}

TEST_F(HiddenPowerWindowTest, DestroyedWithItsOwnerItIsForgotten) {
  DestroyWindow(window_);
  HiddenPowerWindow = nullptr;
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0,
                               0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  window_ = OpenHiddenPowerWindow(owner);
  ASSERT_NE(window_, nullptr);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), owner);
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(HiddenPowerWindow, nullptr);
}

}  // namespace
