// The subclass of the main window's direct children: help lines, the
// report of foreign WM_SETTEXT to the shown-text cache, and the numeric
// fields' whole-text selection on a click. Owns the record of the
// subclassed children's own procedures.
//
// The children are subclassed by hand rather than with the common controls'
// SetWindowSubclass: that keeps its record in a window property and looks it
// up twice for every message (in its own procedure and in DefSubclassProc),
// which under Wine is a round trip to the window server each time: with it
// the start-up took 3 to 4 times as long, and so did reading the form.
#include "ui/help_lines.h"

#include "ui/form_layout.h"
#include "ui/shown_texts.h"
#include "ui/status_bar.h"

namespace {

// The window property that holds a subclassed control's own procedure.
constexpr wchar_t OwnProcProperty[] = L"DefWndProc";
constexpr int HelpTextCapacity = 256;

// The subclassed controls and their own procedures. The window property is
// the record of the subclassing; this table answers the same question
// without a property lookup, which MainWindowChildProc needs for every
// message.
struct SubclassedControl {
  HWND control;
  WNDPROC own;
};
constexpr int SubclassedCapacity = 256;
struct SubclassedChildren {
  SubclassedControl entries[SubclassedCapacity];
};
SubclassedChildren Subclassed = {};

void RememberOwnProc(HWND control, WNDPROC own) {
  SubclassedControl* slot = nullptr;
  for (SubclassedControl& entry : Subclassed.entries) {
    if (entry.control == control) {
      slot = &entry;
      break;
    }
    if (entry.control == nullptr && slot == nullptr) slot = &entry;
  }
  // A full table only costs speed: OwnProcOf falls back to the property.
  if (slot == nullptr) return;
  slot->control = control;
  slot->own = own;
}

void ForgetOwnProc(HWND control) {
  for (SubclassedControl& entry : Subclassed.entries) {
    if (entry.control == control) {
      entry = {};
      return;
    }
  }
}

// The control's own procedure: from the table, else from its property.
WNDPROC OwnProcOf(HWND control) {
  for (const SubclassedControl& entry : Subclassed.entries)
    if (entry.control == control) return entry.own;
  return reinterpret_cast<WNDPROC>(GetPropW(control, OwnProcProperty));
}

// WM_DESTROY: the control gets its own procedure back, and the record of
// the subclassing goes.
void EndSubclass(HWND control, WNDPROC own) {
  RemovePropW(control, OwnProcProperty);
  ForgetOwnProc(control);
  if (own != nullptr)
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
}

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

LRESULT PassOn(WNDPROC own, HWND control, UINT message, WPARAM wParam,
               LPARAM lParam) {
  if (own == nullptr) return DefWindowProcW(control, message, wParam, lParam);
  return CallWindowProcW(own, control, message, wParam, lParam);
}

}  // namespace

BOOL CALLBACK SubclassMainWindowChild(HWND child, LPARAM mainWindow) {
  if (GetParent(child) != reinterpret_cast<HWND>(mainWindow)) return TRUE;
  LONG_PTR own = GetWindowLongPtrW(child, GWLP_WNDPROC);
  SetPropW(child, OwnProcProperty, reinterpret_cast<HANDLE>(own));
  RememberOwnProc(child, reinterpret_cast<WNDPROC>(own));
  SetWindowLongPtrW(child, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(MainWindowChildProc));
  return TRUE;
}

LRESULT CALLBACK MainWindowChildProc(HWND control, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  WNDPROC own = OwnProcOf(control);
  switch (message) {
    case WM_DESTROY:
      EndSubclass(control, own);
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
  return PassOn(own, control, message, wParam, lParam);
}
