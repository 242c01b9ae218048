// The tools of the main window's menu: hidden power calculator, about box and
// help viewer launch. The calculator's file owns HiddenPowerWindow.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "tools/tools_ids.h"

// The open hidden power calculator window, or null. The program's message
// loop offers it every message; the calculator clears it when it closes.
extern HWND HiddenPowerWindow;

// ---- Hidden power calculator ------------------------------------------------

// Dialog procedure of the modeless hidden power calculator (template 102).
INT_PTR CALLBACK HiddenPowerDlgProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);

// Clamps one IV field into 0..31 and returns its value: text that is not a
// number counts as 0 and stays; a value above 31 (however many digits it
// has) rewrites the field to "31", a negative one to "0".
int32_t ClampIvField(HWND field);

// Opens the calculator owned by `owner` and records it in HiddenPowerWindow,
// or shows and activates the one already open. Returns the window.
HWND OpenHiddenPowerWindow(HWND owner);

// ---- About box --------------------------------------------------------------

// Dialog procedure of the modal about box (template 204). The dialog's
// creation parameter is the path of the file whose version it shows.
INT_PTR CALLBACK AboutDlgProc(HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam);

// ---- Help viewer launch -----------------------------------------------------

// Size of the narrow path buffers of the help launch, terminator included.
constexpr std::size_t HelpPathCapacity = 260;

// Result codes of BoundedCopy.
constexpr HRESULT BoundedCopyOk = 0;
constexpr HRESULT BoundedCopyCut = static_cast<HRESULT>(0x8007007A);
constexpr HRESULT BoundedCopyInvalidSize = static_cast<HRESULT>(0x80070057);
constexpr std::size_t BoundedCopyMaxSize = 2147483647;

// Copies at most size - 1 characters of `source`, stopping at its terminator,
// and terminates `dest`. Returns BoundedCopyOk, BoundedCopyCut when the source
// did not fit, or BoundedCopyInvalidSize when size is 0 (nothing written) or
// above BoundedCopyMaxSize (`dest` left empty).
HRESULT BoundedCopy(char* dest, std::size_t size, const char* source);

// Reads the registered path of the HTML Help control into `dest`
// (HelpPathCapacity characters). True when `dest` holds a usable path.
bool FindHelpControlPath(char* dest);

// Forwards to the HTML Help control's HtmlHelpW, loading it on first use.
// Null when the control cannot be used; after one failed attempt to load it
// every later call returns null without trying again.
HWND ShowHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

// Forgets the loaded control (unloading it) and clears the failure flag, so
// that a test can start the help launch afresh. Not used by the program.
void ResetHelpLaunchForTesting();
