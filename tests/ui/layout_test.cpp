// The layout check, run at every display scale the test is started with: in
// the main window (filled with the quick-start example), the hidden power
// window and the about box no text is wider than the space it has, no two
// controls overlap and every control lies inside its window.
#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "tools/dpi.h"
#include "tools/tools.h"
#include "ui_test_support.h"
#include "worked_examples.h"

namespace {

using Problems = std::vector<std::wstring>;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring Describe(HWND control) {
  return ClassOf(control) + L" " + std::to_wstring(GetDlgCtrlID(control)) +
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

// The widest line of `text` and the height of all its lines in `font`; a
// status bar without a font of its own draws in the system's status font.
SIZE TextSize(HWND control, HFONT font, const std::wstring& text) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT standard = CreateFontIndirectW(&metrics.lfStatusFont);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : standard);
  TEXTMETRICW fontMetrics{};
  GetTextMetricsW(dc, &fontMetrics);
  SIZE size = {0, 0};
  for (size_t start = 0; start <= text.size();) {
    size_t end = std::min(text.find(L'\n', start), text.size());
    SIZE line = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str() + start,
                          static_cast<int>(end - start), &line);
    size.cx = std::max(size.cx, line.cx);
    size.cy += fontMetrics.tmHeight;
    start = end + 1;
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  DeleteObject(standard);
  return size;
}

void CheckFits(Problems& problems, const std::wstring& what, HWND control,
               const std::wstring& text, int width, int height = INT_MAX) {
  if (text.empty()) return;
  SIZE size = TextSize(control, FontOf(control), text);
  if (size.cx <= width && size.cy <= height) return;
  problems.push_back(what + L": text " + std::to_wstring(size.cx) + L"x" +
                     std::to_wstring(size.cy) + L" px, space " +
                     std::to_wstring(width) + L"x" +
                     std::to_wstring(std::min(height, 9999)) + L" px");
}

// Statics, buttons, check boxes and edit fields: the text within the client
// area, less a check box's box and gap, a button's edges, an edit's margins.
void CheckControlText(Problems& problems, HWND control, UINT dpi) {
  std::wstring kind = ClassOf(control);
  LONG style = GetWindowLongW(control, GWL_STYLE);
  RECT client;
  GetClientRect(control, &client);
  int width = client.right;
  int height = INT_MAX;
  if (kind == L"Static") {
    LONG type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
      return;  // icons, frames and the like
    height = client.bottom;
  } else if (kind == L"Button") {
    LONG type = style & BS_TYPEMASK;
    bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
               type == BS_3STATE || type == BS_AUTO3STATE ||
               type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    width -= box ? SystemMetricForDpi(SM_CXMENUCHECK, dpi) +
                       SystemMetricForDpi(SM_CXEDGE, dpi)
                 : 2 * SystemMetricForDpi(SM_CXEDGE, dpi);
  } else if (kind == L"Edit") {
    LRESULT margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
    width -= LOWORD(margins) + HIWORD(margins);
  } else {
    return;
  }
  CheckFits(problems, Describe(control), control, WindowText(control), width,
            height);
}

// The list's column headers, each within its item less the header's margins.
void CheckHeaderItems(Problems& problems, HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  int margin =
      static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int k = 0; k < count; ++k) {
    wchar_t text[64] = L"";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(header, HDM_GETITEMW, k, reinterpret_cast<LPARAM>(&item));
    RECT rect{};
    SendMessageW(header, HDM_GETITEMRECT, k, reinterpret_cast<LPARAM>(&rect));
    CheckFits(problems, L"column " + std::to_wstring(k), header, text,
              rect.right - rect.left - 2 * margin);
  }
}

// The texts of the status bar, each within its part less the part's edges.
void CheckStatusParts(Problems& problems, HWND bar, UINT dpi) {
  int count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
  for (int part = 0; part < count; ++part) {
    wchar_t text[256] = L"";
    if (LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) >= 256) continue;
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    RECT rect{};
    SendMessageW(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect));
    CheckFits(problems, L"status part " + std::to_wstring(part), bar, text,
              rect.right - rect.left - 2 * SystemMetricForDpi(SM_CXEDGE, dpi));
  }
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// Shared space that is no overlap: a group box and what it frames, an
// up-down control and its buddy, and the one row or column that controls
// touching in dialog units may share (the dialog manager turns position and
// size into pixels apart).
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
    if (ClassOf(a) == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX &&
        Contains(rectA, rectB))
      return false;
    if (ClassOf(a) == UPDOWN_CLASSW &&
        reinterpret_cast<HWND>(SendMessageW(a, UDM_GETBUDDY, 0, 0)) == b)
      return false;
  }
  return true;
}

// The controls shown once the window is (a modal box may not be shown yet).
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
  if (children.empty()) problems.push_back(L"no visible control");
  for (size_t i = 0; i < children.size(); ++i) {
    HWND child = children[i];
    if (!Contains(client, RectIn(window, child)))
      problems.push_back(Describe(child) + L": outside the client area");
    CheckControlText(problems, child, dpi);
    if (ClassOf(child) == WC_LISTVIEWW) CheckHeaderItems(problems, child);
    if (ClassOf(child) == STATUSCLASSNAMEW)
      CheckStatusParts(problems, child, dpi);
    for (size_t j = i + 1; j < children.size(); ++j) {
      if (Overlap(window, child, children[j]))
        problems.push_back(Describe(child) + L" overlaps " +
                           Describe(children[j]));
    }
  }
  return problems;
}

// Expects no problem, or lists them as readable UTF-8 lines.
void ExpectFits(HWND window, UINT dpi) {
  std::wstring text;
  for (const std::wstring& line : LayoutProblems(window, dpi))
    text += line + L"\n";
  std::string utf8(text.size() * 3, '\0');
  utf8.resize(WideCharToMultiByte(
      CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
      static_cast<int>(utf8.size()), nullptr, nullptr));
  EXPECT_EQ(utf8, "") << "at " << dpi << " DPI, expected no problem, got:\n"
                      << utf8;
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask,
             sizeof(bitmap), &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  if (GetObjectW(FontOf(control), sizeof(font), &font) == 0) return 0;
  return font.lfHeight;
}

// The about box is modal: the dialog watcher hands it over while it is up.
UINT AboutBoxDpi = 0;
int AboutBoxIconWidth = 0;
void InspectAboutBox(HWND box) {
  if (WindowText(box) != L"バージョン情報") return;
  ExpectFits(box, AboutBoxDpi);
  AboutBoxIconWidth = IconWidth(reinterpret_cast<HICON>(
      SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0)));
}

// What a move to another scale and back must restore: the window's and every
// control's rectangle, the controls' font heights (but the status bar's,
// which has none at first), the column widths and the status part edges.
std::vector<long> Snapshot(HWND window) {
  std::vector<long> numbers;
  auto add = [&numbers](const RECT& rect) {
    numbers.insert(numbers.end(),
                   {rect.left, rect.top, rect.right, rect.bottom});
  };
  RECT frame;
  GetWindowRect(window, &frame);
  add(frame);
  for (HWND child : VisibleChildren(window)) {
    add(RectIn(window, child));
    if (ClassOf(child) != STATUSCLASSNAMEW)
      numbers.push_back(FontHeight(child));
  }
  for (int k = 0; k < 14; ++k)
    numbers.push_back(static_cast<long>(SendDlgItemMessageW(
        window, IDC_STATUS_LIST, LVM_GETCOLUMNWIDTH, k, 0)));
  int edges[3] = {};
  SendDlgItemMessageW(window, IDC_STATUS_BAR, SB_GETPARTS, 3,
                      reinterpret_cast<LPARAM>(edges));
  numbers.insert(numbers.end(), edges, edges + 3);
  return numbers;
}

// WM_DPICHANGED as Windows sends it when the window moves onto a monitor of
// another scale: the new DPI and the window rectangle scaled to it.
void MoveToScale(HWND window, UINT from, UINT to) {
  RECT rect;
  GetWindowRect(window, &rect);
  RECT suggested = {rect.left, rect.top,
                    rect.left + MulDiv(rect.right - rect.left, to, from),
                    rect.top + MulDiv(rect.bottom - rect.top, to, from)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to),
               reinterpret_cast<LPARAM>(&suggested));
}

class Layout : public MainWindowTest {
 protected:
  void FillQuickStartExample() {
    ChooseText(IDC_SPECIES, L"フシギダネ");
    ChooseText(IDC_NATURE, L"いじっぱり");
    AddRow(BulbasaurAt50);
    AddRow(BulbasaurAt100);
    ASSERT_EQ(Text(IDC_HP_IV), L"31");
  }
  const UINT dpi_ = SystemDpi();
};

TEST_F(Layout, MainWindowWithTheQuickStartExampleFits) {
  FillQuickStartExample();
  ExpectFits(window_, dpi_);
  EXPECT_EQ(FontHeight(Item(IDC_LEVEL_LABEL)), -MulDiv(9, dpi_, 72));
  auto icon = [this](WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, kind, 0));
  };
  EXPECT_EQ(IconWidth(icon(ICON_BIG)), SystemMetricForDpi(SM_CXICON, dpi_));
  EXPECT_EQ(IconWidth(icon(ICON_SMALL)), SystemMetricForDpi(SM_CXSMICON, dpi_));
}

// Moving to a monitor of another scale lays the window out for that scale,
// its font included; moving back restores every pixel.
TEST_F(Layout, MainWindowFollowsAMoveToAnotherScaleAndBack) {
  FillQuickStartExample();
  UINT other = dpi_ == 96 ? 144 : 96;
  std::vector<long> before = Snapshot(window_);
  MoveToScale(window_, dpi_, other);
  ExpectFits(window_, other);
  EXPECT_EQ(FontHeight(Item(IDC_LEVEL_LABEL)), -MulDiv(9, other, 72));
  EXPECT_EQ(SendMessageW(Item(IDC_STATUS_LIST), LVM_GETCOLUMNWIDTH, 1, 0),
            MulDiv(42, other, 96));
  RECT frame;
  GetWindowRect(window_, &frame);
  EXPECT_EQ(frame.left, before[0]);
  EXPECT_EQ(frame.top, before[1]);
  int edges[3] = {};
  SendMessageW(Item(IDC_STATUS_BAR), SB_GETPARTS, 3,
               reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], frame.right - frame.left - MulDiv(260, other, 96));
  EXPECT_EQ(edges[1], frame.right - frame.left - MulDiv(150, other, 96));
  MoveToScale(window_, other, dpi_);
  EXPECT_EQ(Snapshot(window_), before);
}

TEST_F(Layout, HiddenPowerWindowFits) {
  Command(IDM_HIDDEN_POWER);
  ASSERT_NE(HiddenPowerWindow, nullptr);
  for (int id = IDC_HPCALC_IV_HP; id <= IDC_HPCALC_IV_SPEED; ++id)
    SetDlgItemTextW(HiddenPowerWindow, id,
                    id == IDC_HPCALC_IV_ATTACK ? L"30" : L"31");
  ASSERT_EQ(WindowText(GetDlgItem(HiddenPowerWindow, IDC_HPCALC_TYPE)),
            L"ドラゴン");
  ExpectFits(HiddenPowerWindow, dpi_);
}

TEST_F(Layout, AboutBoxFitsAndShowsTheIconOfItsDpi) {
  AboutBoxDpi = dpi_;
  AboutBoxIconWidth = 0;
  SetDialogInspector(InspectAboutBox);
  Command(IDM_ABOUT);
  SetDialogInspector(nullptr);
  ASSERT_EQ(TakeSeenDialogs().size(), 1u);
  EXPECT_EQ(AboutBoxIconWidth, SystemMetricForDpi(SM_CXICON, dpi_));
}

// The manifest makes the process per-monitor DPI aware (version 2 where the
// system knows it; Wine 8 knows only version 1), so the system does not
// stretch its windows.
TEST(DpiAwareness, ProcessIsPerMonitorAware) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  auto getContext =
      reinterpret_cast<HANDLE(WINAPI*)()>(reinterpret_cast<void (*)()>(
          GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto awareness =
      reinterpret_cast<int(WINAPI*)(HANDLE)>(reinterpret_cast<void (*)()>(
          GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(getContext != nullptr && awareness != nullptr);
  const int perMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
  EXPECT_EQ(awareness(getContext()), perMonitorAware);
}

}  // namespace
