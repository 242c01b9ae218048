// Small helpers of the main window's modules: the program path, message
// boxes and reading window texts. Owns ModulePath.
#include "ui/common.h"

wchar_t ModulePath[ModulePathCapacity] = L"";

void StoreModulePath() {
  DWORD length = GetModuleFileNameW(nullptr, ModulePath, ModulePathCapacity);
  if (length >= static_cast<DWORD>(ModulePathCapacity))
    ModulePath[ModulePathCapacity - 1] = L'\0';
}

void ShowMessage(HWND owner, const wchar_t* text, UINT icon) {
  MessageBoxW(owner, text, AppTitle, MB_OK | icon);
}

void ReadWindowText(HWND window, wchar_t* buffer, int capacity) {
  if (capacity <= 0) return;
  buffer[0] = L'\0';
  if (window == nullptr) return;
  GetWindowTextW(window, buffer, capacity);
  buffer[capacity - 1] = L'\0';
}
