// Display scale helpers: DPI look-ups that fall back where the system lacks
// them, icons and fonts for a DPI, and the re-layout of a window's controls
// for a new DPI. Owns the entry points looked up in the system libraries and
// the recorded layout of the one window it follows.
#include "tools/dpi.h"

#include <commctrl.h>

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int,
                                                       int, HICON*);

// An entry point of a loaded system library, or null where this version of
// Windows has none: the program still starts on systems without it.
template <typename Function>
Function LookUp(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) return nullptr;
  FARPROC entry = GetProcAddress(module, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

// The calls that only newer systems have, each null where this one lacks
// it; looked up once, at the first use of any.
struct NewerSystemCalls {
  GetDpiForWindowFunction getDpiForWindow;
  GetSystemMetricsForDpiFunction getSystemMetricsForDpi;
  LoadIconWithScaleDownFunction loadIconWithScaleDown;
};

const NewerSystemCalls& Newer() {
  static const NewerSystemCalls calls = {
      LookUp<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow"),
      LookUp<GetSystemMetricsForDpiFunction>(L"user32.dll",
                                             "GetSystemMetricsForDpi"),
      LookUp<LoadIconWithScaleDownFunction>(L"comctl32.dll",
                                            "LoadIconWithScaleDown")};
  return calls;
}

// A control's place in its window's client area as recorded, and whether it
// used the font the window's controls shared then.
struct ChildPlace {
  HWND child;
  RECT rect;
  bool templateFont;
};
// The followed window's controls as laid out at `dpi`, and its client size
// less its status bars.
constexpr int MaxChildren = 256;
struct RecordedLayout {
  HWND window;
  UINT dpi;
  SIZE client;
  HFONT font;
  SIZE baseUnits;    // the dialog base units of `font`
  SIZE newUnits;     // those of the font of the current DPI
  HFONT scaledFont;  // made for the current DPI, or null at the recorded one
  int count;
  ChildPlace children[MaxChildren];
};
RecordedLayout Recorded = {};

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t className[32] = L"";
  GetClassNameW(window, className, 32);
  return lstrcmpiW(className, name) == 0;
}

// A combo box is placed with the height of its list dropped down.
RECT PlaceOf(HWND window, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  RECT dropped;
  if (HasClass(child, WC_COMBOBOXW) &&
      SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0,
                   reinterpret_cast<LPARAM>(&dropped)) &&
      dropped.bottom > rect.bottom)
    rect.bottom = dropped.bottom;
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

HFONT ScaleFont(HFONT font, UINT fromDpi, UINT toDpi) {
  LOGFONTW description;
  if (font == nullptr ||
      GetObjectW(font, sizeof(description), &description) == 0)
    return nullptr;
  description.lfHeight = MulDiv(description.lfHeight, static_cast<int>(toDpi),
                                static_cast<int>(fromDpi));
  description.lfWidth = MulDiv(description.lfWidth, static_cast<int>(toDpi),
                               static_cast<int>(fromDpi));
  return CreateFontIndirectW(&description);
}

// The dialog base units of a font as the dialog manager computes them: half
// the average width of the Latin letters, rounded, and the character height.
SIZE BaseUnitsOf(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SIZE letters{};
  GetTextExtentPoint32W(dc,
                        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
                        52, &letters);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// A position or size in pixels at the recorded font, at the current one.
// The dialog manager makes pixels of dialog units (a quarter of the base
// width, an eighth of the base height) for each position and size apart;
// going back to the units and out again at the new font's base units lays
// the controls out as the dialog manager itself would at the new DPI.
int Relength(LONG pixels, LONG fromUnit, LONG toUnit, int parts) {
  int units = MulDiv(pixels, parts, fromUnit);
  return MulDiv(units, toUnit, parts);
}
int RelengthX(LONG pixels) {
  return Relength(pixels, Recorded.baseUnits.cx, Recorded.newUnits.cx, 4);
}
int RelengthY(LONG pixels) {
  return Relength(pixels, Recorded.baseUnits.cy, Recorded.newUnits.cy, 8);
}

}  // namespace

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : DefaultDpi;
}

UINT WindowDpi(HWND window) {
  const auto getDpiForWindow = Newer().getDpiForWindow;
  UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

int ScaleToDpi(int pixelsAt96, UINT dpi) {
  return MulDiv(pixelsAt96, static_cast<int>(dpi), DefaultDpi);
}

int SystemMetricForDpi(int index, UINT dpi) {
  const auto getSystemMetricsForDpi = Newer().getSystemMetricsForDpi;
  if (getSystemMetricsForDpi != nullptr)
    return getSystemMetricsForDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi),
                static_cast<int>(SystemDpi()));
}

HICON LoadIconForDpi(HINSTANCE instance, int id, bool smallIcon, UINT dpi) {
  int width = SystemMetricForDpi(smallIcon ? SM_CXSMICON : SM_CXICON, dpi);
  int height = SystemMetricForDpi(smallIcon ? SM_CYSMICON : SM_CYICON, dpi);
  // The common controls 6 scale a larger image down smoothly; LoadImageW
  // would stretch a smaller one up.
  const auto loadIconWithScaleDown = Newer().loadIconWithScaleDown;
  HICON icon = nullptr;
  if (loadIconWithScaleDown != nullptr &&
      SUCCEEDED(loadIconWithScaleDown(instance, MAKEINTRESOURCEW(id), width,
                                      height, &icon)))
    return icon;
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
}

HFONT CreateStatusFontForDpi(UINT dpi) {
  // The metrics are those of the system DPI, whatever the window's.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  metrics.lfStatusFont.lfHeight =
      MulDiv(metrics.lfStatusFont.lfHeight, static_cast<int>(dpi),
             static_cast<int>(SystemDpi()));
  return CreateFontIndirectW(&metrics.lfStatusFont);
}

void RecordChildLayout(HWND window, UINT dpi) {
  ForgetChildLayout(Recorded.window);
  RECT client;
  GetClientRect(window, &client);
  Recorded.client = {client.right, client.bottom};
  for (HWND child = GetWindow(window, GW_CHILD);
       child != nullptr && Recorded.count < MaxChildren;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place = PlaceOf(window, child);
    if (HasClass(child, STATUSCLASSNAMEW)) {
      Recorded.client.cy -= place.bottom - place.top;
      continue;
    }
    HFONT font = FontOf(child);
    if (Recorded.font == nullptr) Recorded.font = font;
    Recorded.children[Recorded.count++] = {
        child, place, font != nullptr && font == Recorded.font};
  }
  // Without a font there are no dialog units to lay out by.
  if (Recorded.font == nullptr) return;
  Recorded.window = window;
  Recorded.dpi = dpi;
  Recorded.baseUnits = BaseUnitsOf(Recorded.font);
}

SIZE RescaleChildControls(HWND window, UINT dpi) {
  if (Recorded.window != window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
  }
  HFONT previous = Recorded.scaledFont;
  Recorded.scaledFont = dpi == Recorded.dpi
                            ? nullptr
                            : ScaleFont(Recorded.font, Recorded.dpi, dpi);
  HFONT font =
      Recorded.scaledFont != nullptr ? Recorded.scaledFont : Recorded.font;
  Recorded.newUnits = BaseUnitsOf(font);
  for (int k = 0; k < Recorded.count; ++k) {
    const ChildPlace& place = Recorded.children[k];
    if (!IsWindow(place.child)) continue;
    // The font first: a combo box sizes its selection field by it.
    if (place.templateFont)
      SendMessageW(place.child, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                   TRUE);
    RECT rect = place.rect;
    if (dpi != Recorded.dpi) {
      rect.left = RelengthX(place.rect.left);
      rect.top = RelengthY(place.rect.top);
      rect.right = rect.left + RelengthX(place.rect.right - place.rect.left);
      rect.bottom = rect.top + RelengthY(place.rect.bottom - place.rect.top);
    }
    SetWindowPos(place.child, nullptr, rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (previous != nullptr) DeleteObject(previous);
  if (dpi == Recorded.dpi) return Recorded.client;
  return {RelengthX(Recorded.client.cx), RelengthY(Recorded.client.cy)};
}

void ForgetChildLayout(HWND window) {
  if (Recorded.window != window) return;
  if (Recorded.scaledFont != nullptr) DeleteObject(Recorded.scaledFont);
  Recorded = {};
}
