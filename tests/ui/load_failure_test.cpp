// A program whose resources lack the game data: the main window reports it
// and closes itself during start-up.
#include <gtest/gtest.h>

#include "ui/frame.h"
#include "ui/settings.h"
#include "ui_test_support.h"

namespace {

TEST(LoadFailure, ErrorMessageThenTheWindowCloses) {
  // The previous run's settings outlive a failed start.
  HKEY key = nullptr;
  DWORD generation = 3;
  RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr);
  RegSetValueExW(key, GenerationValue, 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&generation),
                 sizeof(generation));
  HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  if (window != nullptr) {
    EXPECT_FALSE(IsWindow(window));
  }
  TakeMessageBox(L"ポケモンデータを読み込めませんでした。", IDI_ERROR);
  int exitCode = -1;
  EXPECT_TRUE(TakeQuitMessage(&exitCode));
  EXPECT_EQ(exitCode, 0);
  DWORD size = sizeof(generation);
  generation = 0;
  RegQueryValueExW(key, GenerationValue, nullptr, nullptr,
                   reinterpret_cast<BYTE*>(&generation), &size);
  EXPECT_EQ(generation, 3u);
  RegCloseKey(key);
  ClearRememberedSettings();
}

}  // namespace
