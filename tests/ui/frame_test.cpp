// The application frame: start-up state, window growth, help lines, the
// message loop and shutdown.
#include "ui/frame.h"

#include "ui/common.h"
#include "ui_test_support.h"

namespace {

using Span = std::pair<DWORD, DWORD>;

// The selection of an edit field, first and end position.
Span Selection(HWND field) {
  Span selection{1, 0};
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.first),
               reinterpret_cast<LPARAM>(&selection.second));
  return selection;
}

using StartUp = MainWindowTest;
using HelpLines = MainWindowTest;
using Shutdown = MainWindowTest;

TEST_F(StartUp, StatusPartsEndAtFixedDistancesFromTheWindowEdge) {
  RECT frame;
  GetWindowRect(window_, &frame);
  int width = frame.right - frame.left;
  int edges[3] = {};
  SendMessageW(Item(IDC_STATUS_BAR), SB_GETPARTS, 3,
               reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], width - 260);
  EXPECT_EQ(edges[1], width - 150);
  EXPECT_EQ(edges[2], -1);
}

TEST_F(StartUp, Generation6AndKanaOrderAreMarkedAndNamedAndHelpLineEmpty) {
  for (int command = IDM_MODE_GEN3; command <= IDM_MODE_GEN6; ++command)
    EXPECT_EQ(MenuChecked(command), command == IDM_MODE_GEN6) << command;
  for (int command = IDM_SORT_KANA; command <= IDM_SORT_ORAS_HOENN; ++command)
    EXPECT_EQ(MenuChecked(command), command == IDM_SORT_KANA) << command;
  EXPECT_EQ(StatusText(0), L"");
  EXPECT_EQ(StatusText(1), L"XY/ORASモード");
  EXPECT_EQ(StatusText(2), L"五十音順");
}

TEST_F(StartUp, LevelReadsOneAndFocusIsInTheSpeciesBox) {
  EXPECT_EQ(Text(IDC_LEVEL), L"1");
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == Item(IDC_SPECIES) || focus == ComboEdit(IDC_SPECIES));
}

TEST_F(StartUp, CaptionClassAndIcon) {
  EXPECT_EQ(WindowText(window_), L"Tessavar");
  EXPECT_EQ(ClassName(window_), L"Tessavar");
  EXPECT_NE(GetClassLongPtrW(window_, GCLP_HICON), 0);
  EXPECT_NE(GetMenu(window_), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(window_, GWL_STYLE) & WS_THICKFRAME, 0);
}

TEST_F(StartUp, ModulePathIsTheRunningFile) {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  EXPECT_STREQ(ModulePath, path);
}

// The window grows by the status bar and one menu bar during start-up; its
// width and position stay.
RECT rectAtInit;
bool sawInit = false;
LRESULT CALLBACK RecordInitRect(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG) {
    GetWindowRect(call->hwnd, &rectAtInit);
    sawInit = true;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StartUpGrowth, WindowGrowsByStatusBarAndMenuHeight) {
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordInitRect, nullptr,
                                 GetCurrentThreadId());
  sawInit = false;
  HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  UnhookWindowsHookEx(hook);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(sawInit);
  RECT now, bar;
  GetWindowRect(window, &now);
  GetWindowRect(GetDlgItem(window, IDC_STATUS_BAR), &bar);
  EXPECT_EQ(now.left, rectAtInit.left);
  EXPECT_EQ(now.top, rectAtInit.top);
  EXPECT_EQ(now.right, rectAtInit.right);
  EXPECT_EQ(now.bottom - now.top, (rectAtInit.bottom - rectAtInit.top) +
                                      (bar.bottom - bar.top) +
                                      GetSystemMetrics(SM_CYMENU));
  SendMessageW(window, WM_CLOSE, 0, 0);
  TakeQuitMessage();
}

// The pointer on a control shows the control's help string; on the window's
// surface or a control without a string it empties the line.
TEST_F(HelpLines, PointerShowsTheHelpStringOfWhatItIsOn) {
  const struct {
    int id;  // 0: the window's surface
    const wchar_t* line;
  } cases[] = {
      {IDC_HP_STAT, L"HPの能力値の入力欄です"},
      {IDC_STATUS_LIST, L"個体値計算時の資料のリストです"},
      {IDC_DELETE_ROWS, L"選択項目を判定対象のステータスから削除します"},
      {IDC_SPECIES, L"ポケモン名の選択欄です"},
      {IDC_SPEED_EV, L"すばやさの努力値の入力欄です"},
      {0, L""},
      {IDC_LEVEL, L"レベルの入力欄です"},
      {IDC_CHARACTERISTIC, L""}};
  for (const auto& c : cases) {
    SendMessageW(c.id != 0 ? Item(c.id) : window_, WM_MOUSEMOVE, 0,
                 MAKELPARAM(5, 5));
    EXPECT_EQ(StatusText(0), c.line) << c.id;
  }
}

TEST_F(HelpLines, OnlyDirectChildrenAreSubclassed) {
  EXPECT_NE(GetPropW(Item(IDC_SPECIES), L"DefWndProc"), nullptr);
  EXPECT_NE(GetPropW(Item(IDC_STATUS_BAR), L"DefWndProc"), nullptr);
  EXPECT_NE(GetPropW(Item(IDC_LEVEL_SPIN), L"DefWndProc"), nullptr);
  EXPECT_EQ(GetPropW(ComboEdit(IDC_SPECIES), L"DefWndProc"), nullptr);
  HWND header = reinterpret_cast<HWND>(
      SendMessageW(Item(IDC_STATUS_LIST), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(GetPropW(header, L"DefWndProc"), nullptr);
  // The species box's inner edit field leaves the help line alone.
  SendMessageW(Item(IDC_HP_EV), WM_MOUSEMOVE, 0, 0);
  SendMessageW(ComboEdit(IDC_SPECIES), WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(StatusText(0), L"HPの努力値の入力欄です");
}

// Focus or a click into a numeric field selects its whole text.
TEST_F(HelpLines, FocusOrClickIntoANumericFieldSelectsItsWholeText) {
  EnterNumber(IDC_ATTACK_STAT, L"123");
  Focus(IDC_ATTACK_STAT);
  EXPECT_EQ(Selection(Item(IDC_ATTACK_STAT)), Span(0, 3));
  SendMessageW(Item(IDC_ATTACK_STAT), EM_SETSEL, 1, 1);  // caret inside
  SendMessageW(Item(IDC_ATTACK_STAT), WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(3, 3));
  SendMessageW(Item(IDC_ATTACK_STAT), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Selection(Item(IDC_ATTACK_STAT)), Span(0, 3));
  EXPECT_EQ(GetFocus(), Item(IDC_ATTACK_STAT));
}

TEST_F(HelpLines, MenuItemsShowTheirHelpAndSubmenusEmptyTheLine) {
  HMENU menu = GetMenu(window_);
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(IDM_HIDDEN_POWER, MF_HILITE),
               reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(0),
            L"個体値からめざめるパワーのタイプと威力を計算します");
  SendMessageW(window_, WM_MENUSELECT,
               MAKEWPARAM(IDM_SORT_ORAS_HOENN, MF_HILITE),
               reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(0),
            L"ポケモン名をオメガルビー・アルファサファイアの「ホウエン図鑑」のN"
            L"o順で並び替えます");
  // "動作モード(&M)" is the submenu at position 0 of "設定(&O)".
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE),
               reinterpret_cast<LPARAM>(GetSubMenu(menu, 1)));
  EXPECT_EQ(StatusText(0), L"");
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(IDM_EXIT, MF_HILITE),
               reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(0), L"このソフトを終了します");
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(StatusText(0), L"");
}

TEST_F(HelpLines, EveryMenuCommandHasItsHelpString) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (int command = IDM_EXIT; command <= IDM_COPY_RESULT; ++command) {
    wchar_t text[256] = L"";
    EXPECT_GT(LoadStringW(instance, command, text, 256), 0) << command;
  }
}

TEST_F(Shutdown, ExitCommandClosesTheWindowAndPostsQuit) {
  TypeName(IDC_SPECIES, L"ナゾノポケモン");  // not in the data
  Command(IDM_EXIT);
  EXPECT_FALSE(IsWindow(window_));
  int exitCode = -1;
  EXPECT_TRUE(TakeQuitMessage(&exitCode));
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(TakeSeenDialogs().empty());  // no name warning on the way out
}

TEST_F(Shutdown, CloseBoxEmptiesNameFieldsWithoutWarnings) {
  ChooseText(IDC_SPECIES, L"フシギダネ");
  TypeName(IDC_NATURE, L"ちがう");
  SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_TRUE(TakeSeenDialogs().empty());
}

TEST_F(StartUp, StatusBarIsDockedAtTheBottom) {
  RECT client, bar;
  GetClientRect(window_, &client);
  GetWindowRect(Item(IDC_STATUS_BAR), &bar);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right);
}

}  // namespace

namespace {

using KeyboardNavigation = MainWindowTest;

// A key pressed and released as the message loop offers it to the dialog
// manager; returns whether the dialog manager took the press.
bool PressKey(HWND mainWindow, WPARAM key) {
  MSG message{};
  message.hwnd = GetFocus();
  message.message = WM_KEYDOWN;
  message.wParam = key;
  message.lParam = 1;
  bool taken = IsDialogMessageW(mainWindow, &message) != FALSE;
  message.hwnd = GetFocus();
  message.message = WM_KEYUP;
  message.lParam = static_cast<LPARAM>(0xC0000001u);
  IsDialogMessageW(mainWindow, &message);
  return taken;
}

// Enter (or Space) on a focused row button presses it; Enter in a field
// presses nothing.
TEST_F(KeyboardNavigation, EnterOrSpaceOnAFocusedRowButtonPressesIt) {
  for (int field : NumericFieldIds) EnterNumber(field, L"9");
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    SCOPED_TRACE(key);
    int base = RowCount();
    for (const wchar_t* level : {L"1", L"2", L"3"}) {
      EnterNumber(IDC_LEVEL, level);
      Focus(IDC_ADD_ROW);
      PressKey(window_, key);
    }
    ASSERT_EQ(RowCount(), base + 3);
    SelectRows({base + 1});
    Focus(IDC_DELETE_ROWS);
    PressKey(window_, key);
    ASSERT_EQ(RowCount(), base + 2);
    EXPECT_EQ(Cell(base + 1, 1), L"3");
    FocusRow(base);
    Focus(IDC_EDIT_ROW);
    PressKey(window_, key);
    EXPECT_EQ(Text(IDC_LEVEL), L"1");
  }
  Focus(IDC_LEVEL);
  PressKey(window_, VK_RETURN);
  EXPECT_EQ(RowCount(), 4);
}

TEST_F(KeyboardNavigation, TabMovesThroughTheFieldsInTemplateOrder) {
  ASSERT_TRUE(PressKey(window_, VK_TAB));
  EXPECT_EQ(GetFocus(), ComboEdit(IDC_NATURE));
  ASSERT_TRUE(PressKey(window_, VK_TAB));
  EXPECT_EQ(GetFocus(), Item(IDC_CHARACTERISTIC));
  EnterNumber(IDC_HP_STAT, L"120");
  Focus(IDC_LEVEL);
  ASSERT_TRUE(PressKey(window_, VK_TAB));
  EXPECT_EQ(GetFocus(), Item(IDC_HP_STAT));  // the up-down is skipped
  EXPECT_EQ(Selection(Item(IDC_HP_STAT)), Span(0, 3));
}

TEST_F(KeyboardNavigation, LeavingAFieldByTabClampsIt) {
  EnterNumber(IDC_SPEED_EV, L"");
  Focus(IDC_SPEED_EV);
  SetWindowTextW(Item(IDC_SPEED_EV), L"400");
  ASSERT_TRUE(PressKey(window_, VK_TAB));
  EXPECT_EQ(GetFocus(), Item(IDC_ADD_ROW));
  EXPECT_EQ(Text(IDC_SPEED_EV), L"255");
}

TEST_F(KeyboardNavigation, NextControlMessageCanNameTheControl) {
  SendMessageW(window_, WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(Item(IDC_STATUS_LIST)), TRUE);
  EXPECT_EQ(GetFocus(), Item(IDC_STATUS_LIST));
}

}  // namespace
