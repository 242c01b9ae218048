// Owns the open document (its file and the text last saved) and the input
// as the change check last saw it; the file commands, the question before
// an unsaved input is replaced, the caption and the clipboard line.
#include "ui/file_commands.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <iterator>

#include "document/result_line.h"
#include "res/resource.h"
#include "ui/autosave.h"
#include "ui/common.h"
#include "ui/document_form.h"
#include "ui/input_form.h"
#include "ui/safe_file.h"

namespace {

constexpr wchar_t FileFilter[] =
    L"Tessavarファイル (*.tsv)\0*.tsv\0すべてのファイル (*.*)\0*.*\0";
constexpr wchar_t DefaultFileName[] = L"Tessavar.tsv";
constexpr int PathCapacity = 1024;
constexpr wchar_t OpenFailed[] = L"ファイルを開けませんでした。";
constexpr wchar_t RestoreFailed[] = L"前回の入力を読み込めませんでした。";

// The file the input belongs to (empty path for none) and its text when
// last opened or saved.
struct DocumentFile {
  std::wstring path;
  std::string savedText;
};
DocumentFile InputFile;

// The input as the change check last saw it: its plain values (comparing
// them is cheaper than writing the text) and its file text. The check runs
// once the window has started up.
struct SeenInput {
  bool checking = false;
  bool known = false;
  Document document;
  std::string text;
};
SeenInput LastSeen;

// Why a file is refused, by ReadFailure.
constexpr const wchar_t* ReadFailureTexts[] = {
    L"",
    L"Tessavarのファイルではありません",
    L"新しいバージョンのTessavarで保存されたファイルです",
    L"ファイルが途中で切れています",
    L"この行の形式が正しくありません",
    L"UTF-8の文字として読めません",
    L"値が入力できる範囲を超えています",
    L"ポケモン名がデータに存在しません",
    L"性格がデータに存在しません",
    L"個性・めざパタイプ・ジャッジの値がデータに存在しません",
    L"判定対象のステータスが1000件を超えています"};
static_assert(std::size(ReadFailureTexts) == ReadFailureCount,
              "one text for every reason a file is refused");

// "Tessavar - フシギダネ.tsv", with "*" before the name while the input
// differs from the file; "Tessavar" while no file is open.
void UpdateCaption(HWND window) {
  std::wstring caption = AppTitle;
  if (!InputFile.path.empty()) {
    caption += L" - ";
    if (LastSeen.text != InputFile.savedText) caption += L"*";
    caption += PathFindFileNameW(InputFile.path.c_str());
  }
  SetWindowTextW(window, caption.c_str());
}

void ShowFileMessage(HWND window, const wchar_t* headline,
                     const std::wstring& path, const std::wstring& detail,
                     UINT icon) {
  std::wstring text = std::wstring(headline) + L"\n";
  if (!path.empty()) text += path + L"\n";
  text += detail;
  ShowMessage(window, text.c_str(), icon);
}

// Reads a whole file and checks its text; reports a failure under
// `headline`, naming the line of a refused file.
bool ReadOrReport(HWND window, const wchar_t* headline,
                  const std::wstring& path, Document& document) {
  std::string text;
  DWORD error = ReadWholeFile(path, text);
  if (error != ERROR_SUCCESS) {
    ShowFileMessage(window, headline, path, FileErrorText(error, path),
                    MB_ICONERROR);
    return false;
  }
  ReadError refused = ReadDocumentText(text.data(), text.size(), document);
  if (refused.reason == ReadFailure::None) return true;
  wchar_t line[32];
  wsprintfW(line, L"%d行目: ", refused.line);
  ShowFileMessage(
      window, headline, path,
      line + std::wstring(ReadFailureTexts[static_cast<int>(refused.reason)]),
      MB_ICONWARNING);
  return false;
}

// Puts a document into the form; it then counts as saved in `path`.
void TakeDocument(HWND window, const Document& document,
                  const std::wstring& path) {
  ApplyFormDocument(window, document);
  InputFile.path = path;
  LastSeen.text = FormFileText(window);
  InputFile.savedText = path.empty() ? std::string() : LastSeen.text;
  UpdateCaption(window);
}

bool SaveTo(HWND window, const std::wstring& path) {
  std::string text = FormFileText(window);
  DWORD error = WriteFileSafely(path, text);
  if (error != ERROR_SUCCESS) {
    ShowFileMessage(window, L"ファイルを保存できませんでした。", path,
                    FileErrorText(error, path), MB_ICONERROR);
    return false;
  }
  InputFile.path = path;
  InputFile.savedText = LastSeen.text = text;
  UpdateCaption(window);
  return true;
}

// The file dialogs' common fields.
OPENFILENAMEW FileDialog(HWND window, wchar_t* path, DWORD flags) {
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window;
  dialog.lpstrFilter = FileFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = PathCapacity;
  dialog.lpstrDefExt = L"tsv";
  dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return dialog;
}

// Save as: the dialog, then the save; false when cancelled or failed.
bool SaveAsChosenFile(HWND window) {
  wchar_t path[PathCapacity] = L"";
  // The open file's name, else the species' name, else the program's.
  std::wstring name = PathFindFileNameW(InputFile.path.c_str());
  if (name.empty()) {
    Document document = ReadFormDocument(window);
    name = document.species.empty()
               ? DefaultFileName
               : reinterpret_cast<const wchar_t*>(document.species.c_str()) +
                     std::wstring(L".tsv");
  }
  lstrcpynW(path, name.c_str(), PathCapacity);
  OPENFILENAMEW dialog = FileDialog(window, path, OFN_OVERWRITEPROMPT);
  return GetSaveFileNameW(&dialog) && SaveTo(window, path);
}

bool SaveInput(HWND window) {
  if (InputFile.path.empty()) return SaveAsChosenFile(window);
  return SaveTo(window, InputFile.path);
}

// Whether the input would be lost if replaced: it differs from its file,
// or, with no file, is not empty.
bool HasUnsavedInput(HWND window) {
  Document document = ReadFormDocument(window);
  if (InputFile.path.empty()) return !IsEmptyInput(document);
  return WriteDocumentText(document) != InputFile.savedText;
}

// Before open, drop or restore replace the input: asks to save one that
// would be lost. Yes saves (save as without a file), No discards, Cancel
// keeps the input; true when the input may be replaced.
bool MayReplaceInput(HWND window) {
  if (!HasUnsavedInput(window)) return true;
  int answer = MessageBoxW(window, L"変更を保存しますか？", AppTitle,
                           MB_YESNOCANCEL | MB_ICONWARNING);
  if (answer == IDYES) return SaveInput(window);
  return answer == IDNO;
}

// A name field that holds a text its list lacks is being corrected: the
// focus leaves it as Tab would, so its check warns once and brings the
// focus back, and the command does not go on.
bool NameFieldInCorrection(HWND window) {
  HWND focus = GetFocus();
  for (int id : {IDC_SPECIES, IDC_NATURE}) {
    HWND field = GetDlgItem(window, id);
    if (focus == nullptr || (focus != field && GetParent(focus) != field))
      continue;
    if (IsNameFieldListed(field)) return false;
    SetFocus(window);
    return true;
  }
  return false;
}

// "&1  2026/12/07 17:40  フシギダネ": the kept input's place, local time of
// closing and species.
std::wstring KeptInputLabel(const KeptInput& kept, int place) {
  FILETIME local{};
  SYSTEMTIME time{};
  FileTimeToLocalFileTime(&kept.closed, &local);
  FileTimeToSystemTime(&local, &time);
  wchar_t head[64];
  wsprintfW(head, L"&%d  %d/%02d/%02d %02d:%02d  ", place, time.wYear,
            time.wMonth, time.wDay, time.wHour, time.wMinute);
  std::string text;
  Document document = EmptyDocument();
  if (ReadWholeFile(kept.path, text) != ERROR_SUCCESS ||
      ReadDocumentText(text.data(), text.size(), document).reason !=
          ReadFailure::None)
    return head + std::wstring(L"（読み込めません）");
  if (document.species.empty())
    return head + std::wstring(L"（ポケモン名なし）");
  return head + std::wstring(
                    reinterpret_cast<const wchar_t*>(document.species.c_str()));
}

// Whether `menu` is the restore submenu: its items are restore commands.
bool IsRestoreMenu(HMENU menu) {
  if (GetMenuItemCount(menu) <= 0) return false;
  UINT id = GetMenuItemID(menu, 0);
  return id == IDM_RESTORE ||
         (id >= IDM_RESTORE_KEPT && id < IDM_RESTORE_KEPT + KeptInputLimit);
}

}  // namespace

static_assert(IDM_RESTORE_KEPT + KeptInputLimit - 1 <= IDM_LAST_COMMAND,
              "every kept input has a menu command");

void BeginDocumentTracking(HWND window) {
  BeginAutosave(window);
  // A new window starts without a file.
  InputFile = DocumentFile();
  LastSeen = SeenInput();
  LastSeen.text = FormFileText(window);
  LastSeen.checking = true;
}

void NoteInputChanged(HWND window, const FormInputs& inputs) {
  if (!LastSeen.checking) return;
  // Most recalculations change nothing of the input: comparing the plain
  // values is much cheaper than writing the file text.
  Document document = DocumentOfInputs(inputs);
  if (LastSeen.known && SameDocument(document, LastSeen.document)) return;
  LastSeen.document = document;
  LastSeen.known = true;
  std::string text = WriteDocumentText(document);
  if (text == LastSeen.text) return;
  LastSeen.text = text;
  ScheduleAutosave(window, text);
  UpdateCaption(window);
}

bool OpenDocumentFile(HWND window, const std::wstring& path) {
  Document document = EmptyDocument();
  if (!ReadOrReport(window, OpenFailed, path, document) ||
      !MayReplaceInput(window))
    return false;
  TakeDocument(window, document, path);
  return true;
}

void OpenDroppedFile(HWND window, HDROP drop) {
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  if (length > 0) DragQueryFileW(drop, 0, &path[0], length + 1);
  path.resize(length);
  DragFinish(drop);
  if (!path.empty() && !NameFieldInCorrection(window))
    OpenDocumentFile(window, path);
}

void FillRestoreMenu(HMENU menu) {
  if (!IsRestoreMenu(menu)) return;
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  std::vector<KeptInput> kept = CollectKeptInputs();
  for (std::size_t k = 0; k < kept.size(); ++k)
    AppendMenuW(menu, MF_STRING, IDM_RESTORE_KEPT + k,
                KeptInputLabel(kept[k], static_cast<int>(k) + 1).c_str());
  if (kept.empty())
    AppendMenuW(menu, MF_STRING | MF_GRAYED, IDM_RESTORE,
                L"復元できる前回の入力はありません");
}

void OpenCommand(HWND window) {
  if (NameFieldInCorrection(window)) return;
  wchar_t path[PathCapacity] = L"";
  OPENFILENAMEW dialog = FileDialog(window, path, OFN_FILEMUSTEXIST);
  if (GetOpenFileNameW(&dialog)) OpenDocumentFile(window, path);
}

void SaveCommand(HWND window) {
  if (!NameFieldInCorrection(window)) SaveInput(window);
}

void SaveAsCommand(HWND window) {
  if (!NameFieldInCorrection(window)) SaveAsChosenFile(window);
}

void RestoreCommand(HWND window, int newest) {
  if (NameFieldInCorrection(window)) return;
  std::vector<KeptInput> kept = CollectKeptInputs();
  if (newest < 0 || newest >= static_cast<int>(kept.size())) {
    ShowMessage(window, L"復元できる前回の入力はありません", MB_ICONWARNING);
    return;
  }
  Document document = EmptyDocument();
  if (ReadOrReport(window, RestoreFailed, kept[newest].path, document) &&
      MayReplaceInput(window))
    TakeDocument(window, document, L"");
}

void CopyResultCommand(HWND window) {
  std::u16string line = ResultLine(ReadFormDocument(window));
  SIZE_T bytes = (line.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (target != nullptr) {
    CopyMemory(target, line.c_str(), bytes);
    GlobalUnlock(memory);
  }
  bool copied = target != nullptr && OpenClipboard(window);
  if (copied) {
    EmptyClipboard();
    copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  // The clipboard owns the memory only once SetClipboardData succeeded.
  if (!copied) {
    if (memory != nullptr) GlobalFree(memory);
    ShowMessage(window, L"結果をクリップボードにコピーできませんでした",
                MB_ICONERROR);
  }
}
