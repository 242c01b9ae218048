// Keeping the player's work: saving and opening files (dropped on the
// window), the caption, the question before unsaved input is replaced,
// refusals and failed saves, restoring kept inputs, the remembered settings
// and the copied result line.
#include "file_bytes.h"
#include "ui/autosave.h"
#include "ui/frame.h"
#include "ui/safe_file.h"
#include "ui/settings.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using Files = MainWindowTest;
using Restore = MainWindowTest;

// A fresh folder under the temporary folder, emptied for each test.
std::wstring ScratchFolder() {
  wchar_t temp[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"tessavar_file_test";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\";
}

int FilesIn(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  int count = 0;
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

// A file of the fresh state.
const std::string FreshFile =
    "\xEF\xBB\xBFTessavar\t1\r\ngeneration\t6\r\nspecies\t\r\nnature\t\r\n"
    "characteristic\t\r\nhiddenPowerType\t\r\noverallVerdict\t\r\n"
    "bestStatMarks\t?\t?\t?\t?\t?\t?\r\nbestStatVerdict\t\r\nlevel\thp\t"
    "attack\tdefense\tspAtk\tspDef\tspeed\thpEffort\tattackEffort\t"
    "defenseEffort\tspAtkEffort\tspDefEffort\tspeedEffort\teffortUnknown\r\n"
    "end\r\n";

// The button the next message box is answered with.
int Answer = IDOK;
void PressAnswer(HWND box) { SendMessageW(box, WM_COMMAND, Answer, 0); }

// What the form shows of every saved field, and the first row.
std::vector<std::wstring> Shown(HWND window) {
  std::vector<std::wstring> shown;
  for (int id : {IDC_SPECIES, IDC_NATURE, IDC_CHARACTERISTIC, IDC_HP_TYPE_CLUE,
                 IDC_OVERALL_VERDICT, IDC_BEST_VERDICT, IDC_HP_IV,
                 IDC_HIDDEN_POWER_POWER})
    shown.push_back(WindowText(GetDlgItem(window, id)));
  for (int id = IDC_BEST_HP; id <= IDC_BEST_SPEED; ++id)
    shown.push_back(std::to_wstring(IsDlgButtonChecked(window, id)));
  return shown;
}

TEST_F(Files, SavedInputOpensInAFreshWindowWithEveryField) {
  std::wstring path = ScratchFolder() + L"フシギダネ.tsv";
  DeleteFileW(path.c_str());
  WriteBytes(path, FreshFile);
  DropFile(path);
  EXPECT_EQ(WindowText(window_), L"Tessavar - フシギダネ.tsv");
  Command(IDM_MODE_GEN5);
  NameQuickStartExample();
  Choose(IDC_CHARACTERISTIC, 8);
  Choose(IDC_HP_TYPE_CLUE, 1);
  Choose(IDC_OVERALL_VERDICT, 3);
  Click(IDC_BEST_HP);  // indeterminate -> unchecked
  Click(IDC_BEST_ATTACK);
  Click(IDC_BEST_ATTACK);  // -> checked
  Choose(IDC_BEST_VERDICT, 2);
  AddRow(BulbasaurAt50);
  AddRow(BulbasaurAt100);
  EXPECT_EQ(WindowText(window_), L"Tessavar - *フシギダネ.tsv");
  std::vector<std::wstring> want = Shown(window_);
  Command(IDM_SAVE);
  EXPECT_EQ(WindowText(window_), L"Tessavar - フシギダネ.tsv");

  TearDown();
  SetUp();
  DropFile(path);
  EXPECT_EQ(WindowText(window_), L"Tessavar - フシギダネ.tsv");
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN5));
  EXPECT_EQ(Shown(window_), want);
  EXPECT_EQ(IsDlgButtonChecked(window_, IDC_BEST_ATTACK), BST_CHECKED);
  ASSERT_EQ(RowCount(), 2);
  for (int k = 0; k < 13; ++k) EXPECT_EQ(Cell(1, k + 1), BulbasaurAt100[k]);
}

TEST_F(Files, RefusedFileNamesLineAndReasonAndLoadsNothing) {
  AddRow(BulbasaurAt50);
  std::wstring path = ScratchFolder() + L"refused.tsv";
  WriteBytes(path, "Tessavar\t1\r\ngeneration\t6\r\nspecies\tナゾノ\r\n");
  DropFile(path);
  TakeMessageBox(L"ファイルを開けませんでした。\n" + path +
                     L"\n3行目: ポケモン名がデータに存在しません",
                 IDI_WARNING);
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(WindowText(window_), L"Tessavar");
  WriteBytes(path, std::string(FileSizeLimit + 1, '\n'));
  DropFile(path);
  TakeMessageBox(L"ファイルを開けませんでした。\n" + path +
                     L"\nファイルが大きすぎます（4 MBまで）",
                 IDI_ERROR);  // a failed read, not a refused text
}

// Open, drop and restore ask before an input that differs from its file
// is replaced: Cancel keeps it, No discards it, Yes saves it first.
TEST_F(Files, UnsavedInputIsAskedAboutBeforeItIsReplaced) {
  std::wstring first = ScratchFolder() + L"first.tsv";
  std::wstring second = ScratchFolder() + L"second.tsv";
  WriteBytes(first, FreshFile);
  WriteBytes(second, FreshFile);
  DropFile(first);
  DropFile(second);  // nothing to lose: no question
  AddRow(BulbasaurAt50);
  SetDialogInspector(PressAnswer);
  for (int answer : {IDCANCEL, IDNO, IDYES}) {
    Answer = answer;
    DropFile(answer == IDNO ? first : second);
    std::vector<SeenDialog> seen = TakeSeenDialogs();
    ASSERT_EQ(seen.size(), 1u) << answer;
    EXPECT_EQ(seen[0].text, L"変更を保存しますか？");
    EXPECT_EQ(RowCount(), answer == IDCANCEL ? 1 : 0) << answer;
    if (answer == IDNO) AddRow(BulbasaurAt50);
  }
  SetDialogInspector(nullptr);
  EXPECT_EQ(ReadBytes(second), FreshFile);  // discarded by No
  EXPECT_NE(ReadBytes(first).find("\r\n50\t"), std::string::npos);  // Yes
  EXPECT_EQ(WindowText(window_), L"Tessavar - second.tsv");
}

// The species field holds a name the list lacks: the file command warns
// once, as leaving the field does, and opens no dialog.
TEST_F(Files, NoFileDialogWhileANameIsBeingCorrected) {
  TypeName(IDC_SPECIES, L"xyz");
  Command(IDM_SAVE_AS);
  TakeMessageBox(L"指定されたポケモンはデータに存在しません", IDI_WARNING);
  EXPECT_EQ(GetParent(GetFocus()), Item(IDC_SPECIES));
}

TEST_F(Files, FailedSaveSaysSoAndLeavesTheOldFile) {
  std::wstring folder = ScratchFolder();
  std::wstring path = folder + L"kept.tsv";
  std::string before = FreshFile;
  WriteBytes(path, before);
  DropFile(path);
  AddRow(BulbasaurAt50);
  int files = FilesIn(folder);
  // Another program holds the file open and shares it with nobody.
  HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  Command(IDM_SAVE);
  CloseHandle(held);
  std::vector<SeenDialog> seen = TakeSeenDialogs();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.rfind(L"ファイルを保存できませんでした。\n" + path, 0),
            0u)
      << testing::PrintToString(seen[0].text);
  EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, IDI_ERROR));
  EXPECT_FALSE(seen[0].hasCancel);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(FilesIn(folder), files);  // no temporary file left
  EXPECT_EQ(WindowText(window_), L"Tessavar - *kept.tsv");
  // A read-only file is refused before anything is written.
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  Command(IDM_SAVE);
  seen = TakeSeenDialogs();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.substr(seen[0].text.rfind(L'\n') + 1),
            L"読み取り専用のファイルには保存できません");
  EXPECT_EQ(ReadBytes(path), before);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A file in a folder past the classic path limit saves; once that folder
  // has vanished, the save names it. (The test's own calls use the "\\?\"
  // form, as Windows wants at this length.)
  std::wstring deep = folder + std::wstring(150, L'a') + L"\\";
  std::wstring deeper = deep + std::wstring(150, L'b');
  CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
  CreateDirectoryW((L"\\\\?\\" + deeper).c_str(), nullptr);
  std::wstring distant = deeper + L"\\far.tsv";
  ASSERT_TRUE(WriteBytes(L"\\\\?\\" + distant, before));
  Answer = IDNO;  // to the question about the unsaved kept.tsv
  SetDialogInspector(PressAnswer);
  DropFile(distant);
  SetDialogInspector(nullptr);
  EXPECT_EQ(TakeSeenDialogs().size(), 1u);
  AddRow(BulbasaurAt50);
  Command(IDM_SAVE);
  EXPECT_EQ(TakeSeenDialogs().size(), 0u);
  EXPECT_NE(ReadBytes(L"\\\\?\\" + distant).find("\r\n50\t"),
            std::string::npos);
  DeleteFileW((L"\\\\?\\" + distant).c_str());
  RemoveDirectoryW((L"\\\\?\\" + deeper).c_str());
  RemoveDirectoryW((L"\\\\?\\" + deep).c_str());
  Command(IDM_SAVE);
  seen = TakeSeenDialogs();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text.substr(seen[0].text.rfind(L'\n') + 1),
            L"フォルダーが見つかりません: " + deeper);
}

// The kept inputs of the last five closed windows, newest first in the
// submenu, each with its species.
TEST_F(Restore, EachClosedWindowsInputIsKeptNewestFirst) {
  const std::vector<std::wstring> species = {L"フシギダネ", L"ヒトカゲ",
                                             L"ゼニガメ",   L"ピカチュウ",
                                             L"イーブイ",   L"ミュウ"};
  for (const std::wstring& name : species) {
    ChooseText(IDC_SPECIES, name);
    if (name == L"ヒトカゲ") AddRow(BulbasaurAt50);
    TearDown();  // closing keeps the input
    SetUp();
  }
  HMENU menu = GetSubMenu(GetSubMenu(GetMenu(window_), 0), 4);
  SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 4);
  ASSERT_EQ(GetMenuItemCount(menu), KeptInputLimit);
  for (int k = 0; k < KeptInputLimit; ++k) {
    wchar_t label[128] = L"";
    GetMenuStringW(menu, k, label, 128, MF_BYPOSITION);
    EXPECT_EQ(label + wcslen(label) - species[5 - k].size(), species[5 - k]);
  }
  Command(IDM_RESTORE_KEPT + 4);  // the oldest kept: no question yet
  EXPECT_EQ(Text(IDC_SPECIES), L"ヒトカゲ");
  EXPECT_EQ(RowCount(), 1);
  SetDialogInspector(PressAnswer);
  Answer = IDNO;
  Command(IDM_RESTORE);  // the newest
  SetDialogInspector(nullptr);
  ASSERT_EQ(TakeSeenDialogs().size(), 1u);  // the question
  EXPECT_EQ(Text(IDC_SPECIES), L"ミュウ");
}

class CopyResult : public MainWindowTest {
 protected:
  static std::wstring Clipboard() {
    if (!OpenClipboard(nullptr)) return L"(not opened)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    std::wstring copied = text != nullptr ? text : L"(none)";
    if (text != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return copied;
  }
  static constexpr wchar_t QuickStartLine[] =
      L"フシギダネ いじっぱり 31-31-31-31-31-31 めざパ:あく 60";
};

TEST_F(CopyResult, QuickStartExampleGivesThePlayersNotation) {
  FillQuickStartExample();
  Command(IDM_COPY_RESULT);
  EXPECT_EQ(Clipboard(), QuickStartLine);
}

// The shortcut key pressed in a field, through the program's message loop.
TEST_F(CopyResult, CtrlShiftCCopiesThroughTheMessageLoop) {
  FillQuickStartExample();
  if (OpenClipboard(nullptr)) EmptyClipboard(), CloseClipboard();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(Item(IDC_LEVEL), WM_KEYDOWN, 'C', 1);
  PostMessageW(window_, WM_COMMAND, IDM_EXIT, 0);
  RunMessageLoop(window_);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(Clipboard(), QuickStartLine);
}

// The remembered settings are removed after every test.
class Settings : public MainWindowTest {
 protected:
  void SetUp() override {}
  void Start() { MainWindowTest::SetUp(); }
  void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0,
                    KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void PutDword(const wchar_t* name, DWORD value) {
    Put(name, REG_DWORD, &value, sizeof(value));
  }
  RECT Place() const {
    RECT place{};
    GetWindowRect(window_, &place);
    return place;
  }
};

TEST_F(Settings, BadValuesAreIgnoredAndAPlaceOffScreenCentresTheWindow) {
  Start();
  RECT centred = Place();
  TearDown();
  Put(GameModeValue, REG_SZ, L"32801", 12);
  PutDword(SortOrderValue, 32817);  // one past the earlier release's orders
  PutDword(GenerationValue, 10);
  Put(SpeciesOrderValue, REG_SZ, L"Kana", 10);
  uint64_t wide = 40;
  Put(WindowLeftValue, REG_QWORD, &wide, sizeof(wide));
  PutDword(WindowTopValue, 30);
  Start();
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN6));
  EXPECT_TRUE(MenuChecked(IDM_SORT_KANA));
  EXPECT_EQ(Place().left, centred.left);
  EXPECT_EQ(Place().top, centred.top);
  TearDown();
  PutDword(WindowLeftValue, static_cast<DWORD>(-30000));
  PutDword(WindowTopValue, static_cast<DWORD>(-30000));
  PutDword(GameModeValue, 32805);  // the earlier release's first order
  Start();
  EXPECT_EQ(Place().left, centred.left);
  EXPECT_EQ(Place().top, centred.top);
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN6));
}

TEST_F(Settings, ChoicesAndPlaceOfTheLastRunComeBack) {
  Start();
  Command(IDM_MODE_GEN3);
  Command(IDM_SORT_NATIONAL);
  SetWindowPos(window_, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(window_, WM_CLOSE, 0, 0);
  TakeQuitMessage();
  Start();
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN3));
  EXPECT_TRUE(MenuChecked(IDM_SORT_NATIONAL));
  EXPECT_EQ(StatusText(1), L"RS/Em/FRLGモード");
  EXPECT_EQ(Place().left, 40);
  EXPECT_EQ(Place().top, 30);
  TearDown();
  // An order the remembered mode does not offer gives the national one.
  PutDword(GenerationValue, 7);
  Put(SpeciesOrderValue, REG_SZ, L"galar", 12);
  Start();
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN7) && MenuChecked(IDM_SORT_NATIONAL));
}

// A place with part of the window off the work area (down to one pixel on
// it) moves the least distance that brings all of it back on.
TEST_F(Settings, APlacePartlyOffTheScreenMovesTheLeastDistanceOntoIt) {
  Start();
  const SIZE size{Place().right - Place().left, Place().bottom - Place().top};
  TearDown();
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  const LONG right = work.right - size.cx, bottom = work.bottom - size.cy;
  const POINT placesAndFits[][2] = {
      {{work.right - 1, 30}, {right, 30}},
      {{work.left - size.cx + 1, work.bottom - 1}, {work.left, bottom}},
      {{work.left - 100, work.top - 50}, {work.left, work.top}},
      {{right + 1, bottom + 1}, {right, bottom}},
      {{right, bottom}, {right, bottom}}};
  for (const auto& [place, fit] : placesAndFits) {
    PutDword(WindowLeftValue, static_cast<DWORD>(place.x));
    PutDword(WindowTopValue, static_cast<DWORD>(place.y));
    Start();
    EXPECT_EQ(Place().left, fit.x) << place.x << "," << place.y;
    EXPECT_EQ(Place().top, fit.y) << place.x << "," << place.y;
    TearDown();
  }
}

// What release 3.5 stored (the menu commands of its mode and order) is read
// once and rewritten as a generation number and an order key.
TEST_F(Settings, ValuesOfTheEarlierReleaseAreRewrittenOnce) {
  PutDword(GameModeValue, 32801);
  PutDword(SortOrderValue, 32806);
  PutDword(GenerationValue, 5);  // older than the earlier release's values
  Start();
  EXPECT_TRUE(MenuChecked(IDM_MODE_GEN3));
  EXPECT_TRUE(MenuChecked(IDM_SORT_NATIONAL));
  HKEY key = nullptr;
  ASSERT_EQ(
      RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, KEY_QUERY_VALUE, &key),
      ERROR_SUCCESS);
  DWORD generation = 0;
  DWORD size = sizeof(generation);
  EXPECT_EQ(RegQueryValueExW(key, GenerationValue, nullptr, nullptr,
                             reinterpret_cast<BYTE*>(&generation), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(generation, 3u);
  wchar_t order[32] = L"";
  size = sizeof(order);
  RegQueryValueExW(key, SpeciesOrderValue, nullptr, nullptr,
                   reinterpret_cast<BYTE*>(order), &size);
  EXPECT_EQ(std::wstring(order), L"national");
  for (const wchar_t* old : {GameModeValue, SortOrderValue})
    EXPECT_EQ(RegQueryValueExW(key, old, nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

}  // namespace
