// Drives the real main window the way a player's actions do and reads back
// what the window shows.
#pragma once

#include <windows.h>
// The common controls need the definitions of windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../tools/tools_test_support.h"
#include "res/resource.h"
#include "worked_examples.h"

// A message box (or other dialog) that appeared during a test and was
// dismissed by the test program.
struct SeenDialog {
  std::wstring caption;
  std::wstring text;
  HWND owner;
  bool hasCancel;
  HICON icon;
};

// Watches the thread for dialogs of the program: message boxes titled
// "Tessavar" and the about box are recorded and closed with OK so that no
// test ever waits for a person.
void InstallDialogWatcher();
// The dialogs seen since the last call, in order; forgets them.
std::vector<SeenDialog> TakeSeenDialogs();
// Expects exactly one dialog since the last take, a message box titled
// "Tessavar" with `text`, the system icon `icon` and no Cancel button;
// returns it (an empty one if there was none).
SeenDialog TakeMessageBox(const std::wstring& text, const wchar_t* icon);
// Has `inspect` (null: nothing) look at each dialog the watcher is about to
// close, while the dialog is still up.
void SetDialogInspector(void (*inspect)(HWND dialog));

// Dispatches whatever waits in the thread's queue but leaves a WM_QUIT there
// for TakeQuitMessage (PumpMessages drops it).
void PumpMessagesKeepingQuit();

std::wstring ClassName(HWND window);

// The range of an up-down control: lowest, highest.
std::pair<int, int> SpinRange(HWND spin);

// Deletes the remembered settings. Every test starts and ends without them,
// so no test's choices reach another test's or the program's start-up.
// (Wine's RegOverridePredefKey cannot hold the program's key below a test
// key: creating it fails with ERROR_CHILD_MUST_BE_VOLATILE.)
void ClearRememberedSettings();

// The main window as the program creates it, destroyed after each test.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::wstring Text(int id) const { return WindowText(Item(id)); }
  std::wstring StatusText(int part) const;
  // The edit field inside an editable combo box.
  HWND ComboEdit(int id) const;

  // Focus moves into the control (into an editable combo box's edit field).
  void Focus(int id);
  // Focus moves on to a control that reacts to nothing.
  void LeaveField();
  // Types characters into the focused field, one WM_CHAR each.
  void Type(const std::wstring& text);
  // Focus into a numeric field, select all, paste `text`, leave the field.
  void EnterNumber(int id, const std::wstring& text);
  // Focus into a name field, replace its text by typing, stay in the field.
  void TypeName(int id, const std::wstring& text);
  // A choice from a list: the selection moves and the list notifies.
  void Choose(int id, int index);
  void ChooseText(int id, const std::wstring& text);
  // A mouse click on a button or check box.
  void Click(int id);
  // A menu command chosen by the player.
  void Command(int command);

  // Fills level, stats and effort values (each as typed and left) and
  // presses Add.
  void AddRow(const std::vector<std::wstring>& thirteenValues);
  // The README's quick start: フシギダネ, いじっぱり, the rows at levels 50
  // and 100 (every IV pinned to 31); its names alone.
  void FillQuickStartExample();
  void NameQuickStartExample();
  int RowCount() const;
  std::wstring Cell(int row, int column) const;
  std::vector<int> SelectedRows() const;
  void SelectRows(const std::vector<int>& rows);
  void FocusRow(int row);
  void DoubleClickRow(int row);
  // A file dragged from the shell and dropped on the window.
  void DropFile(const std::wstring& path);

  std::vector<std::wstring> ComboItems(int id) const;
  bool MenuChecked(int command) const;

  HWND window_ = nullptr;
};
