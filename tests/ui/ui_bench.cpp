// Times the main window's start-up work (from WM_INITDIALOG until the
// handler returns with the focus on the species box) and one recalculation
// with 100 rows in the status list, with QueryPerformanceCounter.
#include <windows.h>
// The common controls need the definitions of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "res/resource.h"
#include "ui/frame.h"

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

void SetField(HWND window, int id, const wchar_t* text) {
  SetDlgItemTextW(window, id, text);
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
  const int fields[13] = {IDC_LEVEL,        IDC_HP_STAT,    IDC_ATTACK_STAT,
                          IDC_DEFENSE_STAT, IDC_SPATK_STAT, IDC_SPDEF_STAT,
                          IDC_SPEED_STAT,   IDC_HP_EV,      IDC_ATTACK_EV,
                          IDC_DEFENSE_EV,   IDC_SPATK_EV,   IDC_SPDEF_EV,
                          IDC_SPEED_EV};
  const wchar_t* rows[2][13] = {{L"50", L"120", L"75", L"69", L"76", L"85",
                                 L"65", L"0", L"0", L"0", L"0", L"0", L"0"},
                                {L"100", L"231", L"147", L"134", L"149", L"166",
                                 L"126", L"0", L"0", L"0", L"0", L"0", L"0"}};
  for (int row = 0; row < 100; ++row) {
    for (int k = 0; k < 13; ++k) SetField(window, fields[k], rows[row % 2][k]);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_ADD_ROW, BN_CLICKED), 0);
  }
  int count = static_cast<int>(
      SendDlgItemMessageW(window, IDC_STATUS_LIST, LVM_GETITEMCOUNT, 0, 0));
  std::vector<double> recalcs;
  for (int run = 0; run < 201; ++run) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    SendMessageW(window, WM_RECALC, 0, 0);
    QueryPerformanceCounter(&to);
    recalcs.push_back(Milliseconds(from, to));
  }
  // A sort-order command refills the list; a mode command also recalculates
  // with the 100 rows.
  std::vector<double> sorts, modes;
  for (int run = 0; run < 21; ++run) {
    LARGE_INTEGER a, b, c;
    QueryPerformanceCounter(&a);
    SendMessageW(window, WM_COMMAND, IDM_SORT_KANA, 0);
    QueryPerformanceCounter(&b);
    SendMessageW(window, WM_COMMAND, IDM_MODE_GEN6, 0);
    QueryPerformanceCounter(&c);
    sorts.push_back(Milliseconds(a, b));
    modes.push_back(Milliseconds(b, c));
  }
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
      "recalculation with %d rows: median %.3f ms, max %.3f ms over %zu runs\n",
      count, Median(recalcs), *std::max_element(recalcs.begin(), recalcs.end()),
      recalcs.size());
  std::printf(
      "sort-order command: %.2f ms; mode command with %d rows: %.2f ms\n",
      Median(sorts), count, Median(modes));
  std::printf("HP result after the runs: \"%ls\"\n", hp);
  return count == 100 && hp[0] != 0 ? 0 : 1;
}
