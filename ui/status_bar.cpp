// The status bar: creation, the window growth it needs, its parts and texts.
#include "ui/status_bar.h"

#include <commctrl.h>

#include "res/resource.h"

HWND StatusBar = nullptr;

namespace {

// Part 0 ends this far from the window's right edge, part 1 this far.
constexpr int HelpPartMargin = 260;
constexpr int ModePartMargin = 150;

// Right edges of the three parts, fixed at start-up.
int StatusPartEdges[3] = {0, 0, 0};

// Grows the window to hold the bar and the menu; returns the outer width.
int GrowForBars(HWND window) {
  RECT windowRect{};
  RECT barRect{};
  GetWindowRect(window, &windowRect);
  GetWindowRect(StatusBar, &barRect);
  int width = windowRect.right - windowRect.left;
  int height = (windowRect.bottom - windowRect.top) +
               (barRect.bottom - barRect.top) + GetSystemMetrics(SM_CYMENU);
  SetWindowPos(window, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  return width;
}

void SetStatusParts(int windowWidth) {
  StatusPartEdges[0] = windowWidth - HelpPartMargin;
  StatusPartEdges[1] = windowWidth - ModePartMargin;
  StatusPartEdges[2] = -1;
  SendMessageW(StatusBar, SB_SETPARTS, 3,
               reinterpret_cast<LPARAM>(StatusPartEdges));
}

}  // namespace

void CreateStatusBar(HWND window) {
  StatusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, L"",
                                  window, IDC_STATUS_BAR);
  SetStatusParts(GrowForBars(window));
}

void SetStatusText(int part, const wchar_t* text) {
  SendMessageW(StatusBar, SB_SETTEXTW, static_cast<WPARAM>(part & 0xFF),
               reinterpret_cast<LPARAM>(text));
}
