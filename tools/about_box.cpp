// The about box: the program's name, the version and copyright line read from
// the running file's own version resource, and the games' rights notice.
#include "data/bounded_copy.h"
#include "tools/dpi.h"
#include "tools/tools.h"
#include "tools/tools_ids.h"

namespace {

constexpr int CopyrightCapacity = 256;

// Posted to the box after a DPI change, once the dialog manager has laid it
// out anew, to show the icon in the new size.
constexpr UINT ShowIconForDpiMessage = WM_APP + 1;

// The icon shown in the size of the box's DPI, or null. The icon control
// loaded the size of the system DPI itself; this one is the program's to
// destroy.
HICON AboutBoxIcon = nullptr;

void ShowIconForDpi(HWND window) {
  HINSTANCE instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  HICON previous = AboutBoxIcon;
  AboutBoxIcon =
      LoadIconForDpi(instance, IDI_TESSAVAR_ICON, false, WindowDpi(window));
  if (AboutBoxIcon == nullptr) return;
  SendDlgItemMessageW(window, IDC_ABOUT_ICON, STM_SETICON,
                      reinterpret_cast<WPARAM>(AboutBoxIcon), 0);
  if (previous != nullptr) DestroyIcon(previous);
}

// The first translation's "LegalCopyright" string copied into `copyright`,
// or false when the block has no translation table or no such string.
bool FindCopyright(const void* block, wchar_t* copyright) {
  void* table = nullptr;
  UINT tableBytes = 0;
  if (!VerQueryValueW(block, L"\\VarFileInfo\\Translation", &table,
                      &tableBytes) ||
      table == nullptr || tableBytes < 2 * sizeof(WORD)) {
    return false;
  }
  const WORD* translation = static_cast<const WORD*>(table);
  wchar_t path[64];
  wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\LegalCopyright", translation[0],
            translation[1]);
  void* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block, path, &text, &length) || text == nullptr) {
    return false;
  }
  // The string is not guaranteed to be terminated within its stated length.
  const wchar_t* source = static_cast<const wchar_t*>(text);
  int units =
      length < CopyrightCapacity ? static_cast<int>(length) : CopyrightCapacity;
  CopyUnitsBounded(copyright, CopyrightCapacity, units,
                   [source](int i) { return source[i]; });
  return true;
}

// Shows the product version and the copyright line of a read version block.
// Leaves the template texts when the block has no fixed file information.
void ShowVersionBlock(HWND window, const void* block) {
  void* fixedData = nullptr;
  UINT fixedBytes = 0;
  if (!VerQueryValueW(block, L"\\", &fixedData, &fixedBytes) ||
      fixedData == nullptr || fixedBytes < sizeof(VS_FIXEDFILEINFO)) {
    return;
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixedData);
  wchar_t copyright[CopyrightCapacity];
  bool hasCopyright = FindCopyright(block, copyright);
  wchar_t version[64];
  wsprintfW(
      version, L"Version %d.%d.%d (Build %d)",
      HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
      HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
  SetDlgItemTextW(window, IDC_ABOUT_VERSION, version);
  if (hasCopyright) SetDlgItemTextW(window, IDC_ABOUT_COPYRIGHT, copyright);
}

void FillAboutBox(HWND window, const wchar_t* modulePath) {
  SetDlgItemTextW(window, IDC_ABOUT_NAME, L"Tessavar");
  if (modulePath == nullptr) return;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(modulePath, &ignored);
  if (size == 0) return;
  HANDLE heap = GetProcessHeap();
  void* block = HeapAlloc(heap, HEAP_ZERO_MEMORY, size);
  if (block == nullptr) return;
  if (GetFileVersionInfoW(modulePath, 0, size, block)) {
    ShowVersionBlock(window, block);
  }
  HeapFree(heap, 0, block);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ShowIconForDpi(window);
      FillAboutBox(window, reinterpret_cast<const wchar_t*>(lParam));
      return TRUE;
    case WM_DPICHANGED:
      // The dialog manager scales the box, its controls and its font.
      PostMessageW(window, ShowIconForDpiMessage, 0, 0);
      return FALSE;
    case ShowIconForDpiMessage:
      ShowIconForDpi(window);
      return TRUE;
    case WM_NCDESTROY:
      if (AboutBoxIcon != nullptr) DestroyIcon(AboutBoxIcon);
      AboutBoxIcon = nullptr;
      return FALSE;
    case WM_COMMAND:
      // Only OK (button or Enter) closes the box; Esc's IDCANCEL does not.
      if (LOWORD(wParam) != IDOK) return FALSE;
      SendMessageW(window, WM_CLOSE, 0, 0);
      return TRUE;
    case WM_CLOSE:
      EndDialog(window, 1);
      return TRUE;
    default:
      return FALSE;
  }
}
