// The status bar: creation, the window growth it needs, its parts and texts,
// and all of these again when the window's DPI changes. Owns the bar's
// handle and the look made for it (part edges and font).
#include "ui/status_bar.h"

#include <commctrl.h>

#include "res/resource.h"
#include "tools/dpi.h"

HWND StatusBar = nullptr;

namespace {

// At 96 DPI part 0 ends this far from the window's right edge, part 1 this
// far; both follow the window's DPI.
constexpr int HelpPartMargin = 260;
constexpr int ModePartMargin = 150;

// What the bar is given for the window's DPI, at start-up and on a DPI
// change: the right edges of its three parts, and its font (the bar's own
// default is made for the system DPI only).
struct StatusBarLook {
  int partEdges[3];
  HFONT font;
};
StatusBarLook Look = {};

void UseStatusFontFor(UINT dpi) {
  HFONT previous = Look.font;
  Look.font = CreateStatusFontForDpi(dpi);
  SendMessageW(StatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(Look.font),
               TRUE);
  // Docks again at once, with the height of the new font.
  SendMessageW(StatusBar, WM_SIZE, 0, 0);
  if (previous != nullptr) DeleteObject(previous);
}

int HeightOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

// Grows the window to hold the bar and the menu; returns the outer width.
int GrowForBars(HWND window, UINT dpi) {
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  int width = windowRect.right - windowRect.left;
  int height = (windowRect.bottom - windowRect.top) + HeightOf(StatusBar) +
               SystemMetricForDpi(SM_CYMENU, dpi);
  SetWindowPos(window, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  return width;
}

void SetStatusParts(int windowWidth, UINT dpi) {
  Look.partEdges[0] = windowWidth - ScaleToDpi(HelpPartMargin, dpi);
  Look.partEdges[1] = windowWidth - ScaleToDpi(ModePartMargin, dpi);
  Look.partEdges[2] = -1;
  SendMessageW(StatusBar, SB_SETPARTS, 3,
               reinterpret_cast<LPARAM>(Look.partEdges));
}

}  // namespace

void CreateStatusBar(HWND window) {
  StatusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, L"",
                                  window, IDC_STATUS_BAR);
  UINT dpi = WindowDpi(window);
  UseStatusFontFor(dpi);
  SetStatusParts(GrowForBars(window, dpi), dpi);
}

void FitStatusBarToDpi(HWND window, UINT dpi, const RECT& suggested,
                       SIZE content) {
  UseStatusFontFor(dpi);
  // Take the suggested place first: the menu bar and the frame get their
  // sizes for the new DPI, and the bar docks with its new height.
  SetWindowPos(window, nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT windowRect{};
  RECT client{};
  GetWindowRect(window, &windowRect);
  GetClientRect(window, &client);
  int width = content.cx + (windowRect.right - windowRect.left) - client.right;
  int height = content.cy + HeightOf(StatusBar) +
               (windowRect.bottom - windowRect.top) - client.bottom;
  SetWindowPos(window, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetStatusParts(width, dpi);
}

void ReleaseStatusBarFont() {
  if (Look.font != nullptr) DeleteObject(Look.font);
  Look.font = nullptr;
}

void SetStatusText(int part, const wchar_t* text) {
  SendMessageW(StatusBar, SB_SETTEXTW, static_cast<WPARAM>(part & 0xFF),
               reinterpret_cast<LPARAM>(text));
}
