// Random-input soak of the real Tessavar.exe.
//
// Starts the program as a separate process, as its debugger (so that a crash
// is reported with its exception code and address instead of waiting in a
// crash dialog), and from a seed performs random actions of a player or of
// another program: texts of every kind set, typed and pasted into every field,
// focus moves, button and check box clicks, list choices, row selection,
// every menu command but Exit (file dialogs answered), key presses, and
// observations of a monster with known IVs. After every step it checks that
// the program is alive and answers, that what it shows has the shapes the
// program promises, and that Add and Edit did what the player saw.
//
// Input path: keys and clicks are posted (WM_KEYDOWN/WM_KEYUP, WM_CHAR,
// WM_LBUTTONDOWN/UP) to the control they are meant for rather than sent with
// SendInput. Posted input passes through the program's own message loop
// (IsDialogMessageW handles Tab, arrows and Enter there) exactly as typed
// input does, but does not depend on which window the display has activated,
// so a seed replays the same way on any display. The one thing posting cannot
// carry is a held Shift key (GetKeyState), so Shift+Tab is not exercised;
// Ctrl-clicks carry MK_CONTROL in the message itself.
//
// Usage: tessavar_soak --exe PATH [--seed N] [--steps N | --seconds N]
//                      [--log FILE]
// Every action is logged with its step number to the log file (default
// soak-SEED.log); on failure the last actions also go to stderr. The summary
// lines on stdout begin with "soak-" (read by scripts/soak.sh).
#include <windows.h>
// The common controls, psapi and shell headers need windows.h first.
#include <commctrl.h>
#include <dlgs.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <deque>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "../ui/file_bytes.h"
#include "data/game_definitions.h"
#include "data/gamedata.h"
#include "data/gamedata_win32.h"
#include "document/document.h"
#include "document/utf8.h"
#include "engine/engine.h"
#include "res/resource.h"
#include "support/true_monster.h"
#include "tools/tools_ids.h"
#include "ui/autosave.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/settings.h"

namespace {

using Text = std::wstring;
using Row = std::array<Text, NumericFieldCount>;

constexpr DWORD AnswerTimeoutMs = 2000;    // a window must answer within this
constexpr DWORD SettleTimeoutMs = 10000;   // posted input handled within this
constexpr DWORD StartTimeoutMs = 60000;    // first start of a Wine prefix
constexpr DWORD ExitTimeoutMs = 10000;     // closing the program at the end
constexpr DWORD MessageBoxPauseMs = 300;   // a person reads before pressing OK
constexpr DWORD HelpViewerPauseMs = 1200;  // closing it at once crashes Wine's
                                           // help viewer; a person never does

constexpr int MaxIv = 31;
constexpr int FirstEffortField = 7;  // NumericFields: level, 6 stats, 6 EVs

constexpr const wchar_t* ProgramMessages[] = {
    L"努力値の合計が510を超えています",
    L"指定されたポケモンはデータに存在しません",
    L"指定された性格はデータに存在しません",
    L"メモリが不足しています",
    L"メモリを確保できませんでした",
    L"ポケモンデータを読み込めませんでした。",
    L"これ以上追加できません（1000件まで）",
    L"復元できる前回の入力はありません",
    L"結果をクリップボードにコピーできませんでした",
    L"変更を保存しますか？"};
constexpr const wchar_t* EffortMessage = ProgramMessages[0];
constexpr const wchar_t* NothingToRestore = ProgramMessages[7];
constexpr const wchar_t* SaveChangesQuestion =
    ProgramMessages[std::size(ProgramMessages) - 1];
// The program's file messages: a headline, the file and the reason.
constexpr const wchar_t* FileMessageHeadlines[] = {
    L"ファイルを開けませんでした。", L"ファイルを保存できませんでした。",
    L"前回の入力を読み込めませんでした。"};

// Texts of every kind a player or a program may put into a field.
// clang-format off
constexpr const wchar_t* FixedTexts[] = {
    L"", L"0", L"5", L"31", L"100", L"255", L"510", L"999", L"1000", L"007",
    L"-1", L"-21", L"-3", L"+7", L" 12", L"2147483647", L"2147483648",
    L"-2147483649", L"99999999999999999999", L"abcdefgh", L"&&&",
    L"アアアアア", L"アアア", L"１２３", L"12ab", L"3.5", L"0x1F", L"\t",
    L"\r\n", L"😀", L"フシギダネ", L"いじっぱり", L"ﾌｼｷﾞﾀﾞﾈ", L"　"};
// clang-format on
constexpr wchar_t MixedAlphabet[] = L"0123456789-+ abcXYZアイウ漢字&%　😀\t";

// ---- Run state --------------------------------------------------------------

struct Rng {
  uint64_t state;
  uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<uint32_t>(state >> 32);
  }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % n); }
  bool Percent(int p) { return Below(100) < p; }
  // One of `items` (an array or a vector), each as likely.
  template <typename Items>
  auto Pick(const Items& items) {
    return items[Below(static_cast<int>(std::size(items)))];
  }
};

struct Program {
  HANDLE process = nullptr;
  DWORD pid = 0;
  DWORD tid = 0;
  HWND main = nullptr;
  char* remote = nullptr;  // one page in the program's address space
};

Rng Random{1};
Program App;
int Step = 0;
FILE* LogFile = nullptr;
std::deque<std::string> RecentLines;
std::string Failure;
const char* FailureKind = "fail";
// The program's generation mode: set before the start (remembered), by the
// mode commands, and by the documents it opens or restores.
uint32_t TrackedMode = IDM_MODE_GEN6;

// The generation of a mode command, as the menu lists them (IDM_MODE_GEN3
// first).
const GameDefinition& GameOfMode(uint32_t mode) {
  return *FindGameDefinition(FirstGeneration +
                             static_cast<int>(mode - IDM_MODE_GEN3));
}

std::map<Text, int> BoxCounts;
// Steps after which IV ranges, next-level hints and hidden power showed:
// the result checks had something to check.
int StepsWithIvs = 0;
int StepsWithHints = 0;
int StepsWithHiddenPower = 0;
int BoxesThisStep = 0;
int EffortBoxesThisStep = 0;

// What the action expects of Add and Edit, taken before it runs.
struct Expectation {
  bool add = false;
  bool edit = false;
  bool remove = false;  // Delete may run: every row is read again
  Row fields;
  bool effortUnknown = false;
  size_t rowsBefore = 0;
};
Expectation Expect;

// Set by the debugger thread.
volatile LONG Exited = 0;
DWORD ExitCode = 0;
char CrashText[256] = "";

// ---- Logging ----------------------------------------------------------------

std::string Utf8(const Text& text) {
  return ToUtf8(std::u16string(text.begin(), text.end()));
}

// A text as the log shows it: quoted, control characters escaped, long texts
// cut after 40 characters with their length.
std::string Quote(const Text& text) {
  Text shown;
  for (size_t k = 0; k < text.size() && k < 40; ++k) {
    wchar_t c = text[k];
    if (c < 0x20 || c == L'"') {
      wchar_t escaped[8];
      wsprintfW(escaped, L"\\x%02x", c);
      shown += escaped;
    } else {
      shown += c;
    }
  }
  std::string out = "\"" + Utf8(shown) + "\"";
  if (text.size() > 40) out += "...(" + std::to_string(text.size()) + ")";
  return out;
}

void Log(const std::string& line) {
  static const DWORD start = GetTickCount();
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, "step %d @%.2fs: ", Step,
                (GetTickCount() - start) / 1000.0);
  std::string full = stamp + line;
  if (LogFile != nullptr) {
    std::fprintf(LogFile, "%s\n", full.c_str());
    std::fflush(LogFile);
  }
  RecentLines.push_back(full);
  if (RecentLines.size() > 30) RecentLines.pop_front();
}

void Fail(const std::string& why, const char* kind = "fail") {
  if (!Failure.empty()) return;
  Failure = why;
  FailureKind = kind;
  Log("FAILED (" + std::string(kind) + "): " + why);
}

// ---- The program as a debuggee ----------------------------------------------

// The module and offset of an address in the program, for the crash report.
std::string DescribeAddress(const void* address) {
  HMODULE modules[256];
  DWORD bytes = 0;
  char text[160];
  if (EnumProcessModules(App.process, modules, sizeof modules, &bytes)) {
    for (DWORD k = 0; k < bytes / sizeof(HMODULE); ++k) {
      MODULEINFO info{};
      if (!GetModuleInformation(App.process, modules[k], &info, sizeof info))
        continue;
      auto base = static_cast<const char*>(info.lpBaseOfDll);
      auto at = static_cast<const char*>(address);
      if (at < base || at >= base + info.SizeOfImage) continue;
      wchar_t name[MAX_PATH] = L"?";
      GetModuleBaseNameW(App.process, modules[k], name, MAX_PATH);
      std::snprintf(text, sizeof text, "%s+0x%llx", Utf8(name).c_str(),
                    static_cast<unsigned long long>(at - base));
      return text;
    }
  }
  std::snprintf(text, sizeof text, "%p", address);
  return text;
}

struct Launch {
  Text exe;
  Text folder;
  HANDLE ready;
  bool started;
};

// Starts the program and serves its debug events until it ends. Only the
// thread that started a debuggee may wait for its events. First-chance
// exceptions go back to the program's own handlers; an unhandled one is a
// crash.
DWORD WINAPI DebugLoop(void* parameter) {
  auto* launch = static_cast<Launch*>(parameter);
  PROCESS_INFORMATION info{};
  launch->started =
      ::StartProgram(L"\"" + launch->exe + L"\"", info, DEBUG_ONLY_THIS_PROCESS,
                     launch->folder.c_str()) == 0;
  if (launch->started) {
    App.process = info.hProcess;
    App.pid = info.dwProcessId;
    App.tid = info.dwThreadId;
    CloseHandle(info.hThread);
  }
  SetEvent(launch->ready);
  if (!launch->started) return 0;
  bool loaderBreak = true;
  for (;;) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, INFINITE)) return 0;
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile != nullptr)
          CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile != nullptr)
          CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT: {
        const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
        if (loaderBreak && record.ExceptionCode == EXCEPTION_BREAKPOINT) {
          loaderBreak = false;  // the loader's break for a new debuggee
          break;
        }
        status = DBG_EXCEPTION_NOT_HANDLED;
        if (event.u.Exception.dwFirstChance == 0 && CrashText[0] == '\0') {
          std::snprintf(CrashText, sizeof CrashText,
                        "unhandled exception 0x%08lx at %s",
                        static_cast<unsigned long>(record.ExceptionCode),
                        DescribeAddress(record.ExceptionAddress).c_str());
        }
        break;
      }
      case EXIT_PROCESS_DEBUG_EVENT:
        ExitCode = event.u.ExitProcess.dwExitCode;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        InterlockedExchange(&Exited, 1);
        return 0;
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
}

bool ProgramEnded() {
  if (Exited == 0) return false;
  if (CrashText[0] != '\0') {
    Fail(std::string("the program crashed: ") + CrashText, "crash");
  } else {
    char text[64];
    std::snprintf(text, sizeof text, "the program ended with exit code %lu",
                  static_cast<unsigned long>(ExitCode));
    Fail(text, "crash");
  }
  return true;
}

// A window that does not answer: a crash when the program ends within a
// few seconds (a crash takes a moment to reach the debugger), else a hang.
void NotAnswering(const std::string& what) {
  for (DWORD waited = 0; Exited == 0 && waited < 5000; waited += 50) Sleep(50);
  if (!ProgramEnded()) Fail(what + " did not answer within 2 seconds", "hang");
}

// ---- Talking to the program's windows ---------------------------------------

// A synchronous message with the liveness limit: a window of the program
// that does not answer within 2 seconds is a hang (or, when the process is
// gone, a crash).
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
          LRESULT* result = nullptr) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                          AnswerTimeoutMs, &answer)) {
    if (result != nullptr) *result = static_cast<LRESULT>(answer);
    return true;
  }
  if (!IsWindow(window)) return false;  // closed meanwhile: not a fault
  NotAnswering("a window of the program");
  return false;
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageW(window, message, wParam, lParam);
}

HWND Item(int id) { return GetDlgItem(App.main, id); }

// A window's text; its first 1023 characters are enough for every check.
Text GetText(HWND window) {
  wchar_t buffer[1024] = L"";
  LRESULT copied = 0;
  if (!Send(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
            &copied))
    return {};
  return Text(buffer, std::min<size_t>(static_cast<size_t>(copied), 1023));
}

// Messages whose pointer argument Windows does not carry between processes
// (list-view messages) get their block in the program's own memory.
bool RemoteSend(HWND window, UINT message, WPARAM wParam, void* block,
                size_t size, LRESULT* result = nullptr) {
  SIZE_T done = 0;
  if (!WriteProcessMemory(App.process, App.remote, block, size, &done))
    return false;
  if (!Send(window, message, wParam, reinterpret_cast<LPARAM>(App.remote),
            result))
    return false;
  return ReadProcessMemory(App.process, App.remote, block, size, &done) != 0;
}

int RowCount() {
  LRESULT count = 0;
  Send(Item(IDC_STATUS_LIST), LVM_GETITEMCOUNT, 0, 0, &count);
  return static_cast<int>(count);
}

struct CellBlock {
  LVITEMW item;
  wchar_t text[64];
};

Text Cell(HWND list, int row, int column) {
  CellBlock block{};
  block.item.iSubItem = column;
  block.item.cchTextMax = 64;
  block.item.pszText =
      reinterpret_cast<wchar_t*>(App.remote + offsetof(CellBlock, text));
  if (!RemoteSend(list, LVM_GETITEMTEXTW, row, &block, sizeof block)) return {};
  block.text[63] = L'\0';
  return block.text;
}

void SetRowState(HWND list, int row, UINT state, UINT mask) {
  LVITEMW item{};
  item.state = state;
  item.stateMask = mask;
  RemoteSend(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item,
             sizeof item);
}

struct ListState {
  std::vector<Row> rows;
  std::vector<bool> selected;
  int selectedCount = 0;
};

// Rows change only by Add (a new last row) and Delete, and reading them
// across processes is slow, so only new rows are read, all rows after a
// Delete and on every 100th step; the selection on every step.
ListState ReadList(bool full) {
  static std::vector<Row> rows;
  HWND view = Item(IDC_STATUS_LIST);
  int count = RowCount();
  if (full || static_cast<size_t>(count) < rows.size()) rows.clear();
  for (int row = static_cast<int>(rows.size()); row < count && Failure.empty();
       ++row) {
    Row cells;
    for (int k = 0; k < NumericFieldCount; ++k)
      cells[k] = Cell(view, row, k + 1);
    rows.push_back(cells);
  }
  ListState list;
  list.rows = rows;
  list.selected.assign(rows.size(), false);
  LRESULT row = -1;
  while (list.selectedCount < count &&
         Send(view, LVM_GETNEXTITEM, row, MAKELPARAM(LVNI_SELECTED, 0), &row) &&
         row >= 0 && row < static_cast<LRESULT>(rows.size())) {
    list.selected[row] = true;
    ++list.selectedCount;
  }
  return list;
}

Row ReadFields() {
  Row fields;
  for (int k = 0; k < NumericFieldCount; ++k)
    fields[k] = GetText(Item(NumericFields[k].field));
  return fields;
}

// The program's visible top-level windows (it has one thread).
std::vector<HWND> ProgramWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      App.tid,
      [](HWND window, LPARAM found) -> BOOL {
        if (IsWindowVisible(window))
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

Text ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

bool IsDialog(HWND window) { return ClassOf(window) == L"#32770"; }

std::vector<HWND> Calculators() {
  std::vector<HWND> found;
  for (HWND window : ProgramWindows())
    if (IsDialog(window) && GetDlgItem(window, IDC_HPCALC_IV_HP) != nullptr)
      found.push_back(window);
  return found;
}

HWND Calculator() {
  std::vector<HWND> found = Calculators();
  return found.empty() ? nullptr : found.front();
}

// Posted input is handled in order, so once a marker posted after it has
// been handled, so has the input (and any message box it opened is up). The
// marker is the text limit of the read-only hidden power type field, which
// nobody can type into and which limits no text the program sets. A second
// round covers what handling the input posted in turn (the WM_CHAR that the
// message loop makes of a posted WM_KEYDOWN).
bool Settle() {
  static WPARAM marker = 100000;
  HWND field = Item(IDC_HIDDEN_POWER_TYPE);
  DWORD start = GetTickCount();
  for (int round = 0; round < 2; ++round) {
    Post(field, EM_SETLIMITTEXT, ++marker, 0);
    for (LRESULT limit = 0; static_cast<WPARAM>(limit) != marker; Sleep(1)) {
      if (ProgramEnded() || !Send(field, EM_GETLIMITTEXT, 0, 0, &limit))
        return false;
      if (GetTickCount() - start > SettleTimeoutMs) {
        Fail("posted input was not handled within 10 seconds", "hang");
        return false;
      }
    }
  }
  return true;
}

// ---- Input ------------------------------------------------------------------

LPARAM KeyBits(UINT key, bool up) {
  LPARAM bits =
      1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
  return up ? bits | 0xC0000000 : bits;
}

void PressKey(HWND window, UINT key) {
  Post(window, WM_KEYDOWN, key, KeyBits(key, false));
  Post(window, WM_KEYUP, key, KeyBits(key, true));
}

void TypeText(HWND window, const Text& text) {
  for (wchar_t c : text) Post(window, WM_CHAR, c, 1);
}

POINT CenterOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right / 2, rect.bottom / 2};
}

// A click (or double-click), after which the pointer moves on: a control
// that tracks the pointer must not go on believing it is over it (an up-down
// control would keep repeating its arrow when a key is pressed later).
void Click(HWND window, POINT at, WPARAM keys = 0, bool twice = false) {
  LPARAM where = MAKELPARAM(at.x, at.y);
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
  Post(window, WM_LBUTTONUP, keys, where);
  if (twice) {
    Post(window, WM_LBUTTONDBLCLK, MK_LBUTTON | keys, where);
    Post(window, WM_LBUTTONUP, keys, where);
  }
  Post(window, WM_MOUSELEAVE, 0, 0);
}

void PutOnClipboard(const Text& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL memory =
      GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory != nullptr) {
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, target);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

HWND FocusedWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(App.tid, &info) || info.hwndFocus == nullptr)
    return App.main;
  return info.hwndFocus;
}

// ---- Dialogs: message boxes, the about box, the help viewer -----------------

bool IsProgramMessage(const Text& text) {
  for (const wchar_t* known : ProgramMessages)
    if (text == known) return true;
  for (const wchar_t* headline : FileMessageHeadlines)
    if (text.compare(0, text.find(L'\n'), headline) == 0) return true;
  return false;
}

// A message counted by its text; a file message by its headline and reason
// (the file's path in between differs from run to run).
Text CountedText(const Text& text) {
  size_t first = text.find(L'\n');
  size_t last = text.rfind(L'\n');
  if (first == Text::npos) return text;
  return text.substr(0, first) + L" … " + text.substr(last + 1);
}

// A dialog's message: the static text of a message box (id 0xFFFF), or all
// static texts of an unknown dialog.
Text DialogText(HWND dialog) {
  if (HWND text = GetDlgItem(dialog, 0xFFFF)) return GetText(text);
  Text all;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == L"Static") all += GetText(child);
  return all;
}

// OK the way a person does it, after reading: the button, Enter or the
// close box.
void PressOk(HWND dialog) {
  Sleep(MessageBoxPauseMs);
  switch (Random.Below(3)) {
    case 0:
      Post(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      break;
    case 1:
      PressKey(GetDlgItem(dialog, IDOK), VK_RETURN);
      break;
    default:
      Post(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

// Files the soak offers to the open dialog, with the generation mode each
// holds (0 for a file the program must refuse): what the soak wrote before
// the start and what the program saved.
struct SoakFile {
  Text path;
  uint32_t mode;
};
std::vector<SoakFile> SoakFiles;
Text SoakFolder;
int SavedCount = 0;
uint32_t PreviousInputMode = IDM_MODE_GEN6;  // of the autosave left at start
UINT FileCommand = 0;                        // the last open or save command
bool ExpectGoodFile = false;                 // opening or restoring such a file
// The mode an open or restore brings once it replaces the input; 0 for none
// or when Cancel (of the question or of its save as) keeps the input.
uint32_t PendingMode = 0;

// A file dialog: a person cancels it, or names a file and presses OK: a new
// file in the soak's folder to save to, or one of its files to open.
void AnswerFileDialog(HWND dialog) {
  Sleep(MessageBoxPauseMs);
  HWND box = GetDlgItem(dialog, cmb13);
  HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr);
  HWND name =
      FindWindowExW(combo != nullptr ? combo : box, nullptr, L"Edit", nullptr);
  bool open = FileCommand == IDM_OPEN;
  std::vector<SoakFile> existing;
  for (const SoakFile& file : SoakFiles)
    if (GetFileAttributesW(file.path.c_str()) != INVALID_FILE_ATTRIBUTES)
      existing.push_back(file);
  if (name == nullptr || (open && existing.empty()) || Random.Percent(20)) {
    Log("file dialog: Cancel");
    if (!open) PendingMode = 0;  // a save as before a replacement
    Post(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    return;
  }
  SoakFile file = open ? Random.Pick(existing)
                       : SoakFile{SoakFolder + L"\\saved-" +
                                      std::to_wstring(++SavedCount) + L".tsv",
                                  TrackedMode};
  Log(std::string(open ? "file dialog: open " : "file dialog: save as ") +
      Quote(file.path));
  if (open && file.mode != 0) {
    PendingMode = file.mode;  // an opened document brings its mode
    ExpectGoodFile = true;
    Expect.remove = true;
  }
  if (!open) SoakFiles.push_back(file);
  Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.path.c_str()));
  Post(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

// The question before unsaved input is replaced, answered with each button:
// Yes saves first (a save as without a file), No discards, Cancel keeps it.
void AnswerSaveChanges(HWND box) {
  ++BoxCounts[SaveChangesQuestion];
  ++BoxesThisStep;
  static constexpr int Buttons[] = {IDYES, IDNO, IDCANCEL};
  static constexpr const char* Names[] = {"Yes", "No", "Cancel"};
  int pick = Random.Below(3);
  int button = Buttons[pick];
  Log(std::string("save-changes question: ") + Names[pick]);
  if (button == IDYES) FileCommand = IDM_SAVE_AS;
  if (button == IDCANCEL) PendingMode = 0;
  Sleep(MessageBoxPauseMs);
  Post(GetDlgItem(box, button), BM_CLICK, 0, 0);
}

// Closes what the last action opened, one window at a time (the topmost
// first: a nested message box ends before the one below it), and counts the
// message boxes by text. Unknown window kinds are logged once.
void CloseDialogs() {
  static std::map<Text, bool> seenKinds;
  for (int round = 0; round < 50 && Failure.empty(); ++round) {
    HWND target = nullptr;
    for (HWND window : ProgramWindows()) {
      Text kind = ClassOf(window);
      if (window == App.main || kind == L"tooltips_class32" ||
          kind == L"ComboLBox")
        continue;
      if (IsDialog(window)) {
        if (GetDlgItem(window, IDC_HPCALC_IV_HP) != nullptr) continue;
        target = window;
        break;
      }
      if (GetWindow(window, GW_OWNER) == App.main || kind == L"HH Parent") {
        target = window;  // the help viewer
        break;
      }
      if (!seenKinds[kind]) {
        seenKinds[kind] = true;
        Log("note: window of class " + Utf8(kind) + " " +
            Quote(GetText(window)));
      }
    }
    if (target == nullptr) return;
    if (!IsDialog(target)) {
      Log("help viewer " + Quote(GetText(target)) + ": closed after a pause");
      Sleep(HelpViewerPauseMs);
      Post(target, WM_CLOSE, 0, 0);
    } else if (GetDlgItem(target, cmb13) != nullptr) {
      AnswerFileDialog(target);
    } else if (DialogText(target) == SaveChangesQuestion) {
      AnswerSaveChanges(target);
    } else if (GetDlgItem(target, IDC_ABOUT_NOTICE) != nullptr) {
      Log("about box: OK after a pause");
      PressOk(target);
    } else {
      Text text = DialogText(target);
      Log("message box " + Quote(text));
      ++BoxCounts[CountedText(text)];
      // The files the soak opens or restores are the program's own writing.
      if (ExpectGoodFile &&
          (text.find(L'\n') != Text::npos || text == NothingToRestore))
        Fail("the program refused a file it wrote: " + Quote(text));
      ++BoxesThisStep;
      if (text == EffortMessage) ++EffortBoxesThisStep;
      if (!IsProgramMessage(text))
        Fail("a message box that is not one of the program's: " + Quote(text));
      PressOk(target);
    }
    if (!Settle()) return;
  }
  Fail("dialogs kept opening");
}

// ---- Checks -----------------------------------------------------------------

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The number a field's text stands for: StrToIntW's reading, except that a
// number of more than nine digits saturates instead of wrapping around.
int ExpectedNumber(const Text& text) {
  size_t at = 0;
  while (at < text.size() && iswspace(text[at])) ++at;
  bool negative = at < text.size() && text[at] == L'-';
  if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) ++at;
  while (at < text.size() && text[at] == L'0') ++at;
  size_t digits = 0;
  while (at + digits < text.size() && IsDigit(text[at + digits])) ++digits;
  if (digits > 9) return negative ? INT_MIN : INT_MAX;
  return StrToIntW(text.c_str());
}

int LevelLow() { return GameOfMode(TrackedMode).lowestLevel; }

// The range of a numeric field (status list column k + 1).
std::pair<int, int> FieldRange(int k) {
  if (k == 0) return {LevelLow(), LevelMaximum};
  return {0, k < FirstEffortField ? StatMaximum : EffortMaximum};
}

// Whether `text` is exactly what `format` prints for the (at most two)
// numbers it holds: they are read back with swscanf and printed again, so
// any other spacing, sign or leading zero fails. `a` and `b` receive them.
bool PrintedAs(const Text& text, const wchar_t* format, int* a,
               int* b = nullptr) {
  int first = -1;
  int second = -1;
  if (swscanf(text.c_str(), format, &first, &second) < 1) return false;
  wchar_t again[64];
  wsprintfW(again, format, first, second);
  *a = first;
  if (b != nullptr) *b = second;
  return text == again;
}

// An IV range field: empty, "%2u" or "%2u～%2u" with low < high, all <= 31.
// `single` receives the IV when exactly one is shown, else -1.
bool ValidIvText(const Text& text, int* single) {
  int low = -1;
  int high = -1;
  *single = -1;
  if (PrintedAs(text, L"%2u", &low) && low <= MaxIv) *single = low;
  return text.empty() || *single >= 0 ||
         (PrintedAs(text, L"%2u～%2u", &low, &high) && low < high &&
          high <= MaxIv);
}

bool IsTypeName(const Text& text) {
  for (const auto& name : HiddenPowerTypeNames)
    if (text == reinterpret_cast<const wchar_t*>(name)) return true;
  return false;
}

// A next-level hint: "", "—", "N", "N (確定なし)" or "N (Mで確定)" with the
// highest observed level < N < M <= 100, and only beside an IV range.
bool ValidHint(const Text& text, int observedLevel, bool range) {
  int first = 0;
  int last = LevelMaximum;
  if (text.empty()) return true;
  bool shape =
      text == L"—" || PrintedAs(text, L"%d", &first) ||
      PrintedAs(text, L"%d (確定なし)", &first) ||
      (PrintedAs(text, L"%d (%dで確定)", &first, &last) && last > first);
  return range && shape &&
         (text == L"—" || (first > observedLevel && first <= LevelMaximum &&
                           last <= LevelMaximum));
}

// The natures still possible: "", or "性格の候補: " with "なし", "K種類"
// (more than five) or one to five names in table order.
bool ValidCandidates(const Text& text) {
  const Text lead = L"性格の候補: ";
  if (text.empty()) return true;
  if (text.compare(0, lead.size(), lead) != 0) return false;
  Text rest = text.substr(lead.size());
  int count = 0;
  if (rest == L"なし" ||
      (PrintedAs(rest, L"%d種類", &count) && count > 5 && count <= NatureCount))
    return true;
  int named = 0;
  for (int k = 0; k < NatureCount && !rest.empty(); ++k) {
    Text name = reinterpret_cast<const wchar_t*>(NatureTable[k].name);
    if (rest.compare(0, name.size(), name) != 0) continue;
    rest.erase(0, name.size());
    ++named;
    if (rest.compare(0, 2, L", ") == 0)
      rest.erase(0, 2);
    else if (!rest.empty())
      return false;
  }
  return rest.empty() && named >= 1 && named <= 5;
}

// The hidden power of the six IVs under the tracked mode's rule.
IvResult HiddenPowerOf(const int ivs[StatCount]) {
  IvResult result{};
  for (int stat = 0; stat < StatCount; ++stat)
    result.stats[stat].minIv = static_cast<uint8_t>(ivs[stat]);
  CalcHiddenPower(&result, GameOfMode(TrackedMode).hiddenPowerPower);
  return result;
}

void CheckResults(const ListState& list) {
  int observedLevel = 0;
  for (const Row& row : list.rows)
    observedLevel = std::max(observedLevel, _wtoi(row[0].c_str()));
  int ivs[StatCount];
  int pinned = 0;
  bool anyIv = false;
  bool anyHint = false;
  for (int stat = 0; stat < StatCount; ++stat) {
    Text shown = GetText(Item(StatRows[stat].ivField));
    if (!ValidIvText(shown, &ivs[stat]))
      return Fail("IV field " + std::to_string(StatRows[stat].ivField) +
                  " shows " + Quote(shown));
    pinned += ivs[stat] >= 0;
    anyIv = anyIv || !shown.empty();
    Text hint = GetText(Item(StatRows[stat].nextLevelField));
    anyHint = anyHint || !hint.empty();
    if (!ValidHint(hint, observedLevel, shown.size() == 5))
      return Fail("next-level field " +
                  std::to_string(StatRows[stat].nextLevelField) + " shows " +
                  Quote(hint) + " beside " + Quote(shown));
    if (StatRows[stat].natureMark == 0) continue;
    Text mark = GetText(Item(StatRows[stat].natureMark));
    if (!mark.empty() && mark != L"↑" && mark != L"↓")
      return Fail("nature mark " + std::to_string(StatRows[stat].natureMark) +
                  " shows " + Quote(mark));
  }
  Text candidates = GetText(Item(IDC_NATURE_CANDIDATES));
  if (!ValidCandidates(candidates))
    return Fail("the nature candidates read " + Quote(candidates));
  Text type = GetText(Item(IDC_HIDDEN_POWER_TYPE));
  Text power = GetText(Item(IDC_HIDDEN_POWER_POWER));
  int value = 0;
  StepsWithIvs += anyIv;
  StepsWithHints += anyHint;
  if (type.empty() && power.empty() && pinned < StatCount) return;
  ++StepsWithHiddenPower;
  if (!IsTypeName(type) || !PrintedAs(power, L"%2u", &value) || value < 30 ||
      value > 70)
    return Fail("hidden power shows " + Quote(type) + " " + Quote(power));
  if (pinned < StatCount)
    return Fail("hidden power shown while an IV is not pinned");
  IvResult expected = HiddenPowerOf(ivs);
  if (type != reinterpret_cast<const wchar_t*>(expected.hiddenPowerType) ||
      value != expected.hiddenPowerPower)
    Fail("hidden power " + Quote(type) + " " + Quote(power) +
         " does not follow from the six IVs");
}

// A cell as a clamped field gives it: the canonical decimal of an in-range
// number, at most 3 characters ("?" for unknown effort values, checked with
// the row).
bool ValidCell(const Text& cell, int k) {
  // A level may have been added in a mode whose lowest level is lower.
  auto [low, high] = FieldRange(k);
  int value = 0;
  return cell.size() <= 3 && PrintedAs(cell, L"%d", &value) &&
         value >= (k == 0 ? 1 : low) && value <= high;
}

// Whether a row's effort values are unknown: all six cells "?".
bool EffortUnknownRow(const Row& row) { return row[FirstEffortField] == L"?"; }

void CheckList(const ListState& list) {
  for (size_t row = 0; row < list.rows.size(); ++row)
    for (int k = 0; k < NumericFieldCount; ++k)
      if (!(k >= FirstEffortField && EffortUnknownRow(list.rows[row])
                ? list.rows[row][k] == L"?"
                : ValidCell(list.rows[row][k], k)))
        return Fail("row " + std::to_string(row) + " column " +
                    std::to_string(k + 1) + " holds " +
                    Quote(list.rows[row][k]));
  bool any = list.selectedCount > 0;
  if ((IsWindowEnabled(Item(IDC_EDIT_ROW)) != 0) != any ||
      (IsWindowEnabled(Item(IDC_DELETE_ROWS)) != 0) != any)
    Fail("Edit and Delete are not enabled exactly when a row is selected (" +
         std::to_string(list.selectedCount) + " selected)");
}

void CheckCalculator() {
  std::vector<HWND> calculators = Calculators();
  if (calculators.size() > 1) return Fail("more than one calculator window");
  if (calculators.empty()) return;
  HWND calculator = calculators.front();
  int ivs[StatCount];
  for (int stat = 0; stat < StatCount; ++stat) {
    Text text = GetText(GetDlgItem(calculator, IDC_HPCALC_IV_HP + stat));
    ivs[stat] = ExpectedNumber(text);
    if (ivs[stat] < 0 || ivs[stat] > MaxIv)
      return Fail("calculator field " +
                  std::to_string(IDC_HPCALC_IV_HP + stat) + " kept " +
                  Quote(text));
  }
  Text type = GetText(GetDlgItem(calculator, IDC_HPCALC_TYPE));
  Text power = GetText(GetDlgItem(calculator, IDC_HPCALC_POWER));
  if (type.empty() && power.empty()) return;  // nothing typed since opening
  IvResult expected = HiddenPowerOf(ivs);
  int value = 0;
  if (type != reinterpret_cast<const wchar_t*>(expected.hiddenPowerType) ||
      !PrintedAs(power, L"%u", &value) || value < 30 || value > 70)
    Fail("calculator shows " + Quote(type) + " " + Quote(power));
}

bool EffortUnknownChecked() {
  LRESULT state = 0;
  Send(Item(IDC_EFFORT_UNKNOWN), BM_GETCHECK, 0, 0, &state);
  return state == BST_CHECKED;
}

void ExpectAdd() {
  Expect.add = true;
  Expect.fields = ReadFields();
  Expect.effortUnknown = EffortUnknownChecked();
  Expect.rowsBefore = static_cast<size_t>(RowCount());
}

// What pressing a main window button makes the next check expect.
void ExpectPress(int id) {
  if (id == IDC_ADD_ROW) ExpectAdd();
  if (id == IDC_EDIT_ROW) Expect.edit = true;
  if (id == IDC_DELETE_ROWS) Expect.remove = true;
}

// Add appends the clamped fields ("?" for unknown effort values), or warns
// when the clamped effort values add up to more than 510.
void CheckAdd(const ListState& list) {
  Row row;
  int effortTotal = 0;
  for (int k = 0; k < NumericFieldCount; ++k) {
    auto [low, high] = FieldRange(k);
    int value = std::clamp(ExpectedNumber(Expect.fields[k]), low, high);
    bool unknown = k >= FirstEffortField && Expect.effortUnknown;
    row[k] = unknown ? L"?" : std::to_wstring(value);
    if (k >= FirstEffortField && !unknown) effortTotal += value;
  }
  bool added = list.rows.size() == Expect.rowsBefore + 1;
  std::string texts = " (field texts";
  for (const Text& text : Expect.fields) texts += " " + Quote(text);
  texts += ")";
  std::string total = std::to_string(effortTotal);
  if (added && effortTotal > EffortTotalLimit)
    return Fail("Add accepted an effort total of " + total + texts);
  // A name warning (the click moved the focus out of a name field) may
  // take the click away; then nothing is added.
  if (!added && BoxesThisStep == 0)
    return Fail("Add neither added a row nor warned" + texts);
  if (!added && EffortBoxesThisStep > 0 && effortTotal <= EffortTotalLimit)
    return Fail("Add warned about an effort total of " + total + texts);
  if (!added) return;
  for (int k = 0; k < NumericFieldCount; ++k)
    if (list.rows.back()[k] != row[k])
      return Fail("Add wrote " + Quote(list.rows.back()[k]) + " in column " +
                  std::to_string(k + 1) + " for the field text " +
                  Quote(Expect.fields[k]));
}

// Edit loads the highlighted row (checked when one row is highlighted and no
// message box came between).
void CheckEdit(const ListState& list) {
  if (list.selectedCount != 1 || BoxesThisStep != 0) return;
  size_t row = 0;
  while (!list.selected[row]) ++row;
  Row fields = ReadFields();
  // A row of unknown effort values checks the box and leaves the effort
  // fields alone.
  bool unknown = EffortUnknownRow(list.rows[row]);
  if (EffortUnknownChecked() != unknown)
    return Fail("Edit left the effort box wrong for row " +
                std::to_string(row));
  for (int k = 0; k < (unknown ? FirstEffortField : NumericFieldCount); ++k)
    if (fields[k] != list.rows[row][k])
      return Fail("Edit loaded " + Quote(fields[k]) + " into field " +
                  std::to_string(NumericFields[k].field) +
                  " but the highlighted row " + std::to_string(row) +
                  " holds " + Quote(list.rows[row][k]));
}

void CheckProgram() {
  if (ProgramEnded()) return;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(App.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                           AnswerTimeoutMs, &answer)) {
    NotAnswering("the main window");
    return;
  }
  if (!Failure.empty()) return;
  ListState list = ReadList(Expect.remove || Step % 100 == 0);
  if (Failure.empty()) CheckList(list);
  if (Failure.empty()) CheckResults(list);
  if (Failure.empty()) CheckCalculator();
  if (Failure.empty() && Expect.add) CheckAdd(list);
  if (Failure.empty() && Expect.edit) CheckEdit(list);
}

// ---- Actions ----------------------------------------------------------------

struct Field {
  int id;
  bool calculator;
};

// The main window's combo boxes: the name boxes and the clue lists.
std::vector<int> ComboBoxes() {
  std::vector<int> ids = {IDC_SPECIES,         IDC_NATURE,
                          IDC_CHARACTERISTIC,  IDC_HP_TYPE_CLUE,
                          IDC_OVERALL_VERDICT, IDC_BEST_VERDICT};
  for (const StatRowControls& row : StatRows) ids.push_back(row.verdict);
  return ids;
}

// Every field a text can go into: the combo boxes, the numeric fields, the
// read-only results (not by WM_SETTEXT: any program can overwrite those) and
// the calculator's fields.
std::vector<Field> TextFields(bool settable) {
  std::vector<Field> fields;
  for (int id : ComboBoxes()) fields.push_back({id, false});
  for (const NumericField& entry : NumericFields)
    fields.push_back({entry.field, false});
  for (int id = IDC_HPCALC_IV_HP; id <= IDC_HPCALC_IV_SPEED; ++id)
    fields.push_back({id, true});
  if (settable) return fields;
  for (const StatRowControls& row : StatRows)
    fields.push_back({row.ivField, false});
  fields.push_back({IDC_HIDDEN_POWER_POWER, false});
  fields.push_back({IDC_HPCALC_TYPE, true});
  fields.push_back({IDC_HPCALC_POWER, true});
  return fields;
}

HWND FieldWindow(const Field& field) {
  if (!field.calculator) return Item(field.id);
  HWND calculator = Calculator();
  return calculator != nullptr ? GetDlgItem(calculator, field.id) : nullptr;
}

// Where typed characters and clicks go: the edit inside an editable combo box.
HWND InputWindow(HWND control) {
  HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
  return edit != nullptr ? edit : control;
}

Text ListItem(HWND combo) {
  LRESULT count = 0;
  if (!Send(combo, CB_GETCOUNT, 0, 0, &count) || count <= 0) return L"5";
  int index = Random.Below(static_cast<int>(count));
  LRESULT length = 0;
  Send(combo, CB_GETLBTEXTLEN, index, 0, &length);
  if (length <= 0 || length > 200) return {};
  Text text(static_cast<size_t>(length) + 1, L'\0');
  Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// `length` letters drawn from `alphabet`.
template <size_t Size>
Text RandomString(int length, const wchar_t (&alphabet)[Size]) {
  Text text;
  for (; length > 0; --length) text += alphabet[Random.Below(Size - 1)];
  return text;
}

Text RandomText(HWND control) {
  switch (Random.Below(6)) {
    case 0:
      return Random.Pick(FixedTexts);
    case 1:
      return std::to_wstring(Random.Below(320) - (Random.Percent(10) ? 40 : 0));
    case 2:
      return RandomString(1 + Random.Below(25), L"0123456789");
    case 3:
      return ListItem(control);
    default:
      return RandomString(
          Random.Percent(30) ? 20 + Random.Below(400) : 1 + Random.Below(8),
          MixedAlphabet);
  }
}

// While the calculator is open, its fields get a good share of the input.
bool PickField(bool settable, Field* field, HWND* window) {
  std::vector<Field> fields = TextFields(settable);
  bool calculator = Calculator() != nullptr && Random.Percent(35);
  do *field = Random.Pick(fields);
  while (field->calculator != calculator);
  *window = FieldWindow(*field);
  return *window != nullptr;
}

std::string FieldName(const Field& field) {
  return (field.calculator ? "calculator field " : "field ") +
         std::to_string(field.id);
}

// A text put into a field: set by another program, typed (after a click
// into the field, or into whatever the field holds), or pasted.
bool TextAction() {
  static constexpr const char* Ways[] = {"WM_SETTEXT", "type into",
                                         "click into and type", "paste into"};
  int way = Random.Below(4);
  Field field;
  HWND window;
  // A person cannot type into a disabled field; another program can set it.
  if (!PickField(way == 0, &field, &window) ||
      (way != 0 && !IsWindowEnabled(window)))
    return false;
  Text text = RandomText(window);
  HWND input = InputWindow(window);
  Log(std::string(Ways[way]) + " " + FieldName(field) + " " + Quote(text));
  if (way == 0)
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (way == 2) Click(input, CenterOf(input));
  if (way == 1 || way == 2) TypeText(input, text);
  if (way == 3) {
    PutOnClipboard(text);
    Post(window, WM_PASTE, 0, 0);
  }
  return true;
}

struct Key {
  UINT key;
  const char* name;
};
constexpr Key Keys[] = {
    {VK_TAB, "Tab"},       {VK_UP, "Up"},         {VK_DOWN, "Down"},
    {VK_LEFT, "Left"},     {VK_RIGHT, "Right"},   {VK_HOME, "Home"},
    {VK_END, "End"},       {VK_PRIOR, "PageUp"},  {VK_NEXT, "PageDown"},
    {VK_RETURN, "Enter"},  {VK_SPACE, "Space"},   {VK_ESCAPE, "Esc"},
    {VK_DELETE, "Delete"}, {VK_BACK, "Backspace"}};

bool KeyAction() {
  Key key = Random.Pick(Keys);
  HWND focus = FocusedWindow();
  int id = GetDlgCtrlID(focus);
  Log(std::string("key ") + key.name + " on " + Utf8(ClassOf(focus)) + " " +
      std::to_string(id));
  // Space presses a focused button. Enter does not: the main window has no
  // default button, so the dialog navigation sends IDOK instead.
  if (key.key == VK_SPACE && GetParent(focus) == App.main) ExpectPress(id);
  PressKey(focus, key.key);
  return true;
}

// Focus moves: the dialog manager's own message, as another program sends
// it, to a random control of the main window or the calculator, or to the
// next or previous control.
bool FocusAction() {
  HWND owner =
      Random.Percent(80) || Calculator() == nullptr ? App.main : Calculator();
  std::vector<HWND> controls;
  for (HWND child = GetWindow(owner, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP)
      controls.push_back(child);
  if (controls.empty() || Random.Percent(25)) {
    bool previous = Random.Percent(50);
    Log(std::string("WM_NEXTDLGCTL ") + (previous ? "previous" : "next"));
    Post(owner, WM_NEXTDLGCTL, previous, FALSE);
    return true;
  }
  HWND target = Random.Pick(controls);
  Log("WM_NEXTDLGCTL to control " + std::to_string(GetDlgCtrlID(target)));
  Post(owner, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  return true;
}

bool ButtonAction() {
  std::vector<int> buttons = {IDC_ADD_ROW, IDC_EDIT_ROW, IDC_DELETE_ROWS};
  for (const StatRowControls& row : StatRows) buttons.push_back(row.bestBox);
  buttons.insert(buttons.end(), {IDC_EFFORT_UNKNOWN, IDC_HPCALC_CLOSE});
  for (const StatRowControls& row : StatRows) buttons.push_back(row.trainedBox);
  int id = Random.Pick(buttons);
  HWND owner = id == IDC_HPCALC_CLOSE ? Calculator() : App.main;
  if (owner == nullptr) return false;
  HWND button = GetDlgItem(owner, id);
  int way = Random.Below(3);
  if (way == 1 && !IsWindowEnabled(button))
    way = 2;  // no mouse on a grey button
  static constexpr const char* Ways[] = {"BM_CLICK", "mouse click",
                                         "WM_COMMAND"};
  Log(std::string(Ways[way]) + " on button " + std::to_string(id));
  if (owner == App.main) ExpectPress(id);
  if (way == 0) Post(button, BM_CLICK, 0, 0);
  if (way == 1) Click(button, CenterOf(button));
  if (way == 2)
    Post(owner, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
         reinterpret_cast<LPARAM>(button));
  return true;
}

// Chooses list item `index` the way a player's choice reports it.
void Choose(int id, int index) {
  Send(Item(id), CB_SETCURSEL, index, 0);
  Post(App.main, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(Item(id)));
}

bool ChooseAction() {
  int id = Random.Pick(ComboBoxes());
  HWND combo = Item(id);
  LRESULT count = 0;
  if (!IsWindowEnabled(combo) || !Send(combo, CB_GETCOUNT, 0, 0, &count) ||
      count <= 0)
    return false;
  int index = Random.Below(static_cast<int>(count));
  Log("choose item " + std::to_string(index) + " of list " +
      std::to_string(id));
  Choose(id, index);
  return true;
}

// Clicks, Ctrl-clicks and double-clicks on rows (or below the last row).
bool RowClickAction() {
  HWND list = Item(IDC_STATUS_LIST);
  int count = RowCount();
  int row = Random.Below(count + 1);
  RECT client{};
  GetClientRect(list, &client);
  POINT at = {client.right / 2, client.bottom - 2};  // below the rows
  if (row < count) {
    Send(list, LVM_ENSUREVISIBLE, row, FALSE);
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!RemoteSend(list, LVM_GETITEMRECT, row, &bounds, sizeof bounds))
      return false;
    at = {client.right / 2, (bounds.top + bounds.bottom) / 2};
  }
  int way = Random.Below(4);
  static constexpr const char* Ways[] = {"click", "click", "Ctrl-click",
                                         "double-click"};
  Log(std::string(Ways[way]) + " on row " + std::to_string(row) + " of " +
      std::to_string(count));
  if (way == 3) Expect.edit = true;
  Click(list, at, way == 2 ? MK_CONTROL : 0, way == 3);
  return true;
}

// Selection changes another program makes through the list-view messages.
bool RowStateAction() {
  HWND list = Item(IDC_STATUS_LIST);
  int count = RowCount();
  int row = count > 0 && Random.Percent(60) ? Random.Below(count) : -1;
  bool select = Random.Percent(50);
  UINT mask = LVIS_SELECTED | (select && row >= 0 ? LVIS_FOCUSED : 0);
  Log(std::string("LVM_SETITEMSTATE ") + (select ? "select" : "deselect") +
      " row " + std::to_string(row));
  SetRowState(list, row, select ? mask : 0, mask);
  return true;
}

// Every menu command but Exit; the calculator and the file commands more
// often than the rest, the help viewer (a person's pause) less often.
bool MenuAction() {
  static constexpr UINT FileCommands[] = {IDM_OPEN, IDM_SAVE, IDM_SAVE_AS,
                                          IDM_RESTORE, IDM_COPY_RESULT};
  UINT command =
      Random.Percent(25) ? IDM_HIDDEN_POWER
      : Random.Percent(25)
          ? Random.Pick(FileCommands)
          : IDM_MODE_GEN3 + Random.Below(IDM_COPY_RESULT - IDM_MODE_GEN3 + 1);
  if ((command == IDM_HELP_CONTENTS || command == IDM_HELP_INDEX) &&
      Random.Percent(70))
    command = IDM_HIDDEN_POWER;
  Log("menu command " + std::to_string(command));
  if (command <= IDM_MODE_GEN6) TrackedMode = command;
  if (command == IDM_OPEN || command == IDM_SAVE || command == IDM_SAVE_AS)
    FileCommand = command;
  if (command == IDM_RESTORE) {  // the previous run's input, mode and all
    PendingMode = PreviousInputMode;
    ExpectGoodFile = true;
    Expect.remove = true;
  }
  Post(App.main, WM_COMMAND, command, 0);
  return true;
}

bool CloseCalculatorAction() {
  HWND calculator = Calculator();
  if (calculator == nullptr) return false;
  Log("close the calculator with its close box");
  Post(calculator, WM_SYSCOMMAND, SC_CLOSE, 0);
  return true;
}

bool UpDownAction() {
  const NumericField& entry = NumericFields[Random.Below(NumericFieldCount)];
  HWND spin = Item(entry.spin);
  if (!IsWindowEnabled(spin)) return false;
  RECT rect{};
  GetClientRect(spin, &rect);
  bool up = Random.Percent(50);
  Log(std::string(up ? "click up arrow " : "click down arrow ") +
      std::to_string(entry.spin));
  Click(spin, {rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4});
  return true;
}

// The monster the observations describe, with its true IVs.
struct Monster {
  int species = -1;
  int nature = 0;
  int ivs[StatCount] = {};
};
Monster Observed;

Monster NewMonster(uint32_t mode) {
  Monster monster;
  do monster.species = Random.Below(SpeciesCount);
  while (!IsListedInGame(SpeciesTable[monster.species], GameOfMode(mode)));
  monster.nature = Random.Below(NatureCount);
  for (int& iv : monster.ivs) iv = Random.Below(MaxIv + 1);
  return monster;
}

// A file of a new monster seen at levels 50 and 100, written by the
// program's own document writer.
std::string MonsterDocument(uint32_t mode) {
  Monster monster = NewMonster(mode);
  const SpeciesRecord& species = SpeciesTable[monster.species];
  const NatureRecord& nature = NatureTable[monster.nature];
  Document document = EmptyDocument();
  document.species = species.name;
  document.nature = nature.name;
  document.generation = GameOfMode(mode).generation;
  for (int level : {50, 100}) {
    uint16_t efforts[StatCount] = {};
    StatusEntry shown =
        ShownStats(species, nature, monster.ivs, level, efforts);
    Observation row{};
    row.level = level;
    for (int stat = 0; stat < StatCount; ++stat)
      row.stats[stat] = shown.stats[stat];
    document.rows.push_back(row);
  }
  return WriteDocumentText(document);
}

uint32_t RandomMode() { return IDM_MODE_GEN3 + Random.Below(4); }

// What a previous run leaves for the program to find at start: its
// remembered mode and order, its input for restoring; and in the soak's own
// (emptied) folder a document to open and a file that is none. A seed so
// starts from the same state whatever ran before.
bool PrepareFiles() {
  TrackedMode = RandomMode();
  DWORD order =
      IDM_SORT_KANA + Random.Below(IDM_SORT_ORAS_HOENN - IDM_SORT_KANA + 1);
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  DWORD mode = TrackedMode;
  RegSetValueExW(key, GameModeValue, 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&mode), sizeof mode);
  RegSetValueExW(key, SortOrderValue, 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&order), sizeof order);
  RegCloseKey(key);
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE,
                              nullptr, SHGFP_TYPE_CURRENT, folder)))
    return false;
  // The earlier releases' autosave file, taken in as the newest kept input.
  Text autosave = Text(folder) + AutosaveFolder;
  CreateDirectoryW(autosave.c_str(), nullptr);
  PreviousInputMode = RandomMode();
  if (!WriteBytes(autosave + EarlierAutosaveFile,
                  MonsterDocument(PreviousInputMode)))
    return false;
  GetTempPathW(MAX_PATH, folder);
  SoakFolder = Text(folder) + L"tessavar-soak";
  CreateDirectoryW(SoakFolder.c_str(), nullptr);
  DeleteFilesIn(SoakFolder, L"*.tsv");
  uint32_t documentMode = RandomMode();
  SoakFiles = {{SoakFolder + L"\\monster.tsv", documentMode},
               {SoakFolder + L"\\broken.tsv", 0}};
  std::string junk = "x";
  for (int n = Random.Below(200); n > 0; --n)
    junk += static_cast<char>(Random.Next());
  return WriteBytes(SoakFiles[0].path, MonsterDocument(documentMode)) &&
         WriteBytes(SoakFiles[1].path, junk);
}

// A player starting over with a new monster: every row deleted, and each
// clue either unknown or what the game tells of the monster.
void StartOver() {
  Observed = NewMonster(TrackedMode);
  Log("start over with a new monster");
  SetRowState(Item(IDC_STATUS_LIST), -1, LVIS_SELECTED, LVIS_SELECTED);
  Post(Item(IDC_DELETE_ROWS), BM_CLICK, 0, 0);
  Expect.remove = true;
  const int* ivs = Observed.ivs;
  bool told = Random.Percent(50);
  const auto& type = HiddenPowerTypeNames[HiddenPowerTypeOf(ivs)];
  LRESULT typeItem = 0;
  Send(Item(IDC_HP_TYPE_CLUE), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
       reinterpret_cast<LPARAM>(type), &typeItem);
  if (IsWindowEnabled(Item(IDC_CHARACTERISTIC)))
    Choose(IDC_CHARACTERISTIC,
           told ? 1 + CharacteristicOf(ivs, Random.Next()) : 0);
  Choose(IDC_HP_TYPE_CLUE, told ? static_cast<int>(typeItem) : 0);
  Choose(IDC_OVERALL_VERDICT, told ? OverallVerdictOf(ivs) : 0);
  Choose(IDC_BEST_VERDICT, told ? BestStatVerdictOf(ivs) : 0);
  for (int stat = 0; stat < StatCount; ++stat)
    Send(Item(StatRows[stat].bestBox), BM_SETCHECK,
         told ? BestStatMarkOf(ivs, stat) : BST_INDETERMINATE, 0);
  Settle();  // before the new observation is set into the form
}

// A consistent observation of the monster (several of them narrow the
// results down, and hidden power shows), set into the form by another
// program and added with the Add button.
bool ObserveAction() {
  if (Observed.species < 0 || Random.Percent(20)) StartOver();
  const SpeciesRecord& species = SpeciesTable[Observed.species];
  const NatureRecord& nature = NatureTable[Observed.nature];
  // High levels pin the IVs, so hidden power shows too.
  int low = Random.Percent(40) ? 90 : LevelLow();
  int level = low + Random.Below(LevelMaximum - low + 1);
  uint16_t efforts[StatCount];
  for (uint16_t& effort : efforts)
    effort =
        static_cast<uint16_t>(Random.Below(EffortTotalLimit / StatCount + 1));
  StatusEntry shown = ShownStats(species, nature, Observed.ivs, level, efforts);
  Log("observe " + ToUtf8(species.name) + " " + ToUtf8(nature.name) +
      " level " + std::to_string(level) + " and Add");
  Send(Item(IDC_SPECIES), WM_SETTEXT, 0,
       reinterpret_cast<LPARAM>(species.name));
  Send(Item(IDC_NATURE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(nature.name));
  for (int k = 0; k < NumericFieldCount; ++k) {
    int value = k == 0 ? level
                : k < FirstEffortField
                    ? shown.stats[k - 1]
                    : shown.effortValues[k - FirstEffortField];
    Send(Item(NumericFields[k].field), WM_SETTEXT, 0,
         reinterpret_cast<LPARAM>(std::to_wstring(value).c_str()));
  }
  ExpectAdd();
  Post(Item(IDC_ADD_ROW), BM_CLICK, 0, 0);
  return true;
}

struct Action {
  int weight;
  bool (*run)();  // false when it found nothing to act on
};
constexpr Action Actions[] = {
    {28, TextAction},    {12, KeyAction},    {6, FocusAction},
    {12, ButtonAction},  {8, ChooseAction},  {8, RowClickAction},
    {3, RowStateAction}, {4, MenuAction},    {1, CloseCalculatorAction},
    {4, UpDownAction},   {10, ObserveAction}};

void RunRandomAction() {
  int total = 0;
  for (const Action& action : Actions) total += action.weight;
  for (;;) {
    int pick = Random.Below(total);
    for (const Action& action : Actions) {
      if (pick < action.weight) {
        if (action.run()) return;
        break;
      }
      pick -= action.weight;
    }
  }
}

// ---- Run --------------------------------------------------------------------

size_t WorkingSetKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(App.process, &counters, sizeof counters)) return 0;
  return counters.WorkingSetSize / 1024;
}

HWND FindMainWindow() {
  return FindProcessWindow(App.pid, [](HWND window) {
    return IsWindowVisible(window) && ClassOf(window) == MainWindowClassName;
  });
}

bool StartProgram(const Text& exe) {
  Text folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  Launch launch{exe, folder.empty() ? L"." : folder,
                CreateEventW(nullptr, TRUE, FALSE, nullptr), false};
  CloseHandle(CreateThread(nullptr, 0, DebugLoop, &launch, 0, nullptr));
  WaitForSingleObject(launch.ready, INFINITE);
  CloseHandle(launch.ready);
  if (!launch.started) {
    Fail("cannot start " + Utf8(exe));
    return false;
  }
  DWORD start = GetTickCount();
  while ((App.main = FindMainWindow()) == nullptr) {
    if (ProgramEnded()) return false;
    if (GetTickCount() - start > StartTimeoutMs) {
      Fail("the main window did not appear", "hang");
      return false;
    }
    Sleep(50);
  }
  App.remote = static_cast<char*>(VirtualAllocEx(
      App.process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (App.remote == nullptr) Fail("cannot reach the program's memory");
  return App.remote != nullptr && Settle();
}

// Closes the program the way the close box does; it must end cleanly.
void CloseProgram() {
  if (Exited != 0) return;
  Post(App.main, WM_CLOSE, 0, 0);
  DWORD start = GetTickCount();
  while (Exited == 0 && GetTickCount() - start < ExitTimeoutMs) Sleep(20);
  if (Exited == 0) {
    Fail("the program did not end after WM_CLOSE", "hang");
    TerminateProcess(App.process, 1);
  } else if (CrashText[0] != '\0' || ExitCode != 0) {
    ProgramEnded();
  }
}

struct Options {
  Text exe;
  Text log;
  unsigned seed = 1;
  long steps = -1;
  long seconds = -1;
};

bool ReadOptions(Options* options) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int k = 1; k + 1 < argc; k += 2) {
    Text name = argv[k];
    const wchar_t* value = argv[k + 1];
    if (name == L"--exe") options->exe = value;
    if (name == L"--log") options->log = value;
    if (name == L"--seed") options->seed = static_cast<unsigned>(_wtoi(value));
    if (name == L"--steps") options->steps = _wtol(value);
    if (name == L"--seconds") options->seconds = _wtol(value);
  }
  if (options->steps < 0 && options->seconds < 0) options->steps = 200;
  if (options->log.empty())
    options->log = L"soak-" + std::to_wstring(options->seed) + L".log";
  return !options->exe.empty();
}

// One step: a random action, then what it opened is closed and everything
// is checked.
void RunStep() {
  ++Step;
  Expect = Expectation{};
  BoxesThisStep = 0;
  EffortBoxesThisStep = 0;
  ExpectGoodFile = false;
  PendingMode = 0;
  RunRandomAction();
  if (Failure.empty() && Settle()) CloseDialogs();
  if (PendingMode != 0) TrackedMode = PendingMode;
  if (Failure.empty()) CheckProgram();
}

// The summary lines on stdout and, for a failure, the last actions on stderr.
void Report(const Options& options, DWORD started, size_t startSet,
            size_t endSet) {
  char line[256];
  std::snprintf(line, sizeof line,
                "soak-run seed=%u steps=%d seconds=%.1f result=%s "
                "ws_start_kb=%zu ws_end_kb=%zu with_ivs=%d with_hints=%d "
                "with_hidden_power=%d",
                options.seed, Step, (GetTickCount() - started) / 1000.0,
                Failure.empty() ? "ok" : FailureKind, startSet, endSet,
                StepsWithIvs, StepsWithHints, StepsWithHiddenPower);
  std::puts(line);
  for (const auto& [text, count] : BoxCounts)
    std::puts(
        ("soak-box count=" + std::to_string(count) + " text=" + Quote(text))
            .c_str());
  if (Failure.empty()) return;
  std::string report = "soak: seed " + std::to_string(options.seed) +
                       " failed at step " + std::to_string(Step) + ": " +
                       Failure + "\n";
  if (CrashText[0] != '\0' && Failure.find(CrashText) == std::string::npos)
    report = report + "afterwards the program crashed: " + CrashText + "\n";
  report += "last actions:\n";
  for (const std::string& recent : RecentLines) report += "  " + recent + "\n";
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

int main() {
  Options options;
  if (!ReadOptions(&options)) {
    std::fprintf(stderr,
                 "usage: tessavar_soak --exe PATH [--seed N] [--steps N | "
                 "--seconds N] [--log FILE]\n");
    return 2;
  }
  LogFile = _wfopen(options.log.c_str(), L"w");
  Random.state = 0x9E3779B97F4A7C15ull * (options.seed + 1);
  if (!LoadGameData(GetModuleHandleW(nullptr))) {
    std::fprintf(stderr, "soak: cannot load the game data\n");
    return 2;
  }
  Log("seed " + std::to_string(options.seed) + ", program " +
      Utf8(options.exe));
  DWORD started = GetTickCount();
  size_t startSet = 0;
  if (!PrepareFiles()) Fail("cannot write the files a previous run leaves");
  if (Failure.empty() && StartProgram(options.exe)) {
    CloseDialogs();
    CheckProgram();
    startSet = WorkingSetKb();
  }
  while (Failure.empty() &&
         (options.steps >= 0 ? Step < options.steps
                             : GetTickCount() - started <
                                   static_cast<DWORD>(options.seconds) * 1000))
    RunStep();
  size_t endSet = Exited == 0 ? WorkingSetKb() : 0;
  if (Failure.empty()) CloseProgram();
  if (Exited == 0) TerminateProcess(App.process, 1);
  Report(options, started, startSet, endSet);
  if (LogFile != nullptr) std::fclose(LogFile);
  return Failure.empty() ? 0 : 1;
}
