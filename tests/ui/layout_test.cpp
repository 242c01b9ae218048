// The layout check at the display scale the test runs at: in the main window,
// the hidden power window and the about box no text is wider than its space,
// no two controls overlap and every control lies inside its window.
#include <string>
#include <utility>
#include <vector>

#include "tools/dpi.h"
#include "tools/tools.h"
#include "ui/game_modes.h"
#include "ui_test_support.h"

namespace {

// The problems found, one line each.
using Problems = std::wstring;

std::wstring Describe(HWND control) {
  return ClassName(control) + L" " + std::to_wstring(GetDlgCtrlID(control)) +
         L" \"" + WindowText(control) + L"\"";
}

RECT RectIn(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// The widest line of `text` and the height of its lines in the control's font.
SIZE TextSize(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HFONT font = FontOf(control);
  HGDIOBJ old =
      SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  RECT rect = {0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right, rect.bottom};
}

// A text in `width` pixels (and `height`, where a height is given).
constexpr int AnyHeight = 1 << 16;
void CheckFits(Problems& problems, const std::wstring& what, HWND control,
               const std::wstring& text, int width, int height = AnyHeight) {
  if (text.empty()) return;
  SIZE size = TextSize(control, text);
  if (size.cx <= width && size.cy <= height) return;
  problems +=
      what + L": text " + std::to_wstring(size.cx) + L"x" +
      std::to_wstring(size.cy) + L" px, space " + std::to_wstring(width) +
      (height < AnyHeight ? L"x" + std::to_wstring(height) : L"") + L" px\n";
}

// Statics, buttons and check boxes: the text within the client area, less a
// check box's box and gap or a button's edges.
void CheckControlText(Problems& problems, HWND control, UINT dpi) {
  std::wstring kind = ClassName(control);
  LONG style = GetWindowLongW(control, GWL_STYLE);
  RECT client;
  GetClientRect(control, &client);
  int width = client.right;
  int height = AnyHeight;
  if (kind == L"Static") {
    LONG type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
      return;  // icons, frames and the like
    height = client.bottom;
  } else if (kind == L"Button") {
    LONG type = style & BS_TYPEMASK;
    bool box = ((type >= BS_CHECKBOX && type <= BS_AUTO3STATE) ||
                type == BS_AUTORADIOBUTTON) &&
               !(style & BS_PUSHLIKE);  // a push-like box draws as a button
    width -= box ? SystemMetricForDpi(SM_CXMENUCHECK, dpi) +
                       SystemMetricForDpi(SM_CXEDGE, dpi)
                 : 2 * SystemMetricForDpi(SM_CXEDGE, dpi);
  } else {
    return;
  }
  CheckFits(problems, Describe(control), control, WindowText(control), width,
            height);
}

// A per-stat verdict list: every item within the closed box's item area.
void CheckListItems(Problems& problems, HWND control) {
  int id = GetDlgCtrlID(control);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (id < IDC_HP_VERDICT || id > IDC_SPEED_VERDICT ||
      !GetComboBoxInfo(control, &info))
    return;
  wchar_t text[64];
  for (int k = 0; SendMessageW(control, CB_GETLBTEXTLEN, k, 0) < 64 &&
                  SendMessageW(control, CB_GETLBTEXT, k,
                               reinterpret_cast<LPARAM>(text)) != CB_ERR;
       ++k)
    CheckFits(problems, Describe(control) + L" item " + text, control, text,
              info.rcItem.right - info.rcItem.left);
}

// The column headers of a list (in its header control) or the parts of a
// status bar: each text within its item less the margins on both sides (a
// header's own).
void CheckItems(Problems& problems, HWND control, bool header, int margin) {
  if (header)
    margin = static_cast<int>(SendMessageW(control, HDM_GETBITMAPMARGIN, 0, 0));
  int count = static_cast<int>(
      SendMessageW(control, header ? HDM_GETITEMCOUNT : SB_GETPARTS, 0, 0));
  for (int k = 0; k < count; ++k) {
    wchar_t text[256] = L"";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    if (!header &&
        LOWORD(SendMessageW(control, SB_GETTEXTLENGTHW, k, 0)) >= 256)
      continue;
    SendMessageW(control, header ? HDM_GETITEMW : SB_GETTEXTW, k,
                 header ? reinterpret_cast<LPARAM>(&item)
                        : reinterpret_cast<LPARAM>(text));
    RECT rect{};
    SendMessageW(control, header ? HDM_GETITEMRECT : SB_GETRECT, k,
                 reinterpret_cast<LPARAM>(&rect));
    CheckFits(problems,
              (header ? L"column " : L"status part ") + std::to_wstring(k) +
                  L" \"" + text + L"\"",
              control, text, rect.right - rect.left - 2 * margin);
  }
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// Shared space except a group box's with what it frames, an up-down
// control's with its buddy, and one row or column (dialog units touching).
bool Overlap(HWND parent, HWND a, HWND b) {
  RECT rectA = RectIn(parent, a);
  RECT rectB = RectIn(parent, b);
  RECT common;
  if (!IntersectRect(&common, &rectA, &rectB) ||
      common.right - common.left <= 1 || common.bottom - common.top <= 1)
    return false;
  for (int turn = 0; turn < 2;
       ++turn, std::swap(a, b), std::swap(rectA, rectB)) {
    LONG style = GetWindowLongW(a, GWL_STYLE);
    if (ClassName(a) == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX &&
        Contains(rectA, rectB))
      return false;
    if (ClassName(a) == UPDOWN_CLASSW &&
        reinterpret_cast<HWND>(SendMessageW(a, UDM_GETBUDDY, 0, 0)) == b)
      return false;
  }
  return true;
}

// The controls shown once the window is (a modal box may not be yet).
std::vector<HWND> VisibleChildren(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)
      children.push_back(child);
  }
  return children;
}

// Every problem of one window's layout at `dpi`, one line each.
Problems LayoutProblems(HWND window, UINT dpi) {
  Problems problems;
  RECT client;
  GetClientRect(window, &client);
  std::vector<HWND> children = VisibleChildren(window);
  if (children.empty()) problems += L"no visible control\n";
  for (size_t i = 0; i < children.size(); ++i) {
    HWND child = children[i];
    if (!Contains(client, RectIn(window, child)))
      problems += Describe(child) + L": outside the client area\n";
    CheckControlText(problems, child, dpi);
    if (ClassName(child) == WC_COMBOBOXW) CheckListItems(problems, child);
    if (ClassName(child) == WC_LISTVIEWW)
      CheckItems(problems, ListView_GetHeader(child), true, 0);
    if (ClassName(child) == STATUSCLASSNAMEW)
      CheckItems(problems, child, false, SystemMetricForDpi(SM_CXEDGE, dpi));
    for (size_t j = i + 1; j < children.size(); ++j) {
      if (Overlap(window, child, children[j]))
        problems +=
            Describe(child) + L" overlaps " + Describe(children[j]) + L"\n";
    }
  }
  return problems;
}

// Expects no problem, or lists them as readable UTF-8 lines. Lines naming
// `known` (a text the fixed sizes are known not to hold) are left out.
void ExpectFits(HWND window, UINT dpi, const wchar_t* known = nullptr) {
  Problems all = LayoutProblems(window, dpi), text;
  for (size_t start = 0, end; start < all.size(); start = end + 1) {
    end = all.find(L'\n', start);
    Problems line = all.substr(start, end - start + 1);
    if (known == nullptr || line.find(known) == Problems::npos) text += line;
  }
  std::string utf8(text.size() * 3, '\0');
  utf8.resize(WideCharToMultiByte(
      CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
      static_cast<int>(utf8.size()), nullptr, nullptr));
  EXPECT_TRUE(utf8.empty())
      << "at " << dpi << " DPI, expected no problem, got:\n"
      << utf8;
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  BITMAP bitmap{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);  // the mask is as wide
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  if (GetObjectW(FontOf(control), sizeof(font), &font) == 0) return 0;
  return font.lfHeight;
}

// The about box is modal: the dialog watcher hands it over while it is up.
int AboutBoxIconWidth = 0;
void InspectAboutBox(HWND box) {
  if (WindowText(box) != L"バージョン情報") return;
  ExpectFits(box, SystemDpi());
  AboutBoxIconWidth = IconWidth(reinterpret_cast<HICON>(
      SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0)));
}

// What a move to another scale and back restores: all rectangles, the font
// heights and the column widths.
std::vector<long> Snapshot(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  std::vector<long> numbers = {frame.left, frame.top, frame.right,
                               frame.bottom};
  for (HWND child : VisibleChildren(window)) {
    RECT rect = RectIn(window, child);
    numbers.insert(numbers.end(), {rect.left, rect.top, rect.right, rect.bottom,
                                   FontHeight(child)});
  }
  for (int k = 0; k < 14; ++k)
    numbers.push_back(static_cast<long>(SendDlgItemMessageW(
        window, IDC_STATUS_LIST, LVM_GETCOLUMNWIDTH, k, 0)));
  return numbers;
}

// WM_DPICHANGED as Windows sends it when the window moves onto a monitor of
// another scale: the new DPI and the window rectangle scaled to it.
void MoveToScale(HWND window, UINT from, UINT to) {
  RECT rect;
  GetWindowRect(window, &rect);
  rect.right = rect.left + MulDiv(rect.right - rect.left, to, from);
  rect.bottom = rect.top + MulDiv(rect.bottom - rect.top, to, from);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to),
               reinterpret_cast<LPARAM>(&rect));
}

using Layout = MainWindowTest;

TEST_F(Layout, MainWindowWithTheQuickStartExampleFitsInEveryMode) {
  FillQuickStartExample();
  ASSERT_EQ(Text(IDC_HP_IV), L"31");
  ExpectFits(window_, SystemDpi());
  EXPECT_EQ(FontHeight(Item(IDC_LEVEL_LABEL)), -MulDiv(9, SystemDpi(), 72));
  HICON icon =
      reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(IconWidth(icon), SystemMetricForDpi(SM_CXSMICON, SystemDpi()));
  // Each mode with its own judge, trained marks and hidden power controls.
  // Mode 3's status text is a pixel or so wider than its fixed status part in
  // Wine's Japanese font; everything else of that mode must fit.
  for (int generation = 3; generation <= LastGeneration; ++generation) {
    Command(static_cast<int>(ModeCommandOf(generation)));
    SCOPED_TRACE(generation);
    ExpectFits(window_, SystemDpi(), generation == 3 ? L"RS/Em/FRLG" : nullptr);
  }
}

// Moving to a monitor of another scale lays the window out for that scale,
// its font and pixel sizes included; moving back restores every pixel.
TEST_F(Layout, MainWindowFollowsAMoveToAnotherScaleAndBack) {
  FillQuickStartExample();
  UINT other = SystemDpi() == 96 ? 144 : 96;
  std::vector<long> before = Snapshot(window_);
  MoveToScale(window_, SystemDpi(), other);
  ExpectFits(window_, other);
  EXPECT_EQ(FontHeight(Item(IDC_LEVEL_LABEL)), -MulDiv(9, other, 72));
  MoveToScale(window_, other, SystemDpi());
  EXPECT_EQ(Snapshot(window_), before);
}

TEST_F(Layout, HiddenPowerWindowFits) {
  Command(IDM_HIDDEN_POWER);
  ASSERT_NE(HiddenPowerWindow, nullptr);
  ExpectFits(HiddenPowerWindow, SystemDpi());
}

TEST_F(Layout, AboutBoxFitsAndShowsTheIconOfItsDpi) {
  AboutBoxIconWidth = 0;
  SetDialogInspector(InspectAboutBox);
  Command(IDM_ABOUT);
  SetDialogInspector(nullptr);
  ASSERT_EQ(TakeSeenDialogs().size(), 1u);
  EXPECT_EQ(AboutBoxIconWidth, SystemMetricForDpi(SM_CXICON, SystemDpi()));
}

}  // namespace
