// Keeping the player's work: saving and opening files (dropped on the
// window), the caption, refusals and failed saves, restoring the previous
// input, the remembered settings and the copied result line.
#include "file_bytes.h"
#include "ui/frame.h"
#include "ui/settings.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using Files = MainWindowTest;
using Restore = MainWindowTest;

// A fresh folder under the temporary folder, emptied for each test.
std::wstring TestFolder() {
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
  std::wstring path = TestFolder() + L"フシギダネ.tsv";
  DeleteFileW(path.c_str());
  WriteBytes(path, FreshFile);
  DropFile(path);
  EXPECT_EQ(WindowText(window_), L"Tessavar - フシギダネ.tsv");
  Command(IDM_MODE_GEN5);
  ChooseText(IDC_SPECIES, L"フシギダネ");
  ChooseText(IDC_NATURE, L"いじっぱり");
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
  std::wstring path = TestFolder() + L"refused.tsv";
  WriteBytes(path, "Tessavar\t1\r\ngeneration\t6\r\nspecies\tナゾノ\r\n");
  DropFile(path);
  std::vector<SeenDialog> seen = TakeSeenDialogs();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, L"ファイルを開けませんでした。\n" + path +
                              L"\n3行目: ポケモン名がデータに存在しません");
  EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, IDI_WARNING));
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(WindowText(window_), L"Tessavar");
}

TEST_F(Files, FailedSaveSaysSoAndLeavesTheOldFile) {
  std::wstring folder = TestFolder();
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
}

TEST_F(Restore, TheLastRunsInputComesBackOnlyWhenAskedFor) {
  ChooseText(IDC_SPECIES, L"フシギダネ");
  ChooseText(IDC_NATURE, L"いじっぱり");
  AddRow(BulbasaurAt50);
  TearDown();  // closing writes the autosave file at once
  SetUp();
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Text(IDC_SPECIES), L"");
  Command(IDM_RESTORE);
  EXPECT_EQ(Text(IDC_SPECIES), L"フシギダネ");
  EXPECT_EQ(Text(IDC_NATURE), L"いじっぱり");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Text(IDC_ATTACK_IV), L"30～31");
  EXPECT_EQ(WindowText(window_), L"Tessavar");
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
