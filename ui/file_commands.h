// The ファイル menu's commands: open, save, save as, restore a kept input,
// copy the result; opening a dropped file or one named at start-up; the
// question before an unsaved input is replaced; the caption with the open
// file's name and the unsaved-changes mark.
#pragma once

#include <windows.h>
// HDROP needs the definitions of windows.h.
#include <shellapi.h>

#include <string>

#include "ui/form_inputs.h"

// After the start-up steps: the current input is the unchanged state.
void BeginDocumentTracking(HWND window);

// After every recalculation, with the form's inputs it read: marks the
// caption and schedules the autosave when the input differs from the last
// check.
void NoteInputChanged(HWND window, const FormInputs& inputs);

// Reads `path` strictly and puts it into the form, after asking to save an
// input that would be lost; a refused or unreadable file is reported and
// changes nothing. True when opened.
bool OpenDocumentFile(HWND window, const std::wstring& path);

// WM_DROPFILES: opens the first dropped file and releases the drop.
void OpenDroppedFile(HWND window, HDROP drop);

// WM_INITMENUPOPUP: fills the submenu of "前回の入力を復元(&R)" with the kept
// inputs, newest first, each with its time and species; other menus are
// left alone.
void FillRestoreMenu(HMENU menu);

void OpenCommand(HWND window);
void SaveCommand(HWND window);
void SaveAsCommand(HWND window);
// Restores the kept input `newest` places from the newest (0 the newest).
void RestoreCommand(HWND window, int newest);
void CopyResultCommand(HWND window);
