// Autosave: the debounced safe write of the current input to the user's
// application data folder, and the previous run's input kept for restoring.
#include "ui/autosave.h"

#include <shlobj.h>

#include "ui/document_form.h"
#include "ui/safe_file.h"

namespace {

constexpr wchar_t AutosaveFolder[] = L"\\Tessavar";
constexpr wchar_t AutosaveFile[] = L"\\autosave.tsv";

// The text last written (or found unchanged at start-up).
std::string AutosavedText;
std::string PreviousText;
DWORD PreviousError = ERROR_FILE_NOT_FOUND;

// %APPDATA%\Tessavar\autosave.tsv, the folder created when missing; empty
// when there is no application data folder.
std::wstring AutosavePath() {
  wchar_t folder[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE,
                              nullptr, SHGFP_TYPE_CURRENT, folder)))
    return L"";
  std::wstring path = std::wstring(folder) + AutosaveFolder;
  CreateDirectoryW(path.c_str(), nullptr);
  return path + AutosaveFile;
}

std::string CurrentText(HWND window) {
  return WriteDocumentText(ReadFormDocument(window));
}

}  // namespace

void BeginAutosave(HWND window) {
  std::wstring path = AutosavePath();
  PreviousText.clear();
  PreviousError =
      path.empty() ? ERROR_PATH_NOT_FOUND : ReadWholeFile(path, PreviousText);
  AutosavedText = CurrentText(window);
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
  std::string text = CurrentText(window);
  if (text == AutosavedText) return;
  std::wstring path = AutosavePath();
  // A failed autosave is not reported: it runs unasked in the background,
  // and the next change tries again.
  if (!path.empty() && WriteFileSafely(path, text) == ERROR_SUCCESS)
    AutosavedText = text;
}

bool PreviousInputText(std::string& text, DWORD& error) {
  error = PreviousError;
  text = PreviousText;
  return PreviousError == ERROR_SUCCESS;
}
