// Owns the program's whole-file reads and writes and the words it uses for
// their failures. A write goes to the program's own temporary file beside
// the target ("~<name>.tmp"), is flushed to the disk and only then replaces
// the target, so the target always holds either its old or its new content,
// never a part. Paths of any length are handled.
#pragma once

#include <windows.h>

#include <string>

// The largest file read: far beyond a full status list.
constexpr DWORD FileSizeLimit = 4u << 20;

// Writes `bytes` to `path`; on failure returns the system error code and
// leaves `path` as it was (no temporary file stays behind). A read-only
// target is refused (ERROR_FILE_READ_ONLY) and a missing folder
// (ERROR_PATH_NOT_FOUND) before anything is written. A temporary file left
// by an interrupted earlier save of the same target is replaced and so
// gone after the save; no other file is touched.
DWORD WriteFileSafely(const std::wstring& path, const std::string& bytes);

// The temporary file a save of `path` writes: "~" and the file's name and
// ".tmp", in the same folder.
std::wstring TemporaryFileOf(const std::wstring& path);

// Reads all of `path` into `bytes`; ERROR_FILE_TOO_LARGE past FileSizeLimit.
DWORD ReadWholeFile(const std::wstring& path, std::string& bytes);

// Why reading or writing `path` failed, in the program's words where the
// system's are wrong or missing (too large, read-only, the folder gone),
// else the system's text.
std::wstring FileErrorText(DWORD error, const std::wstring& path);

// The system's text for an error code, without its line break.
std::wstring SystemErrorText(DWORD error);
