// Shows one tool window for a while so that it can be looked at or captured:
//   tessavar_tools_preview calculator | about | help-contents | help-index
// The calculator is filled with sample IVs; the help viewer opens
// Tessavar.chm from the current folder.
#include <windows.h>

#include <cstring>

#include "res/resource.h"
#include "tools/tools.h"
#include "tools/tools_ids.h"
#include "ui/game_modes.h"

namespace {

constexpr UINT ShowMilliseconds = 15000;

void CALLBACK EndPreview(HWND, UINT, UINT_PTR, DWORD) {
  HWND about = FindWindowW(L"#32770", L"バージョン情報");
  if (about != nullptr) EndDialog(about, 0);
  PostQuitMessage(0);
}

void RunLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (HiddenPowerWindow != nullptr &&
        IsDialogMessageW(HiddenPowerWindow, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void ShowCalculator() {
  GameMode = IDM_MODE_GEN5;
  HWND window = OpenHiddenPowerWindow(nullptr);
  const wchar_t* ivs[] = {L"31", L"30", L"31", L"31", L"31", L"31"};
  for (int i = 0; i < 6; ++i) {
    SetDlgItemTextW(window, IDC_HPCALC_IV_HP + i, ivs[i]);
  }
  SetFocus(GetDlgItem(window, IDC_HPCALC_IV_SPEED));
  RunLoop();
}

void ShowAbout() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT),
                  nullptr, AboutDlgProc, reinterpret_cast<LPARAM>(path));
}

void ShowHelpTab(UINT command) {
  ShowHelp(nullptr, L"Tessavar.chm", command, 0);
  RunLoop();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  SetTimer(nullptr, 0, ShowMilliseconds, EndPreview);
  if (std::strcmp(argv[1], "calculator") == 0) {
    ShowCalculator();
  } else if (std::strcmp(argv[1], "about") == 0) {
    ShowAbout();
  } else if (std::strcmp(argv[1], "help-contents") == 0) {
    ShowHelpTab(1);
  } else if (std::strcmp(argv[1], "help-index") == 0) {
    ShowHelpTab(2);
  } else {
    return 2;
  }
  return 0;
}
