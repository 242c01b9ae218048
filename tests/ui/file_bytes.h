// Plain whole-file writes, reads and deletes for the tests and drivers,
// independent of the program's own file code, and the search for a started
// program's window, and the start of a child program.
#pragma once

#include <windows.h>

#include <string>

// Whether every byte was written (a read-only file is made writable first).
inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                        &written, nullptr) &&
              written == bytes.size();
  CloseHandle(file);
  return done;
}

// At most 1 MiB: every test file is far smaller.
inline std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  std::string bytes(1 << 20, '\0');
  DWORD read = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

// Deletes the files of `folder` that match `pattern` (such as L"*.tsv").
inline void DeleteFilesIn(const std::wstring& folder, const wchar_t* pattern) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more;
       more = FindNextFileW(search, &found))
    DeleteFileW((folder + L"\\" + found.cFileName).c_str());
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// The first top-level window of the process that `fits` accepts, or null.
inline HWND FindProcessWindow(DWORD process, bool (*fits)(HWND window)) {
  struct Search {
    DWORD process;
    bool (*fits)(HWND);
    HWND found;
  } search{process, fits, nullptr};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search->process && search->fits(window))
          search->found = window;
        return search->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts `commandLine` (with the creation `flags`, in `folder` or the
// current one), trying three times: under Wine a child now and then dies
// while it is still being mapped (before any of its code runs), which says
// nothing about the program. 0 when started, else the last error.
inline DWORD StartProgram(std::wstring commandLine, PROCESS_INFORMATION& child,
                          DWORD flags = 0, const wchar_t* folder = nullptr) {
  DWORD error = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(1000);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, flags,
                       nullptr, folder, &startup, &child))
      return 0;
    error = GetLastError();
  }
  return error;
}
