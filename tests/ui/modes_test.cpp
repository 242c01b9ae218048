// Generation modes and the menu: status texts, radio marks, the level range
// and clamp, the characteristic rule, the effort value ranges, and the tool
// commands.
#include "data/gamedata.h"
#include "engine/engine.h"
#include "tools/tools.h"
#include "ui/frame.h"
#include "ui/game_modes.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using Modes = MainWindowTest;
using ToolCommands = MainWindowTest;

// Modes 3 to 6 offer the twelve classic orders, modes 7 to 9 each their own;
// a mode that greys the chosen order chooses the national one, which stays.
TEST_F(Modes, EveryModeShowsItsNameMovesTheMarkAndGreysOtherGamesOrders) {
  const wchar_t* names[] = {L"RS/Em/FRLGモード", L"DP/Pt/HGSSモード",
                            L"BW/B2W2モード",    L"XY/ORASモード",
                            L"SM/USUMモード",    L"SwSh/BDSPモード",
                            L"SVモード"};
  const int firstOwn[] = {OrderSmAlola, OrderGalar, OrderPaldea,
                          SpeciesOrderCount};  // of modes 7, 8, 9, and the end
  Command(IDM_SORT_RS_HOENN);
  for (int generation = 3; generation <= 9; ++generation) {
    const int mode = static_cast<int>(ModeCommandOf(generation));
    Command(mode);
    EXPECT_EQ(StatusText(1), names[generation - 3]);
    EXPECT_EQ(GameMode, static_cast<uint32_t>(mode));
    // The menu item and its help line are the generation's own texts.
    const GameDefinition* game = GameOfModeCommand(mode);
    ASSERT_NE(game, nullptr);
    wchar_t text[128] = L"";
    GetMenuStringW(GetMenu(window_), mode, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text),
              reinterpret_cast<const wchar_t*>(game->menuText));
    LoadStringW(GetModuleHandleW(nullptr), mode, text, 128);
    EXPECT_EQ(std::wstring(text),
              reinterpret_cast<const wchar_t*>(game->helpText));
    EXPECT_EQ(StatusText(1),
              reinterpret_cast<const wchar_t*>(game->statusText));
    for (int other = 3; other <= 9; ++other)
      EXPECT_EQ(MenuChecked(ModeCommandOf(other)), other == generation);
    EXPECT_TRUE(
        MenuChecked(generation < 7 ? IDM_SORT_RS_HOENN : IDM_SORT_NATIONAL));
    EXPECT_EQ(StatusText(2),
              generation < 7 ? L"RSホウエン図鑑順" : L"全国図鑑順");
    for (int order = OrderRsHoenn; order < SpeciesOrderCount; ++order) {
      UINT state = GetMenuState(GetMenu(window_), SortCommandOf(order), 0);
      bool offered = generation < 7 ? order <= OrderOrasHoenn
                                    : order >= firstOwn[generation - 7] &&
                                          order < firstOwn[generation - 6];
      EXPECT_EQ((state & MF_GRAYED) != 0, !offered) << generation << order;
    }
  }
  Command(IDM_MODE_GEN6);
  Command(IDM_SORT_KITAKAMI);  // greyed: changes nothing
  EXPECT_TRUE(MenuChecked(IDM_SORT_NATIONAL));
  EXPECT_EQ(StatusText(2), L"全国図鑑順");
}

TEST_F(Modes, Generation3RaisesTheLowestLevelToTwo) {
  EXPECT_EQ(Text(IDC_LEVEL), L"1");
  Command(IDM_MODE_GEN3);
  EXPECT_EQ(SpinRange(Item(IDC_LEVEL_SPIN)), std::make_pair(2, 100));
  EXPECT_EQ(Text(IDC_LEVEL), L"2");
  EnterNumber(IDC_LEVEL, L"");  // an emptied field is the lowest level too
  EXPECT_EQ(Text(IDC_LEVEL), L"2");
  Command(IDM_MODE_GEN4);
  EXPECT_EQ(SpinRange(Item(IDC_LEVEL_SPIN)), std::make_pair(1, 100));
  EXPECT_EQ(Text(IDC_LEVEL), L"2");
  EnterNumber(IDC_LEVEL, L"1");
  EXPECT_EQ(Text(IDC_LEVEL), L"1");
}

TEST_F(Modes, ModeChangeClampsAnEmptyOrWrongLevel) {
  SetWindowTextW(Item(IDC_LEVEL), L"");
  Command(IDM_MODE_GEN5);
  EXPECT_EQ(Text(IDC_LEVEL), L"1");
  SetWindowTextW(Item(IDC_LEVEL), L"x");
  Command(IDM_MODE_GEN3);
  EXPECT_EQ(Text(IDC_LEVEL), L"2");
  SetWindowTextW(Item(IDC_LEVEL), L"250");
  Command(IDM_MODE_GEN3);  // the same mode again repeats every step
  EXPECT_EQ(Text(IDC_LEVEL), L"100");
}

TEST_F(Modes, Generation3DisablesAndResetsTheCharacteristicList) {
  ChooseText(IDC_CHARACTERISTIC, L"たべるのが　だいすき");
  ASSERT_NE(SendMessageW(Item(IDC_CHARACTERISTIC), CB_GETCURSEL, 0, 0), 0);
  Command(IDM_MODE_GEN3);
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_CHARACTERISTIC)));
  EXPECT_EQ(SendMessageW(Item(IDC_CHARACTERISTIC), CB_GETCURSEL, 0, 0), 0);
  Command(IDM_MODE_GEN4);
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_CHARACTERISTIC)));
  EXPECT_EQ(SendMessageW(Item(IDC_CHARACTERISTIC), CB_GETCURSEL, 0, 0), 0);
  ChooseText(IDC_CHARACTERISTIC, L"たべるのが　だいすき");
  Command(IDM_MODE_GEN6);
  EXPECT_NE(SendMessageW(Item(IDC_CHARACTERISTIC), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(Modes, EffortValueRangesAndHeadingInEveryMode) {
  for (int mode = IDM_MODE_GEN3; mode <= IDM_MODE_GEN6; ++mode) {
    SetWindowTextW(Item(IDC_EV_HEADING), L"");
    Command(mode);
    EXPECT_EQ(Text(IDC_EV_HEADING), L"努力値");
    EXPECT_EQ(SpinRange(Item(IDC_SPEED_EV_SPIN)), std::make_pair(0, 255))
        << mode;
  }
}

TEST_F(Modes, UnknownModeShowsNothing) {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  uint32_t saved = GameMode;
  GameMode = 12345;
  SendMessageW(window_, WM_RECALC, 0, 0);
  GameMode = saved;
  EXPECT_EQ(Text(IDC_HP_IV), L"");
  EXPECT_EQ(Text(IDC_ATTACK_MARK), L"");
}

// The window-side engine calls read the chosen mode: the same candidates in
// every mode, the power of hidden power by the mode's rule, and nothing
// outside the modes.
TEST_F(Modes, WindowSideCallsFollowTheChosenMode) {
  const StatusEntry seen[2] = {{50, {120, 75, 69, 76, 85, 65}, {}, 0, 0},
                               {100, {231, 147, 134, 149, 166, 126}, {}, 0, 0}};
  IvResult result{};
  LevelHint hints[StatCount] = {};
  uint32_t natures = 0;
  for (int mode : {IDM_MODE_GEN5, IDM_MODE_GEN6, IDM_MODE_GEN9}) {
    Command(mode);
    ASSERT_EQ(CalcIndividualValuesWithHints(u"フシギダネ", u"いじっぱり", seen,
                                            2, &result, &natures, hints, u"",
                                            u"", 0, 2, 2, 2, 2, 2, 2, 0),
              CalcOk);
    EXPECT_EQ(result.stats[StatSpeed].mask, 1u << 31);
    // Generation 9 has no hidden power; its calculator shows the last rule.
    EXPECT_EQ(result.hiddenPowerPower, mode == IDM_MODE_GEN5   ? 70
                                       : mode == IDM_MODE_GEN6 ? 60
                                                               : 0);
    // The calculator takes the mode's power rule too.
    Command(IDM_HIDDEN_POWER);
    for (int id = IDC_HPCALC_IV_HP; id <= IDC_HPCALC_IV_SPEED; ++id)
      SetDlgItemTextW(HiddenPowerWindow, id, L"31");
    wchar_t power[8] = L"";
    GetDlgItemTextW(HiddenPowerWindow, IDC_HPCALC_POWER, power, 8);
    EXPECT_EQ(std::wstring(power), mode == IDM_MODE_GEN5 ? L"70" : L"60");
  }
  EXPECT_EQ(CalcIndividualValues(u"フシギダネ", nullptr, seen, 2, &result, u"",
                                 u"", 0, 2, 2, 2, 2, 2, 2, 0),
            CalcUnknownNature);
  EXPECT_EQ(
      CalcIndividualValuesAnyNature(u"フシギダネ", seen, 2, &result, &natures,
                                    u"", u"", 0, 2, 2, 2, 2, 2, 2, 0),
      CalcOk);
  EXPECT_NE(natures & 1u << FindNatureIndex(u"いじっぱり"), 0u);
  uint32_t saved = GameMode;
  GameMode = 12345;
  EXPECT_EQ(CalcIndividualValues(u"フシギダネ", u"いじっぱり", seen, 2, &result,
                                 u"", u"", 0, 2, 2, 2, 2, 2, 2, 0),
            CalcUnknownGame);
  GameMode = saved;
}

TEST_F(Modes, CommandsOutsideTheMenuGetDefaultProcessing) {
  SendMessageW(window_, WM_COMMAND, IDM_LAST_COMMAND + 1, 0);
  SendMessageW(window_, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_EQ(StatusText(1), L"XY/ORASモード");
}

TEST_F(ToolCommands, HiddenPowerCommandOpensOneWindowOnly) {
  ASSERT_EQ(HiddenPowerWindow, nullptr);
  Command(IDM_HIDDEN_POWER);
  HWND first = HiddenPowerWindow;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetWindow(first, GW_OWNER), window_);
  // The window's restoring itself is checked with the tool window's tests.
  Command(IDM_HIDDEN_POWER);
  EXPECT_EQ(HiddenPowerWindow, first);
}

TEST_F(ToolCommands, ClosingTheMainWindowEndsTheLoopAndTheCalculator) {
  Command(IDM_HIDDEN_POWER);
  HWND calculator = HiddenPowerWindow;
  ASSERT_NE(calculator, nullptr);
  PostMessageW(window_, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(RunMessageLoop(window_), 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(IsWindow(calculator));
}

TEST_F(ToolCommands, AboutCommandRunsTheModalAboutBox) {
  Command(IDM_ABOUT);
  std::vector<SeenDialog> seen = TakeSeenDialogs();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"バージョン情報");
  EXPECT_EQ(seen[0].owner, window_);
}

}  // namespace

// The viewer shows the help file's Japanese title, which it reads in the
// system code page: garbled unless that is the players' 932.
TEST_F(ToolCommands, HelpViewerCaptionIsTheHelpFileTitle) {
  // Tessavar.chm lies in the build folder, two levels above this program.
  wchar_t folder[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, folder, MAX_PATH);
  for (int up = 0; up < 3; ++up) *wcsrchr(folder, L'\\') = L'\0';
  wchar_t previous[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder));
  Command(IDM_HELP_CONTENTS);
  HWND viewer = nullptr;
  for (int tries = 0; tries < 100 && viewer == nullptr; ++tries) {
    PumpMessagesKeepingQuit();
    viewer = FindWindowW(L"HH Parent", nullptr);
    if (viewer == nullptr) Sleep(50);
  }
  SetCurrentDirectoryW(previous);
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(WindowText(viewer), L"Tessavar ヘルプ");
  // Closed at a person's pace: Wine's viewer does not survive a close
  // within milliseconds of its opening.
  for (int k = 0; k < 20; ++k) {
    PumpMessagesKeepingQuit();
    Sleep(50);
  }
  SendMessageW(viewer, WM_CLOSE, 0, 0);
  PumpMessagesKeepingQuit();
}
