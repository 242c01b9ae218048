// Starts a program of the project, waits until its window is up and idle,
// and for Tessavar.exe types an example in by messages, so that a screenshot
// taken afterwards shows the same picture on every run:
//   tessavar_screen_driver [--fresh] PROGRAM.exe [--filled | --questions |
//                          --gen9 | TOOL-ARGUMENT]
// --fresh first removes the remembered settings and the autosave, so that the
// program starts as on its first run. The driver exits once the window shows
// the wanted state (0) or when something is missing (1); the program keeps
// running.
#include <windows.h>
// The shell's declarations need the definitions of windows.h.
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "file_bytes.h"
#include "res/resource.h"
#include "ui/autosave.h"
#include "ui/settings.h"
#include "worked_examples.h"

namespace {

constexpr DWORD StartTimeout = 60000;
bool Fail(const char* what) {
  std::fprintf(stderr, "tessavar_screen_driver: %s\n", what);
  return false;
}

void ForgetRememberedState() {
  RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder)))
    return;
  // The autosave files of the windows and the kept inputs.
  std::wstring path = std::wstring(folder) + AutosaveFolder;
  DeleteFilesIn(path, L"*.tsv");
  RemoveDirectoryW(path.c_str());
}

// The first shown top-level window of the process, once it has one and
// waits for input.
HWND WaitForShownWindow(HANDLE process, DWORD id) {
  for (DWORD waited = 0; waited < StartTimeout; waited += 50) {
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
    WaitForInputIdle(process, 50);
    HWND found = FindProcessWindow(
        id, [](HWND window) { return IsWindowVisible(window) != FALSE; });
    if (found != nullptr) return found;
    Sleep(50);
  }
  return nullptr;
}

// The player's actions as the messages they produce; each is sent, so the
// window has done its work (the recalculation included) when it returns.
struct Player {
  HWND window;

  HWND Item(int id) const { return GetDlgItem(window, id); }
  void Command(int command) const {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  }
  void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  bool Choose(int id, const wchar_t* text) const {
    LRESULT index = SendMessageW(Item(id), CB_FINDSTRINGEXACT, -1,
                                 reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR) return Fail("an item to choose is missing");
    SendMessageW(Item(id), CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(id)));
    return true;
  }
  // Fills the first `count` numeric fields of a row.
  void Fill(const std::vector<std::wstring>& values, int count) const {
    for (int k = 0; k < count; ++k)
      SendMessageW(Item(NumericFieldIds[k]), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(values[k].c_str()));
  }
  void AddRow(const std::vector<std::wstring>& values) const {
    Fill(values, 13);
    Click(IDC_ADD_ROW);
  }
  // フシギダネ (chosen from the national order) and `nature`.
  bool Name(const wchar_t* nature) const {
    Command(IDM_SORT_NATIONAL);
    return Choose(IDC_SPECIES, L"フシギダネ") && Choose(IDC_NATURE, nature);
  }
};

// The README's quick start: every IV of this フシギダネ is 31.
bool FillQuickStart(const Player& player) {
  if (!player.Name(L"いじっぱり")) return false;
  player.AddRow(BulbasaurAt50);
  player.AddRow(BulbasaurAt100);
  return true;
}

// フシギダネ of unknown nature at level 10, seen once with the effort
// values unknown and once with none: a "?" row, the natures still possible
// and the levels to check next.
bool FillQuestions(const Player& player) {
  if (!player.Name(L"（不明）")) return false;
  const std::vector<std::wstring> seen = {L"10", L"32", L"18", L"17", L"18",
                                          L"21", L"17", L"0",  L"0",  L"0",
                                          L"0",  L"0",  L"0"};
  player.Fill(seen, 7);
  player.Click(IDC_EFFORT_UNKNOWN);
  player.Click(IDC_ADD_ROW);
  player.Click(IDC_EFFORT_UNKNOWN);
  player.AddRow(seen);
  return true;
}

// Scarlet/Violet: the quick start's フシギダネ with the per-stat judge, its
// Speed hyper trained before the level 100 reading: Speed's own IV is 30.
bool FillGeneration9(const Player& player) {
  player.Command(IDM_MODE_GEN9);
  if (!player.Name(L"いじっぱり")) return false;
  const int verdicts[] = {IDC_HP_VERDICT, IDC_ATTACK_VERDICT,
                          IDC_DEFENSE_VERDICT, IDC_SPATK_VERDICT,
                          IDC_SPDEF_VERDICT};
  for (int id : verdicts)
    if (!player.Choose(id, L"さいこう")) return false;
  if (!player.Choose(IDC_SPEED_VERDICT, L"きたえた")) return false;
  player.AddRow(BulbasaurAt50);
  player.Click(IDC_SPEED_TRAINED);
  player.AddRow(BulbasaurAt100);
  return true;
}

bool IsExample(const std::wstring& mode) {
  return mode == L"--filled" || mode == L"--questions" || mode == L"--gen9";
}

bool Drive(HWND window, const std::wstring& mode) {
  Player player{window};
  if (mode == L"--filled") return FillQuickStart(player);
  if (mode == L"--questions") return FillQuestions(player);
  if (mode == L"--gen9") return FillGeneration9(player);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int first = 1;
  bool fresh = argc > 1 && std::wcscmp(argv[1], L"--fresh") == 0;
  if (fresh) ++first;
  if (argc <= first) {
    std::fprintf(stderr,
                 "usage: tessavar_screen_driver [--fresh] PROGRAM.exe "
                 "[--filled | --questions | --gen9 | ARGUMENT]\n");
    return 2;
  }
  if (fresh) ForgetRememberedState();
  // The pointer rests in the screen's corner, away from the centred window,
  // so that no help line follows it.
  SetCursorPos(0, 0);

  wchar_t program[MAX_PATH] = L"";
  GetFullPathNameW(argv[first], MAX_PATH, program, nullptr);
  std::wstring mode = argc > first + 1 ? argv[first + 1] : L"";
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
  if (!mode.empty() && !IsExample(mode)) commandLine += L" " + mode;
  PROCESS_INFORMATION child{};
  if (StartProgram(commandLine, child) != 0)
    return Fail("the program does not start"), 1;
  HWND window = WaitForShownWindow(child.hProcess, child.dwProcessId);
  bool driven =
      window != nullptr ? Drive(window, mode) : Fail("no window came up");
  if (window != nullptr) {
    // Paints what is left and waits until the window's thread has handled
    // everything sent before.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageW(window, WM_NULL, 0, 0);
    WaitForInputIdle(child.hProcess, StartTimeout);
  }
  CloseHandle(child.hProcess);
  CloseHandle(child.hThread);
  return driven ? 0 : 1;
}
