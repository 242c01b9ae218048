// Owns the autosave: each main window's own file in %APPDATA%\Tessavar,
// written with the safe write a moment after every change, and the kept
// inputs of the last closed windows that "前回の入力を復元(&R)" offers.
// Nothing is read at start-up: a kept input is read when the player asks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The folder below the user's application data folder (CSIDL_APPDATA).
constexpr wchar_t AutosaveFolder[] = L"\\Tessavar";
// The one autosave file of earlier releases: taken in as a kept input.
constexpr wchar_t EarlierAutosaveFile[] = L"\\autosave.tsv";
// How many closed windows' inputs are kept; the oldest beyond goes.
constexpr int KeptInputLimit = 5;

// The main window's timer that writes the autosave file.
constexpr UINT_PTR AutosaveTimerId = 1;
// How long the input must rest before it is written.
constexpr UINT AutosaveDelay = 1000;

// At start-up, after the settings are applied: gives the window a file of
// its own and takes the current input as already written.
void BeginAutosave(HWND window);

// (Re)starts the timer after a change of `text`, the current input's file
// text.
void ScheduleAutosave(HWND window, const std::string& text);

// WM_TIMER and closing the window: writes the current input now when it
// differs from what was last written. The first failure of a run is told
// in the status bar's help part.
void WriteAutosaveNow(HWND window);

// Closing the window, after the last write: its file joins the kept inputs
// (an empty input is not kept; the same input kept before moves up instead
// of being kept twice); the oldest beyond KeptInputLimit are removed.
void KeepAutosave();

// A kept input: its file and when its window closed.
struct KeptInput {
  std::wstring path;
  FILETIME closed;
};

// Gathers the kept inputs and returns them, newest first: files of windows
// that ended without closing (their process is gone) and the earlier
// releases' file are taken in first, and those beyond the limit are removed.
std::vector<KeptInput> CollectKeptInputs();

// %APPDATA%\Tessavar, empty when there is no application data folder.
const std::wstring& AutosaveFolderPath();
