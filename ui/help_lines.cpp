// The subclass of the main window's direct children: help lines, the
// report of foreign WM_SETTEXT to the shown-text cache, and the numeric
// fields' whole-text selection on a click. It owns no state: the common
// controls keep each child's subclass record.
#include "ui/help_lines.h"

#include "ui/form_layout.h"
#include "ui/shown_texts.h"
#include "ui/status_bar.h"

namespace {

constexpr int HelpTextCapacity = 256;

// The help line: the string whose ID is the control ID, or "" where there
// is none.
void ShowControlHelp(HWND control, int id) {
  wchar_t text[HelpTextCapacity] = L"";
  auto instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(control, GWLP_HINSTANCE));
  if (id <= 0 || id > 0xFFFF ||
      LoadStringW(instance, static_cast<UINT>(id), text, HelpTextCapacity) <= 0)
    text[0] = L'\0';
  SetStatusText(StatusPartHelp, text);
}

// A click into a numeric field focuses it and selects its whole text.
// Returns whether the click was taken here, so that it is not passed on and
// never places the caret.
bool SelectWholeFieldOnClick(HWND control, int id) {
  if (SpinOfNumericField(id) == 0) return false;
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
  return true;
}

}  // namespace

BOOL CALLBACK SubclassMainWindowChild(HWND child, LPARAM mainWindow) {
  if (GetParent(child) == reinterpret_cast<HWND>(mainWindow))
    SetWindowSubclass(child, MainWindowChildProc, MainWindowChildSubclassId, 0);
  return TRUE;
}

LRESULT CALLBACK MainWindowChildProc(HWND control, UINT message, WPARAM wParam,
                                     LPARAM lParam, UINT_PTR subclassId,
                                     DWORD_PTR) {
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, MainWindowChildProc, subclassId);
      break;
    case WM_MOUSEMOVE:
      ShowControlHelp(control, GetDlgCtrlID(control));
      break;
    case WM_SETTEXT:
      // A result field written by anything but the recalculation.
      ForgetShownText(GetDlgCtrlID(control));
      break;
    case WM_LBUTTONDOWN:
      if (SelectWholeFieldOnClick(control, GetDlgCtrlID(control))) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}
