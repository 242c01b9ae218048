// Times the main window's start-up work (from WM_INITDIALOG until the
// handler returns with the focus on the species box) and, in one window,
// recalculations whose results change with 1 and with 100 rows in the status
// list, one whose results stay and mode commands into generations 9 and 6,
// with QueryPerformanceCounter.
#include <windows.h>
// The common controls need the definitions of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "res/resource.h"
#include "ui/file_commands.h"
#include "ui/frame.h"
#include "worked_examples.h"

namespace {

LARGE_INTEGER initStart;
LARGE_INTEGER initEnd;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The main window class with its procedure wrapped: WM_INITDIALOG is timed
// around the real handler, every other message goes straight through.
LRESULT CALLBACK TimedMainWndProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  if (message != WM_INITDIALOG)
    return MainWndProc(window, message, wParam, lParam);
  QueryPerformanceCounter(&initStart);
  LRESULT result = MainWndProc(window, message, wParam, lParam);
  QueryPerformanceCounter(&initEnd);
  return result;
}

bool WrapMainWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(instance, MainWindowClassName, &windowClass)) return false;
  UnregisterClassW(MainWindowClassName, instance);
  windowClass.lpfnWndProc = TimedMainWndProc;
  return RegisterClassW(&windowClass) != 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void CloseMain(HWND window) {
  SendMessageW(window, WM_CLOSE, 0, 0);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (RegisterMainWindowClass(instance) == 0) return 1;
  if (!WrapMainWindowClass(instance)) return 1;
  std::vector<double> startUps;
  std::vector<double> creations;
  for (int run = 0; run < 21; ++run) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    HWND window = CreateMainWindow(instance);
    QueryPerformanceCounter(&to);
    if (window == nullptr) return 1;
    startUps.push_back(Milliseconds(initStart, initEnd));
    creations.push_back(Milliseconds(from, to));
    CloseMain(window);
  }

  HWND window = CreateMainWindow(instance);
  SetDlgItemTextW(window, IDC_SPECIES, L"フシギダネ");
  SetDlgItemTextW(window, IDC_NATURE, L"いじっぱり");
  const std::vector<std::wstring>* rows[2] = {&BulbasaurAt50, &BulbasaurAt100};
  auto addRow = [&](int row) {
    for (int k = 0; k < 13; ++k)
      SetDlgItemTextW(window, NumericFieldIds[k], (*rows[row % 2])[k].c_str());
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_ADD_ROW, BN_CLICKED), 0);
  };
  // Each timed recalculation follows a change of the nature between
  // いじっぱり and none, so that the results go from shown to empty and back
  // with 1 row as with 100; the unchanged one follows no change.
  auto timeRecalcs = [&](bool changing) {
    std::vector<double> times;
    for (int run = 0; run < 201; ++run) {
      if (changing)
        SetDlgItemTextW(window, IDC_NATURE, run % 2 == 0 ? L"いじっぱり" : L"");
      LARGE_INTEGER from, to;
      QueryPerformanceCounter(&from);
      SendMessageW(window, WM_RECALC, 0, 0);
      QueryPerformanceCounter(&to);
      times.push_back(Milliseconds(from, to));
    }
    return Median(times);
  };
  addRow(0);
  double oneRow = timeRecalcs(true);
  for (int row = 1; row < 100; ++row) addRow(row);
  double hundredRows = timeRecalcs(true);
  double unchanged = timeRecalcs(false);
  // The part of each recalculation that looks for a change of the input
  // (caption mark and autosave).
  std::vector<double> checks;
  for (int run = 0; run < 201; ++run) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    FormInputs inputs{};
    ReadFormInputs(window, inputs);
    NoteInputChanged(window, inputs);
    QueryPerformanceCounter(&to);
    checks.push_back(Milliseconds(from, to));
  }
  int count = static_cast<int>(
      SendDlgItemMessageW(window, IDC_STATUS_LIST, LVM_GETITEMCOUNT, 0, 0));
  // Times command `first` then command `second`, `runs` times.
  auto timeCommands = [&](int first, int second, int runs,
                          std::vector<double>& firsts,
                          std::vector<double>& seconds) {
    for (int run = 0; run < runs; ++run) {
      LARGE_INTEGER a, b, c;
      QueryPerformanceCounter(&a);
      SendMessageW(window, WM_COMMAND, first, 0);
      QueryPerformanceCounter(&b);
      SendMessageW(window, WM_COMMAND, second, 0);
      QueryPerformanceCounter(&c);
      firsts.push_back(Milliseconds(a, b));
      seconds.push_back(Milliseconds(b, c));
    }
  };
  // A sort-order command refills the list; a mode command also recalculates
  // with the 100 rows.
  std::vector<double> sorts, modes;
  timeCommands(IDM_SORT_KANA, IDM_MODE_GEN6, 21, sorts, modes);
  // Mode commands into generation 9 (the longest list) and back into 6,
  // compared by the least of 101 runs each: other work on the machine only
  // adds to a run, and sways the medians of two close costs by more than
  // their difference.
  std::vector<double> intoNine, intoSix;
  timeCommands(IDM_MODE_GEN9, IDM_MODE_GEN6, 101, intoNine, intoSix);
  double nine = *std::min_element(intoNine.begin(), intoNine.end());
  double six = *std::min_element(intoSix.begin(), intoSix.end());
  wchar_t hp[16] = L"";
  GetDlgItemTextW(window, IDC_HP_IV, hp, 16);
  CloseMain(window);

  std::printf(
      "start-up work (WM_INITDIALOG): median %.2f ms, first %.2f ms, max %.2f "
      "ms over %zu runs\n",
      Median(startUps), startUps[0],
      *std::max_element(startUps.begin(), startUps.end()), startUps.size());
  std::printf("whole window creation (controls and start-up): median %.2f ms\n",
              Median(creations));
  std::printf(
      "recalculation, results changing: 1 row %.3f ms, %d rows %.3f ms "
      "(%.2fx, budget 1.5x); results unchanged with %d rows %.3f ms (%.2f of "
      "a changing one, budget 0.20); medians of 201 runs\n",
      oneRow, count, hundredRows, hundredRows / oneRow, count, unchanged,
      unchanged / hundredRows);
  std::printf("of which the input's change check with %d rows: %.3f ms\n",
              count, Median(checks));
  std::printf(
      "sort-order command: %.2f ms; mode command with %d rows: %.2f ms\n",
      Median(sorts), count, Median(modes));
  std::printf(
      "mode command into generation 9: %.2f ms, into 6: %.2f ms (%.2fx, "
      "budget 1.5x); least of 101 runs (medians %.2f and %.2f ms)\n",
      nine, six, nine / six, Median(intoNine), Median(intoSix));
  std::printf("HP result after the runs: \"%ls\"\n", hp);
  bool withinBudget = hundredRows <= 1.5 * oneRow &&
                      unchanged <= 0.2 * hundredRows && nine <= 1.5 * six;
  std::printf("%s\n", withinBudget ? "within budget" : "OVER BUDGET");
  return count == 100 && hp[0] != 0 && withinBudget ? 0 : 1;
}
