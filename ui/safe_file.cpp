// Whole-file reads and the safe write: the program's own temporary file,
// flush, replace; and the texts of their failures.
#include "ui/safe_file.h"

namespace {

// The folder part of a path ("." for a bare name).
std::wstring FolderOf(const std::wstring& path) {
  std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  if (slash == 0 || path[slash - 1] == L':') return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

// A full path longer than the classic limit in the form the file functions
// take at any length ("\\?\C:\..." or "\\?\UNC\server\..."); other paths as
// they are.
std::wstring AnyLengthForm(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.compare(0, 4, L"\\\\?\\") == 0)
    return path;
  std::wstring full = path;
  for (wchar_t& c : full)
    if (c == L'/') c = L'\\';
  if (full.size() > 2 && full[1] == L':' && full[2] == L'\\')
    return L"\\\\?\\" + full;
  if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return path;
}

DWORD WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(
        bytes.size() - done < (1u << 20) ? bytes.size() - done : (1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
      return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

// Checks made before anything is written: the folder exists, and the
// target, if there is one, is a file that may be replaced.
DWORD CheckTarget(const std::wstring& path) {
  DWORD folder = GetFileAttributesW(AnyLengthForm(FolderOf(path)).c_str());
  if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY))
    return ERROR_PATH_NOT_FOUND;
  DWORD target = GetFileAttributesW(AnyLengthForm(path).c_str());
  if (target == INVALID_FILE_ATTRIBUTES) return ERROR_SUCCESS;
  if (target & FILE_ATTRIBUTE_DIRECTORY) return ERROR_ACCESS_DENIED;
  // Windows refuses to replace a read-only file, Wine replaces it and
  // drops the flag: refused here on both, the old file untouched.
  if (target & FILE_ATTRIBUTE_READONLY) return ERROR_FILE_READ_ONLY;
  return ERROR_SUCCESS;
}

}  // namespace

std::wstring TemporaryFileOf(const std::wstring& path) {
  std::size_t slash = path.find_last_of(L"\\/");
  std::size_t name = slash == std::wstring::npos ? 0 : slash + 1;
  return path.substr(0, name) + L"~" + path.substr(name) + L".tmp";
}

DWORD WriteFileSafely(const std::wstring& path, const std::string& bytes) {
  DWORD error = CheckTarget(path);
  if (error != ERROR_SUCCESS) return error;
  std::wstring temp = AnyLengthForm(TemporaryFileOf(path));
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  error = WriteAll(file, bytes);
  if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temp.c_str(), AnyLengthForm(path).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != ERROR_SUCCESS) DeleteFileW(temp.c_str());
  return error;
}

DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file =
      CreateFileW(AnyLengthForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  LARGE_INTEGER size{};
  DWORD error = ERROR_SUCCESS;
  if (!GetFileSizeEx(file, &size)) {
    error = GetLastError();
  } else if (size.QuadPart > FileSizeLimit) {
    error = ERROR_FILE_TOO_LARGE;
  } else {
    bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read,
                  nullptr))
      error = GetLastError();
    else
      bytes.resize(read);
  }
  CloseHandle(file);
  return error;
}

std::wstring FileErrorText(DWORD error, const std::wstring& path) {
  static_assert(FileSizeLimit == 4u << 20, "the text names the limit");
  switch (error) {
    case ERROR_FILE_TOO_LARGE:
      return L"ファイルが大きすぎます（4 MBまで）";
    case ERROR_FILE_READ_ONLY:
      return L"読み取り専用のファイルには保存できません";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
      return std::wstring(L"フォルダーが見つかりません") + L": " +
             FolderOf(path);
    default:
      return SystemErrorText(error);
  }
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t text[256] = L"";
  DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, text, 256, nullptr);
  while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r'))
    text[--length] = L'\0';
  if (length == 0) wsprintfW(text, L"エラー %lu", error);
  return text;
}
