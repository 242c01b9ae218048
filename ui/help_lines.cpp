// Help lines: subclassing the main window's children and showing the help
// string of the control under the pointer.
#include "ui/help_lines.h"

#include "ui/form_layout.h"
#include "ui/shown_texts.h"
#include "ui/status_bar.h"

namespace {

// The window property that holds a subclassed control's own procedure.
constexpr wchar_t PreviousProcProperty[] = L"DefWndProc";
constexpr int HelpTextCapacity = 256;

// The subclassed controls and their own procedures. The window property is
// the record of the subclassing; this table answers the same question
// without a property lookup, which ControlHelpProc needs for every message
// and which costs a round trip to the window server under Wine.
struct SubclassedControl {
  HWND control;
  WNDPROC previous;
};
constexpr int SubclassedCapacity = 256;
SubclassedControl Subclassed[SubclassedCapacity];

void RememberPrevious(HWND control, WNDPROC previous) {
  SubclassedControl* slot = nullptr;
  for (SubclassedControl& entry : Subclassed) {
    if (entry.control == control) {
      slot = &entry;
      break;
    }
    if (entry.control == nullptr && slot == nullptr) slot = &entry;
  }
  // A full table only costs speed: PreviousProc falls back to the property.
  if (slot == nullptr) return;
  slot->control = control;
  slot->previous = previous;
}

void ForgetPrevious(HWND control) {
  for (SubclassedControl& entry : Subclassed) {
    if (entry.control == control) {
      entry.control = nullptr;
      entry.previous = nullptr;
      return;
    }
  }
}

// The control's own procedure: from the table, else from its property.
WNDPROC PreviousProc(HWND control) {
  for (const SubclassedControl& entry : Subclassed)
    if (entry.control == control) return entry.previous;
  return reinterpret_cast<WNDPROC>(GetPropW(control, PreviousProcProperty));
}

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
  RememberPrevious(child, reinterpret_cast<WNDPROC>(previous));
  SetWindowLongPtrW(child, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(ControlHelpProc));
  return TRUE;
}

LRESULT CALLBACK ControlHelpProc(HWND control, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  int id = GetDlgCtrlID(control);
  WNDPROC previous = PreviousProc(control);
  switch (message) {
    case WM_DESTROY:
      RemovePropW(control, PreviousProcProperty);
      ForgetPrevious(control);
      if (previous != nullptr)
        SetWindowLongPtrW(control, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(previous));
      break;
    case WM_MOUSEMOVE:
      ShowControlHelp(control, id);
      break;
    case WM_SETTEXT:
      // A result field written by anything but the recalculation.
      ForgetShownText(id);
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
