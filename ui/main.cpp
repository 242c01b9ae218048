// Process entry of Tessavar.
#include <windows.h>
// The shell's declarations need the definitions of windows.h.
#include <shellapi.h>

#include "tools/tools.h"
#include "ui/file_commands.h"
#include "ui/frame.h"

namespace {

// A file named on the command line opens once the window has started as
// always.
void OpenCommandLineFile(HWND window) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return;
  if (count >= 2 && arguments[1][0] != L'\0')
    OpenDocumentFile(window, arguments[1]);
  LocalFree(arguments);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/,
                   LPSTR /*commandLine*/, int showCommand) {
  if (RegisterMainWindowClass(instance) == 0) return -1;
  HWND window = CreateMainWindow(instance);
  if (window == nullptr) return -1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  OpenCommandLineFile(window);
  int exitCode = RunMessageLoop(window);
  if (HiddenPowerWindow != nullptr) DestroyWindow(HiddenPowerWindow);
  return exitCode;
}
