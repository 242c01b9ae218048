// The main window: class registration, creation, the message loop, the
// start-up sequence, the status bar and shutdown.
#include "ui/frame.h"

#include <commctrl.h>

#include "data/gamedata_win32.h"
#include "res/resource.h"
#include "ui/common.h"
#include "ui/help_lines.h"
#include "ui/input_form.h"
#include "ui/menu_commands.h"
#include "ui/recalc.h"

HWND StatusBar = nullptr;
int StatusPartEdges[3] = {0, 0, 0};
wchar_t ModulePath[ModulePathCapacity] = L"";
HWND HiddenPowerWindow = nullptr;

namespace {

// Status part 0 ends this far from the window's right edge, part 1 this far.
constexpr int HelpPartMargin = 260;
constexpr int ModePartMargin = 150;

HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

void InitCommonControlClasses() {
  InitCommonControls();
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);  // 8
  classes.dwICC = ICC_UPDOWN_CLASS;  // 0x10
  InitCommonControlsEx(&classes);
}

void StoreModulePath() {
  DWORD length = GetModuleFileNameW(nullptr, ModulePath, ModulePathCapacity);
  // A path longer than the buffer comes back cut; keep it terminated.
  if (length >= static_cast<DWORD>(ModulePathCapacity))
    ModulePath[ModulePathCapacity - 1] = L'\0';
}

// Creates the status bar and grows the window by its height and the menu
// bar's, which the template's size does not cover; returns the outer width.
int CreateStatusBar(HWND window) {
  StatusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, L"",
                                  window, IDC_STATUS_BAR);
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

// WM_INITDIALOG: the whole start-up sequence of the main window.
LRESULT OnInitMainWindow(HWND window) {
  HINSTANCE instance = InstanceOf(window);
  InitCommonControlClasses();
  StoreModulePath();
  if (!LoadGameData(instance)) {
    ShowMessage(window, L"ポケモンデータを読み込めませんでした。",
                MB_ICONERROR);
    SendMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  InitInputFormLists(window);
  int width = CreateStatusBar(window);
  SetStatusParts(width);
  InitInputFormControls(window);
  EnumChildWindows(window, SubclassHelpControl,
                   reinterpret_cast<LPARAM>(window));
  SendMessageW(window, WM_COMMAND, IDM_MODE_GEN6, 0);
  SendMessageW(window, WM_COMMAND, IDM_SORT_KANA, 0);
  SetFocus(GetDlgItem(window, IDC_SPECIES));
  return 0;
}

// WM_CLOSE: empty both name fields first, so that their check on losing the
// focus stays silent while the window is torn down.
void OnCloseMainWindow(HWND window) {
  SetDlgItemTextW(window, IDC_SPECIES, L"");
  SetDlgItemTextW(window, IDC_NATURE, L"");
  DestroyWindow(window);
}

void OnDestroyMainWindow() {
  StatusBar = nullptr;
  PostQuitMessage(0);
}

// WM_MENUSELECT: the help line of the highlighted command; submenus and the
// closing menu have no string and empty the line.
void ShowMenuHelp(HWND window, UINT id) {
  wchar_t text[256] = L"";
  if (LoadStringW(InstanceOf(window), id, text, 256) <= 0) text[0] = L'\0';
  SetStatusText(StatusPartHelp, text);
}

// WM_NEXTDLGCTL, which IsDialogMessageW sends for Tab and Shift+Tab: the
// default window procedure ignores it, so the focus is moved here as the
// dialog manager's own procedure would move it.
void MoveDialogFocus(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) != 0
                    ? reinterpret_cast<HWND>(wParam)
                    : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
  if (target == nullptr) return;
  SetFocus(target);
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(target, EM_SETSEL, 0, -1);
}

}  // namespace

ATOM RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWndProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_TESSAVAR_ICON), IMAGE_ICON, 0,
                 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hCursor = static_cast<HCURSOR>(LoadImageW(
      nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN_MENU);
  windowClass.lpszClassName = MainWindowClassName;
  return RegisterClassW(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance) {
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_WINDOW),
                            nullptr, reinterpret_cast<DLGPROC>(MainWndProc), 0);
}

int RunMessageLoop(HWND mainWindow) {
  MSG message{};
  for (;;) {
    BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0 || result == -1) break;
    if (IsDialogMessageW(mainWindow, &message)) continue;
    if (HiddenPowerWindow != nullptr &&
        IsDialogMessageW(HiddenPowerWindow, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void SetStatusText(int part, const wchar_t* text) {
  SendMessageW(StatusBar, SB_SETTEXTW, static_cast<WPARAM>(part & 0xFF),
               reinterpret_cast<LPARAM>(text));
}

void RequestRecalc(HWND window) { SendMessageW(window, WM_RECALC, 0, 0); }

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitMainWindow(window);
    case WM_DESTROY:
      OnDestroyMainWindow();
      return 0;
    case WM_SIZE:
      if (StatusBar != nullptr)
        SendMessageW(StatusBar, WM_SIZE, wParam, lParam);
      return 0;
    case WM_CLOSE:
      OnCloseMainWindow(window);
      return 0;
    case WM_MENUSELECT:
      ShowMenuHelp(window, LOWORD(wParam));
      return 0;
    case WM_MOUSEMOVE:
      SetStatusText(StatusPartHelp, L"");
      return 0;
    case WM_COMMAND:
      if (HandleMenuCommand(window, LOWORD(wParam))) return 0;
      if (HandleFormCommand(window, LOWORD(wParam), HIWORD(wParam))) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header != nullptr && header->idFrom == IDC_STATUS_LIST)
        return HandleStatusListNotify(window, message, wParam, lParam);
      break;
    }
    case WM_RECALC:
      RecalculateResults(window);
      return 0;
    case WM_NEXTDLGCTL:
      MoveDialogFocus(window, wParam, lParam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
