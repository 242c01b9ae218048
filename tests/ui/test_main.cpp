// Runs the main window's UI tests: the window class is registered once, as
// the program does at start, and a watcher closes every message box.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/frame.h"
#include "ui_test_support.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (RegisterMainWindowClass(GetModuleHandleW(nullptr)) == 0) {
    fprintf(stderr, "cannot register the main window class\n");
    return 1;
  }
  InstallDialogWatcher();
  ClearRememberedSettings();
  return RUN_ALL_TESTS();
}
