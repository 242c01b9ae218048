// Whole-file reads and writes. A write goes to a temporary file beside the
// target, is flushed to the disk and only then replaces the target, so the
// target always holds either its old or its new content, never a part.
#pragma once

#include <windows.h>

#include <string>

// The largest file read: far beyond a full status list.
constexpr DWORD FileSizeLimit = 4u << 20;

// Writes `bytes` to `path`; on failure returns the system error code and
// leaves `path` as it was (no temporary file stays behind).
DWORD WriteFileSafely(const std::wstring& path, const std::string& bytes);

// Reads all of `path` into `bytes`; ERROR_FILE_TOO_LARGE past FileSizeLimit.
DWORD ReadWholeFile(const std::wstring& path, std::string& bytes);

// The system's text for an error code, without its line break.
std::wstring SystemErrorText(DWORD error);
