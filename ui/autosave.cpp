// Autosave: the window's own file ("window-<process>-<number>.tsv"), written
// a moment after each change; at close it becomes a kept input
// ("kept-<time>-<former name>", the time in hexadecimal so that the names
// sort by it).
#include "ui/autosave.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "ui/document_form.h"
#include "ui/safe_file.h"
#include "ui/status_bar.h"

namespace {

constexpr wchar_t WindowFilePrefix[] = L"window-";
constexpr wchar_t KeptFilePrefix[] = L"kept-";
// The prefixes' lengths, without the terminating null.
constexpr std::size_t WindowPrefixLength = std::size(WindowFilePrefix) - 1;
constexpr std::size_t KeptPrefixLength = std::size(KeptFilePrefix) - 1;
constexpr int TimeDigits = 16;

// This window's autosave: its file, the text last written to it (or found
// at start-up, which needs no writing), whether the file exists, and
// whether that input is empty.
struct WindowAutosave {
  std::wstring path;
  std::string writtenText;
  bool written = false;
  bool writtenEmpty = true;
};
WindowAutosave Autosave;

// What lasts the whole run: whether a failed write was told (once per run,
// however often it fails) and how many windows started (their files' numbers).
struct AutosaveRun {
  bool failureTold = false;
  int windowsStarted = 0;
};
AutosaveRun Run;

std::wstring FindFolderPath() {
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE,
                              nullptr, SHGFP_TYPE_CURRENT, folder)))
    return L"";
  return std::wstring(folder) + AutosaveFolder;
}

std::wstring Hex(unsigned long long value, int digits) {
  std::wstring text(static_cast<std::size_t>(digits), L'0');
  for (int k = digits - 1; k >= 0; --k, value >>= 4)
    text[static_cast<std::size_t>(k)] = L"0123456789abcdef"[value & 15];
  return text;
}

unsigned long long TimeValue(const FILETIME& time) {
  return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
         time.dwLowDateTime;
}

std::wstring KeptName(const FILETIME& closed, const std::wstring& former) {
  return KeptFilePrefix + Hex(TimeValue(closed), TimeDigits) + L"-" + former;
}

// The time in a kept file's name; false for a name of another form.
bool TimeOfKeptName(const std::wstring& name, FILETIME& time) {
  if (name.size() < KeptPrefixLength + TimeDigits + 1) return false;
  unsigned long long value = 0;
  for (int k = 0; k < TimeDigits; ++k) {
    wchar_t c = name[KeptPrefixLength + k];
    int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                : c >= L'a' && c <= L'f' ? c - L'a' + 10
                                         : -1;
    if (digit < 0) return false;
    value = value << 4 | static_cast<unsigned>(digit);
  }
  time.dwLowDateTime = static_cast<DWORD>(value);
  time.dwHighDateTime = static_cast<DWORD>(value >> 32);
  return true;
}

// The names in the folder that match `pattern`, with their write times.
std::vector<WIN32_FIND_DATAW> FilesMatching(const std::wstring& pattern) {
  std::vector<WIN32_FIND_DATAW> files;
  WIN32_FIND_DATAW found;
  HANDLE search =
      FindFirstFileW((AutosaveFolderPath() + L"\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back(found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

// Whether the process that wrote a window file still runs; this process's
// own files belong to its windows.
bool WriterRuns(const std::wstring& name) {
  DWORD process = wcstoul(name.c_str() + WindowPrefixLength, nullptr, 16);
  if (process == GetCurrentProcessId()) return true;
  HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  if (handle == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  bool runs = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
  CloseHandle(handle);
  return runs;
}

// The files of windows that never closed (their process was ended) and the
// earlier releases' file become kept inputs of the time they were written.
void TakeInLeftFiles() {
  std::vector<WIN32_FIND_DATAW> left =
      FilesMatching(std::wstring(WindowFilePrefix) + L"*.tsv");
  // The earlier file's name, without its leading backslash.
  for (const WIN32_FIND_DATAW& file : FilesMatching(EarlierAutosaveFile + 1))
    left.push_back(file);
  for (const WIN32_FIND_DATAW& file : left) {
    std::wstring name = file.cFileName;
    if (name.rfind(WindowFilePrefix, 0) == 0 && WriterRuns(name)) continue;
    std::wstring folder = AutosaveFolderPath() + L"\\";
    MoveFileW((folder + name).c_str(),
              (folder + KeptName(file.ftLastWriteTime, name)).c_str());
  }
}

void TellFailure(DWORD error) {
  if (Run.failureTold) return;
  Run.failureTold = true;
  // Without an application data folder there is no path to name.
  std::wstring reason = Autosave.path.empty()
                            ? SystemErrorText(error)
                            : FileErrorText(error, Autosave.path);
  std::wstring text =
      std::wstring(L"自動保存できませんでした") + L": " + reason;
  SetStatusText(StatusPartHelp, text.c_str());
}

}  // namespace

const std::wstring& AutosaveFolderPath() {
  // Looked up once per process (the shell's folder lookup is slow).
  static const std::wstring path = FindFolderPath();
  return path;
}

void BeginAutosave(HWND window) {
  Autosave = WindowAutosave();
  if (!AutosaveFolderPath().empty())
    Autosave.path = AutosaveFolderPath() + L"\\" + WindowFilePrefix +
                    Hex(GetCurrentProcessId(), 8) + L"-" +
                    Hex(static_cast<unsigned>(++Run.windowsStarted), 4) +
                    L".tsv";
  Autosave.writtenText = FormFileText(window);
}

void ScheduleAutosave(HWND window, const std::string& text) {
  if (text == Autosave.writtenText) {
    KillTimer(window, AutosaveTimerId);
    return;
  }
  SetTimer(window, AutosaveTimerId, AutosaveDelay, nullptr);
}

void WriteAutosaveNow(HWND window) {
  KillTimer(window, AutosaveTimerId);
  Document document = ReadFormDocument(window);
  std::string text = WriteDocumentText(document);
  if (text == Autosave.writtenText) return;
  if (Autosave.path.empty()) return TellFailure(ERROR_PATH_NOT_FOUND);
  CreateDirectoryW(AutosaveFolderPath().c_str(), nullptr);
  DWORD error = WriteFileSafely(Autosave.path, text);
  // The next change tries again; the player is told once.
  if (error != ERROR_SUCCESS) return TellFailure(error);
  Autosave.writtenText = text;
  Autosave.written = true;
  Autosave.writtenEmpty = IsEmptyInput(document);
}

void KeepAutosave() {
  if (!Autosave.written) return;
  Autosave.written = false;
  const std::wstring& own = Autosave.path;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  std::wstring folder = AutosaveFolderPath() + L"\\";
  std::wstring keptPath =
      folder + KeptName(now, own.substr(own.find_last_of(L'\\') + 1));
  if (Autosave.writtenEmpty) {
    DeleteFileW(own.c_str());
  } else {
    // The same input kept before (restored and closed unchanged) moves up
    // instead of taking a second place.
    bool movedUp = false;
    for (const KeptInput& kept : CollectKeptInputs()) {
      std::string text;
      movedUp = ReadWholeFile(kept.path, text) == ERROR_SUCCESS &&
                text == Autosave.writtenText &&
                MoveFileW(kept.path.c_str(), keptPath.c_str());
      if (movedUp) break;
    }
    if (movedUp)
      DeleteFileW(own.c_str());
    else
      MoveFileW(own.c_str(), keptPath.c_str());
  }
  CollectKeptInputs();  // removes the oldest beyond the limit
}

std::vector<KeptInput> CollectKeptInputs() {
  std::vector<KeptInput> kept;
  if (AutosaveFolderPath().empty()) return kept;
  TakeInLeftFiles();
  std::vector<std::wstring> names;
  for (const WIN32_FIND_DATAW& file :
       FilesMatching(std::wstring(KeptFilePrefix) + L"*.tsv"))
    names.push_back(file.cFileName);
  std::sort(names.rbegin(), names.rend());
  std::wstring folder = AutosaveFolderPath() + L"\\";
  for (const std::wstring& name : names) {
    KeptInput input{folder + name, {}};
    if (!TimeOfKeptName(name, input.closed)) continue;
    if (static_cast<int>(kept.size()) < KeptInputLimit)
      kept.push_back(input);
    else
      DeleteFileW(input.path.c_str());
  }
  return kept;
}
