// The main window: class registration, creation, the start-up sequence, the
// message loop and shutdown. Owns whether the main window's start-up
// finished.
#include "ui/frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>
#include <utility>

#include "data/gamedata_win32.h"
#include "document/observation.h"
#include "res/resource.h"
#include "tools/dpi.h"
#include "tools/tools.h"
#include "ui/autosave.h"
#include "ui/common.h"
#include "ui/file_commands.h"
#include "ui/help_lines.h"
#include "ui/input_form.h"
#include "ui/menu_commands.h"
#include "ui/recalc.h"
#include "ui/settings.h"
#include "ui/shown_texts.h"

namespace {

void InitCommonControlClasses() {
  InitCommonControls();
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);  // 8
  classes.dwICC = ICC_UPDOWN_CLASS;  // 0x10
  InitCommonControlsEx(&classes);
}

// Gives the window its caption and task bar icons and destroys the ones they
// replace (the program's own, from an earlier call).
void ReplaceWindowIcons(HWND window, HICON big, HICON smallIcon) {
  for (auto [kind, icon] : {std::pair<WPARAM, HICON>{ICON_BIG, big},
                            std::pair<WPARAM, HICON>{ICON_SMALL, smallIcon}}) {
    auto previous = reinterpret_cast<HICON>(
        SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon)));
    if (previous != nullptr) DestroyIcon(previous);
  }
}

// The icons in the sizes of the window's DPI; the class icon has the size of
// the system DPI only.
void SetWindowIconsForDpi(HWND window, UINT dpi) {
  HINSTANCE instance = InstanceOf(window);
  ReplaceWindowIcons(window,
                     LoadIconForDpi(instance, IDI_TESSAVAR_ICON, false, dpi),
                     LoadIconForDpi(instance, IDI_TESSAVAR_ICON, true, dpi));
}

// Where the main window is in its life. A window that closes during a
// failed start-up keeps neither its input nor its settings, so the previous
// run's stay.
struct MainWindowLife {
  bool startUpFinished;
};
MainWindowLife Life = {};

// WM_INITDIALOG: the whole start-up sequence of the main window.
LRESULT OnInitMainWindow(HWND window) {
  Life.startUpFinished = false;
  HINSTANCE instance = InstanceOf(window);
  InitCommonControlClasses();
  StoreModulePath();
  if (!LoadGameData(instance)) {
    ShowMessage(window, L"ポケモンデータを読み込めませんでした。",
                MB_ICONERROR);
    SendMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  // Every main window starts with an empty status list.
  ClearObservations();
  ForgetShownTexts();
  SetWindowIconsForDpi(window, WindowDpi(window));
  InitInputFormLists(window);
  CreateStatusBar(window);
  InitInputFormControls(window);
  // The layout as the dialog manager made it for this DPI, from which a DPI
  // change lays the controls out anew.
  RecordChildLayout(window, WindowDpi(window));
  EnumChildWindows(window, SubclassMainWindowChild,
                   reinterpret_cast<LPARAM>(window));
  SendMessageW(window, WM_COMMAND, IDM_MODE_GEN6, 0);
  SendMessageW(window, WM_COMMAND, IDM_SORT_KANA, 0);
  // The player's remembered choices come on top of the fixed start-up.
  ApplyRememberedSettings(window);
  BeginDocumentTracking(window);
  DragAcceptFiles(window, TRUE);
  SetFocus(GetDlgItem(window, IDC_SPECIES));
  Life.startUpFinished = true;
  return 0;
}

// WM_RECALC: the form is read once for the results and for the check of
// whether the input changed (caption mark, autosave).
void OnRecalc(HWND window) {
  FormInputs inputs{};
  ReadFormInputs(window, inputs);
  RecalculateResultsOf(window, inputs);
  NoteInputChanged(window, inputs);
}

// WM_CLOSE: the input and the settings are kept first; then both name
// fields are emptied, so that their check on losing the focus stays silent
// while the window is torn down.
void OnCloseMainWindow(HWND window) {
  if (Life.startUpFinished) {
    WriteAutosaveNow(window);
    KeepAutosave();
    RememberSettings(window);
  }
  Life.startUpFinished = false;
  SetDlgItemTextW(window, IDC_SPECIES, L"");
  SetDlgItemTextW(window, IDC_NATURE, L"");
  DestroyWindow(window);
}

void OnDestroyMainWindow(HWND window) {
  StatusBar = nullptr;
  ReplaceWindowIcons(window, nullptr, nullptr);
  PostQuitMessage(0);
}

// WM_NCDESTROY: the controls are gone, so the fonts made for them can go.
void OnMainWindowGone(HWND window) {
  ForgetChildLayout(window);
  ReleaseStatusBarFont();
}

// WM_DPICHANGED: the window moved to a monitor of another scale, or the
// scale changed. The dialog manager lays out only dialogs it runs itself, so
// the template's controls and their font are scaled here, then the sizes the
// program sets in pixels: column widths, status bar, window size, icons.
void OnMainWindowDpiChanged(HWND window, UINT dpi, const RECT& suggested) {
  SIZE content = RescaleChildControls(window, dpi);
  SetStatusColumnWidths(window, dpi);
  FitStatusBarToDpi(window, dpi, suggested, content);
  SetWindowIconsForDpi(window, dpi);
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

// WM_COMMAND IDOK, which IsDialogMessageW sends for Enter when the window
// has no default button: Enter on a focused push button presses it, as the
// dialog manager does for a default one. Returns whether it pressed one.
bool PressFocusedPushButton(HWND window) {
  HWND focus = GetFocus();
  if (focus == nullptr || GetParent(focus) != window || !IsWindowEnabled(focus))
    return false;
  auto code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
  if ((code & DLGC_BUTTON) == 0 ||
      (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0)
    return false;
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
               reinterpret_cast<LPARAM>(focus));
  return true;
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

// The template names the window class "Tessavar", so every message of the
// main window, WM_INITDIALOG included, goes to the class's procedure
// MainWndProc; only DefDlgProcW would ever call a dialog procedure, and the
// main window does not use it. CreateDialogParamW still takes one: the cast
// hands it the window's one procedure.
HWND CreateMainWindow(HINSTANCE instance) {
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_WINDOW),
                            nullptr, reinterpret_cast<DLGPROC>(MainWndProc), 0);
}

int RunMessageLoop(HWND mainWindow) {
  HACCEL accelerators = LoadAcceleratorsW(
      InstanceOf(mainWindow), MAKEINTRESOURCEW(IDA_MAIN_ACCELERATORS));
  MSG message{};
  for (;;) {
    BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0 || result == -1) break;
    // The shortcut keys belong to the main window, not the tool window.
    if (accelerators != nullptr &&
        (message.hwnd == mainWindow || IsChild(mainWindow, message.hwnd)) &&
        TranslateAcceleratorW(mainWindow, accelerators, &message))
      continue;
    if (IsDialogMessageW(mainWindow, &message)) continue;
    if (HiddenPowerWindow != nullptr &&
        IsDialogMessageW(HiddenPowerWindow, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitMainWindow(window);
    case WM_DESTROY:
      OnDestroyMainWindow(window);
      return 0;
    case WM_NCDESTROY:
      OnMainWindowGone(window);
      break;
    case WM_DPICHANGED:
      OnMainWindowDpiChanged(window, LOWORD(wParam),
                             *reinterpret_cast<const RECT*>(lParam));
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
      if (LOWORD(wParam) == IDOK && PressFocusedPushButton(window)) return 0;
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
      OnRecalc(window);
      return 0;
    case WM_TIMER:
      if (wParam == AutosaveTimerId) WriteAutosaveNow(window);
      return 0;
    case WM_INITMENUPOPUP:
      FillRestoreMenu(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_DROPFILES:
      OpenDroppedFile(window, reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      MoveDialogFocus(window, wParam, lParam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
