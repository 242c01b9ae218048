// Autosave: after every change the current input is written, a moment
// later, to %APPDATA%\Tessavar\autosave.tsv with the safe write; the file as
// the previous run left it is kept in memory for "前回の入力を復元(&R)".
#pragma once

#include <windows.h>

#include <string>

// The file below the user's application data folder (CSIDL_APPDATA).
constexpr wchar_t AutosaveFolder[] = L"\\Tessavar";
constexpr wchar_t AutosaveFile[] = L"\\autosave.tsv";

// The main window's timer that writes the autosave file.
constexpr UINT_PTR AutosaveTimerId = 1;
// How long the input must rest before it is written.
constexpr UINT AutosaveDelay = 1000;

// At start-up, after the settings are applied: takes the current input as
// already saved, so that starting and closing again keeps the previous run's
// file.
void BeginAutosave(HWND window);

// (Re)starts the timer after a change of `text`, the current input's file
// text.
void ScheduleAutosave(HWND window, const std::string& text);

// WM_TIMER and closing the window: writes the current input now when it
// differs from what was last written.
void WriteAutosaveNow(HWND window);

// The previous run's file text, as it was before this run first wrote it;
// false when there was none. `error` receives the system error of the read.
bool PreviousInputText(std::string& text, DWORD& error);
