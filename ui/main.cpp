// Process entry of Tessavar.
#include <windows.h>

#include "tools/tools.h"
#include "ui/frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/,
                   LPSTR /*commandLine*/, int showCommand) {
  if (RegisterMainWindowClass(instance) == 0) return -1;
  HWND window = CreateMainWindow(instance);
  if (window == nullptr) return -1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  int exitCode = RunMessageLoop(window);
  if (HiddenPowerWindow != nullptr) DestroyWindow(HiddenPowerWindow);
  return exitCode;
}
