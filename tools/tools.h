// The tools of the main window's menu: hidden power calculator, about box and
// help viewer launch.
#pragma once

#include <windows.h>

// Dialog templates of the tool windows.
constexpr int IDD_HIDDEN_POWER = 102;
constexpr int IDD_ABOUT = 204;

// Dialog procedure of the modeless hidden power calculator (template 102).
INT_PTR CALLBACK HiddenPowerDlgProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);

// Dialog procedure of the modal about box (template 204).
INT_PTR CALLBACK AboutDlgProc(HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam);

// Forwards to the HTML Help control's HtmlHelpW, loading it on first use.
// Null when the control cannot be used.
HWND ShowHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);
