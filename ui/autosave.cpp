// Autosave: the debounced safe write of the current input to the user's
// application data folder, and the previous run's input kept for restoring.
#include "ui/autosave.h"

#include <shlobj.h>

#include "ui/document_form.h"
#include "ui/safe_file.h"

namespace {

// The text last written (or found unchanged at start-up).
std::string AutosavedText;
// The previous run's file, read once: before the first write replaces it,
// or when the player asks for it. Not at start-up, which stays quick.
bool PreviousRead = false;
std::string PreviousText;
DWORD PreviousError = ERROR_FILE_NOT_FOUND;

// %APPDATA%\Tessavar\autosave.tsv, the folder created when missing; empty
// when there is no application data folder.
std::wstring FindAutosavePath() {
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE,
                              nullptr, SHGFP_TYPE_CURRENT, folder)))
    return L"";
  std::wstring path = std::wstring(folder) + AutosaveFolder;
  CreateDirectoryW(path.c_str(), nullptr);
  return path + AutosaveFile;
}

// The path, looked up once per process (the shell's folder lookup is slow).
const std::wstring& AutosavePath() {
  static const std::wstring path = FindAutosavePath();
  return path;
}

void ReadPreviousInput() {
  if (PreviousRead) return;
  PreviousRead = true;
  const std::wstring& path = AutosavePath();
  PreviousText.clear();
  PreviousError =
      path.empty() ? ERROR_PATH_NOT_FOUND : ReadWholeFile(path, PreviousText);
}

}  // namespace

void BeginAutosave(HWND window) {
  std::wstring path = AutosavePath();
  PreviousText.clear();
  PreviousError =
      path.empty() ? ERROR_PATH_NOT_FOUND : ReadWholeFile(path, PreviousText);
  AutosavedText = ReadFormText(window);
}

void ScheduleAutosave(HWND window, const std::string& text) {
  if (text == AutosavedText) {
    KillTimer(window, AutosaveTimerId);
    return;
  }
  SetTimer(window, AutosaveTimerId, AutosaveDelay, nullptr);
}

void WriteAutosaveNow(HWND window) {
  KillTimer(window, AutosaveTimerId);
  std::string text = ReadFormText(window);
  if (text == AutosavedText) return;
  ReadPreviousInput();
  const std::wstring& path = AutosavePath();
  // A failed autosave is not reported: it runs unasked in the background,
  // and the next change tries again.
  if (!path.empty() && WriteFileSafely(path, text) == ERROR_SUCCESS)
    AutosavedText = text;
}

bool PreviousInputText(std::string& text, DWORD& error) {
  ReadPreviousInput();
  error = PreviousError;
  text = PreviousText;
  return PreviousError == ERROR_SUCCESS;
}
