// The help viewer launch: finds and loads the HTML Help control on the first
// help command and forwards every request to its HtmlHelpW entry point. Owns
// the loaded control (`Control`).
#include "tools/tools.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

// Class registration of the HTML Help control's in-process server.
constexpr char HelpControlKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char HelpControlFallback[] = "hhctrl.ocx";
constexpr WORD HtmlHelpOrdinal = 15;

// The HTML Help control, loaded once and kept for the whole run; `failed`
// stops every later attempt once loading the control or finding its entry
// point failed.
struct LoadedHelpControl {
  HMODULE module = nullptr;
  HtmlHelpFunction entry = nullptr;
  bool failed = false;
};
LoadedHelpControl Control;

// The default value of the opened registration key as a path in `dest`.
bool ReadHelpControlValue(HKEY key, char* dest) {
  char value[HelpPathCapacity] = {};
  DWORD type = REG_SZ;
  DWORD size = sizeof value;
  if (RegQueryValueExA(key, nullptr, nullptr, &type,
                       reinterpret_cast<BYTE*>(value),
                       &size) != ERROR_SUCCESS) {
    return false;
  }
  // A value filling the whole buffer without a terminator is a path cut
  // short; loading it would load the wrong file or nothing.
  if (size >= HelpPathCapacity && value[HelpPathCapacity - 1] != 0) {
    return false;
  }
  value[HelpPathCapacity - 1] = 0;
  if (type == REG_EXPAND_SZ) {
    DWORD needed = ExpandEnvironmentStringsA(value, dest, HelpPathCapacity);
    return needed >= 1 && needed <= HelpPathCapacity;
  }
  // Anything but text (numbers, binary data) is no path.
  if (type != REG_SZ) return false;
  return BoundedCopy(dest, HelpPathCapacity, value) == BoundedCopyOk;
}

// The registered control first; a path that does not load falls back to the
// bare name, found through the system's library search.
HMODULE LoadHelpControl() {
  HMODULE module = nullptr;
  char path[HelpPathCapacity];
  if (FindHelpControlPath(path)) module = LoadLibraryExA(path, nullptr, 0);
  if (module == nullptr) {
    module = LoadLibraryExA(HelpControlFallback, nullptr, 0);
  }
  return module;
}

HtmlHelpFunction FindHtmlHelp(HMODULE module) {
  FARPROC entry = GetProcAddress(module, MAKEINTRESOURCEA(HtmlHelpOrdinal));
  return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(entry));
}

}  // namespace

HRESULT BoundedCopy(char* dest, std::size_t size, const char* source) {
  if (size == 0) return BoundedCopyInvalidSize;
  if (size > BoundedCopyMaxSize) {
    dest[0] = 0;
    return BoundedCopyInvalidSize;
  }
  std::size_t count = 0;
  while (count < size - 1 && source[count] != 0) {
    dest[count] = source[count];
    ++count;
  }
  dest[count] = 0;
  return source[count] == 0 ? BoundedCopyOk : BoundedCopyCut;
}

bool FindHelpControlPath(char* dest) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, HelpControlKey, 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool found = ReadHelpControlValue(key, dest);
  RegCloseKey(key);
  return found;
}

HWND ShowHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
  if (Control.failed) return nullptr;
  if (Control.module == nullptr) {
    Control.module = LoadHelpControl();
    if (Control.module == nullptr) {
      Control.failed = true;
      return nullptr;
    }
  }
  if (Control.entry == nullptr) {
    Control.entry = FindHtmlHelp(Control.module);
    if (Control.entry == nullptr) {
      Control.failed = true;
      return nullptr;
    }
  }
  return Control.entry(caller, file, command, data);
}

void ResetHelpLaunchForTesting() {
  if (Control.module != nullptr) FreeLibrary(Control.module);
  Control.module = nullptr;
  Control.entry = nullptr;
  Control.failed = false;
}
