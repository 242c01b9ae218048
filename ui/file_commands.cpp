// The file commands, the caption and the clipboard line: opening and saving
// documents, restoring the previous run's input, copying the result.
#include "ui/file_commands.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "ui/autosave.h"
#include "ui/common.h"
#include "ui/document_form.h"
#include "document/result_line.h"
#include "ui/safe_file.h"

namespace {

constexpr wchar_t FileFilter[] =
    L"Tessavarファイル (*.tsv)\0*.tsv\0すべてのファイル (*.*)\0*.*\0";
constexpr wchar_t DefaultFileName[] = L"Tessavar.tsv";
constexpr int PathCapacity = 1024;

// The open file (empty for none), its text when last saved or opened, and
// the input's text at the last check.
std::wstring CurrentPath;
std::string SavedText;
std::string NotedText;
// The input at the last change check, to skip the text when it is the same.
Document CheckedDocument;
bool CheckedKnown = false;
bool Tracking = false;

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

// "Tessavar - フシギダネ.tsv", with "*" before the name while the input
// differs from the file; "Tessavar" while no file is open.
void UpdateCaption(HWND window) {
  std::wstring caption = AppTitle;
  if (!CurrentPath.empty()) {
    caption += L" - ";
    if (NotedText != SavedText) caption += L"*";
    caption += PathFindFileNameW(CurrentPath.c_str());
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

// Reads and checks a document's text; reports a refusal naming the line.
bool ParseOrReport(HWND window, const std::string& text,
                   const std::wstring& path, Document& document) {
  ReadError error = ReadDocumentText(text.data(), text.size(), document);
  if (error.reason == ReadFailure::None) return true;
  wchar_t line[32];
  wsprintfW(line, L"%d行目: ", error.line);
  ShowFileMessage(
      window, L"ファイルを開けませんでした。", path,
      line + std::wstring(ReadFailureTexts[static_cast<int>(error.reason)]),
      MB_ICONWARNING);
  return false;
}

// Puts a document into the form; it then counts as saved in `path`.
void TakeDocument(HWND window, const Document& document,
                  const std::wstring& path) {
  ApplyFormDocument(window, document);
  CurrentPath = path;
  NotedText = ReadFormText(window);
  SavedText = path.empty() ? std::string() : NotedText;
  UpdateCaption(window);
}

bool SaveTo(HWND window, const std::wstring& path) {
  std::string text = ReadFormText(window);
  DWORD error = WriteFileSafely(path, text);
  if (error != ERROR_SUCCESS) {
    ShowFileMessage(window, L"ファイルを保存できませんでした。", path,
                    SystemErrorText(error), MB_ICONERROR);
    return false;
  }
  CurrentPath = path;
  SavedText = NotedText = text;
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

}  // namespace

void BeginDocumentTracking(HWND window) {
  BeginAutosave(window);
  // A new window starts without a file.
  CurrentPath.clear();
  SavedText.clear();
  NotedText = ReadFormText(window);
  CheckedKnown = false;
  Tracking = true;
}

void NoteInputChanged(HWND window, const FormInputs& inputs) {
  if (!Tracking) return;
  // Most recalculations change nothing of the input: comparing the plain
  // values is much cheaper than writing the file text.
  Document document = DocumentOfInputs(inputs);
  if (CheckedKnown && SameDocument(document, CheckedDocument)) return;
  CheckedDocument = document;
  CheckedKnown = true;
  std::string text = WriteDocumentText(document);
  if (text == NotedText) return;
  NotedText = text;
  ScheduleAutosave(window, text);
  UpdateCaption(window);
}

bool OpenDocumentFile(HWND window, const std::wstring& path) {
  std::string text;
  DWORD error = ReadWholeFile(path, text);
  if (error != ERROR_SUCCESS) {
    ShowFileMessage(window, L"ファイルを開けませんでした。", path,
                    SystemErrorText(error), MB_ICONERROR);
    return false;
  }
  Document document = EmptyDocument();
  if (!ParseOrReport(window, text, path, document)) return false;
  TakeDocument(window, document, path);
  return true;
}

void OpenDroppedFile(HWND window, HDROP drop) {
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  if (length > 0) DragQueryFileW(drop, 0, &path[0], length + 1);
  path.resize(length);
  DragFinish(drop);
  if (!path.empty()) OpenDocumentFile(window, path);
}

void OpenCommand(HWND window) {
  wchar_t path[PathCapacity] = L"";
  OPENFILENAMEW dialog = FileDialog(window, path, OFN_FILEMUSTEXIST);
  if (GetOpenFileNameW(&dialog)) OpenDocumentFile(window, path);
}

void SaveCommand(HWND window) {
  if (CurrentPath.empty()) {
    SaveAsCommand(window);
    return;
  }
  SaveTo(window, CurrentPath);
}

void SaveAsCommand(HWND window) {
  wchar_t path[PathCapacity] = L"";
  // The open file's name, else the species' name, else the program's.
  std::wstring name = PathFindFileNameW(CurrentPath.c_str());
  if (name.empty()) {
    Document document = ReadFormDocument(window);
    name = document.species.empty()
               ? DefaultFileName
               : reinterpret_cast<const wchar_t*>(document.species.c_str()) +
                     std::wstring(L".tsv");
  }
  lstrcpynW(path, name.c_str(), PathCapacity);
  OPENFILENAMEW dialog = FileDialog(window, path, OFN_OVERWRITEPROMPT);
  if (GetSaveFileNameW(&dialog)) SaveTo(window, path);
}

void RestoreCommand(HWND window) {
  std::string text;
  DWORD error = ERROR_SUCCESS;
  if (!PreviousInputText(text, error)) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      ShowMessage(window, L"復元できる前回の入力はありません", MB_ICONWARNING);
    else
      ShowFileMessage(window, L"前回の入力を読み込めませんでした。", L"",
                      SystemErrorText(error), MB_ICONERROR);
    return;
  }
  Document document = EmptyDocument();
  if (ParseOrReport(window, text, L"前回の入力", document))
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
