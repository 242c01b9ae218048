// Whole-file reads and the safe write: temporary file, flush, replace.
#include "ui/safe_file.h"

namespace {

// The folder part of a path ("." for a bare name).
std::wstring FolderOf(const std::wstring& path) {
  std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  if (slash == 0 || path[slash - 1] == L':') return path.substr(0, slash + 1);
  return path.substr(0, slash);
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

}  // namespace

DWORD WriteFileSafely(const std::wstring& path, const std::string& bytes) {
  wchar_t temp[MAX_PATH] = L"";
  if (GetTempFileNameW(FolderOf(path).c_str(), L"tsv", 0, temp) == 0)
    return GetLastError();
  HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  if (file != INVALID_HANDLE_VALUE) {
    error = WriteAll(file, bytes);
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temp, path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != ERROR_SUCCESS) DeleteFileW(temp);
  return error;
}

DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
