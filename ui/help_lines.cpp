#include "ui/help_lines.h"

#include "ui/form_layout.h"
#include "ui/frame.h"

namespace {

// The window property that holds a subclassed control's own procedure.
constexpr wchar_t PreviousProcProperty[] = L"DefWndProc";
constexpr int HelpTextCapacity = 256;

// The string whose ID is the control ID, or "" where there is none.
void ShowControlHelp(HWND control, int id) {
  wchar_t text[HelpTextCapacity] = L"";
  auto instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(control, GWLP_HINSTANCE));
  if (id <= 0 || id > 0xFFFF ||
      LoadStringW(instance, static_cast<UINT>(id), text, HelpTextCapacity) <= 0)
    text[0] = L'\0';
  SetStatusText(StatusPartHelp, text);
}

// A click into a numeric field focuses it and selects its whole text; the
// click itself is not passed on, so it never places the caret.
void SelectWholeField(HWND control) {
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
}

LRESULT PassOn(WNDPROC previous, HWND control, UINT message, WPARAM wParam,
               LPARAM lParam) {
  if (previous == nullptr)
    return DefWindowProcW(control, message, wParam, lParam);
  return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace

BOOL CALLBACK SubclassHelpControl(HWND child, LPARAM mainWindow) {
  if (GetParent(child) != reinterpret_cast<HWND>(mainWindow)) return TRUE;
  LONG_PTR previous = GetWindowLongPtrW(child, GWLP_WNDPROC);
  SetPropW(child, PreviousProcProperty, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrW(child, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(ControlHelpProc));
  return TRUE;
}

LRESULT CALLBACK ControlHelpProc(HWND control, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  int id = GetDlgCtrlID(control);
  auto previous =
      reinterpret_cast<WNDPROC>(GetPropW(control, PreviousProcProperty));
  switch (message) {
    case WM_DESTROY:
      RemovePropW(control, PreviousProcProperty);
      if (previous != nullptr)
        SetWindowLongPtrW(control, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(previous));
      break;
    case WM_MOUSEMOVE:
      ShowControlHelp(control, id);
      break;
    case WM_LBUTTONDOWN:
      if (SpinOfNumericField(id) != 0) {
        SelectWholeField(control);
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(previous, control, message, wParam, lParam);
}
